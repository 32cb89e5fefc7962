#include "support/enginesession.h"

#include <QDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace teskaro;
using namespace teskaro::testing;

class TestMaintenance : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sortReportsStartsAndReloads();
    void sortWithoutAFileLeavesTheCount();
    void sortThatCannotStartStillReloads();
    void sortReportsARereadThatFails();
    void duplicatesCommandChangesNothingOnScreen();
    void duplicatesCommandPassesAnyNameAsOneArgument_data();
    void duplicatesCommandPassesAnyNameAsOneArgument();
    void duplicatesCommandThatCannotStartSaysSo();
};

void TestMaintenance::sortReportsStartsAndReloads()
{
    EngineSession session(numberedRecords(3));
    session.rig.engine.Option2_Click(); // the prompt is a learning one in any mode
    session.learn(QString());
    session.folder.write(u"default.alm"_s, numberedRecords(5));
    session.rig.random.script({ScriptedRandom::forSlot(3)});
    session.markTranscript();
    const qsizetype start = session.rig.log.events.size();
    session.rig.engine.orden_Click();

    QCOMPARE(session.added(), u"$ Ordenando ideas y recuerdos...\r\n"_s + QDir::currentPath() +
                                  u"\r\n$ en archivo default.alm...\r\n"
                                  u":) ESTOY LISTO PARA UNA SESION.\r\n"
                                  u":) INTRODUCE INFORMACION SOBRE ALGO \r\n"_s);
    QCOMPARE(session.rig.view.caption, u" TESKARO v0.4a - [ Menquira ]"_s);
    QCOMPARE(session.rig.view.countLabel, u" 5"_s);
    QCOMPARE(session.rig.engine.state().table.recordCount, 5);
    QCOMPARE(session.rig.engine.state().displayedCount, 5);
    QCOMPARE(session.rig.launcher.started.last(), QStringList{u"IND.BAT"_s});
    const QStringList events = session.rig.log.events.mid(start);
    QCOMPARE(events.mid(events.size() - 2), (QStringList{u"transcriptEnd"_s, u"focusInput"_s}));
}

void TestMaintenance::sortWithoutAFileLeavesTheCount()
{
    EngineSession session;
    session.learn(u"EL SOL ES UNA ESTRELLA"_s);
    QFile::remove(u"default.alm"_s);
    session.rig.random.script({ScriptedRandom::forSlot(1)});
    session.markTranscript();
    const qsizetype started = session.rig.launcher.started.size();
    session.rig.engine.orden_Click();
    QCOMPARE(session.added(), u"$ Ordenando ideas y recuerdos...\r\n"_s + QDir::currentPath() +
                                  u"\r\n\r\n$ Realmente no poseo ningún dato en mi memoria, pero "
                                  u"...\r\n:) ESTOY LISTO PARA UNA SESION.\r\n"
                                  u":) CUENTAME ALGO ACERCA DE CUALQUIER TEMA \r\n"_s);
    QCOMPARE(session.rig.view.countLabel, u" 1"_s);
    QCOMPARE(session.rig.engine.state().table.recordCount, 0);
    QCOMPARE(session.rig.launcher.started.size(), started);
}

void TestMaintenance::sortThatCannotStartStillReloads()
{
    EngineSession session(numberedRecords(2));
    session.rig.launcher.missing += u"IND.BAT"_s;
    session.markTranscript();
    session.rig.engine.orden_Click();
    QVERIFY(session.added().contains(
        u"$ en archivo default.alm...\r\n$ No se ha podido iniciar la ordenación: IND.BAT no se "
        u"encuentra o no se puede ejecutar\r\n:) ESTOY LISTO PARA UNA SESION.\r\n"_s));
    QCOMPARE(session.rig.view.countLabel, u" 2"_s);
    QVERIFY(!session.rig.exit.ended);
}

void TestMaintenance::sortReportsARereadThatFails()
{
    EngineSession session(numberedRecords(2));
    session.folder.write(u"default.alm"_s, numberedRecords(5002));
    session.markTranscript();
    session.rig.engine.orden_Click();
    QVERIFY(session.added().contains(u"$ en archivo default.alm...\r\n$ La base de conocimientos "
                                     u"default.alm tiene más de 5001 registros: solo se han leído "
                                     u"los 5001 primeros\r\n:) ESTOY LISTO"_s));
    QCOMPARE(session.rig.engine.state().displayedCount, 5001);
    QVERIFY(!session.rig.exit.ended);
}

void TestMaintenance::duplicatesCommandChangesNothingOnScreen()
{
    EngineSession session(numberedRecords(4));
    const qsizetype start = session.rig.log.events.size();
    session.rig.engine.redun_Click();
    QCOMPARE(session.rig.log.events.mid(start), QStringList{u"start:repetido|default.alm"_s});
    QCOMPARE(session.rig.engine.state().table.recordCount, 4);
    QCOMPARE(session.rig.view.countLabel, u" 4"_s);
}

void TestMaintenance::duplicatesCommandPassesAnyNameAsOneArgument_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addRow("blanks") << u"mis datos"_s;
    QTest::addRow("quotes and a semicolon") << u"a'b\"c; rm -rf x"_s;
    QTest::addRow("shell characters") << u"$(touch hecho) > null"_s;
}

void TestMaintenance::duplicatesCommandPassesAnyNameAsOneArgument()
{
    QFETCH(QString, folder);
    EngineSession session;
    QVERIFY(QDir().mkdir(folder));
    session.rig.engine.abre_Click();
    session.rig.engine.Formopen_Command1_Click(session.folder.filePath(folder), u"x.alm"_s);
    session.rig.engine.redun_Click();
    QCOMPARE(session.rig.launcher.started.last(),
             (QStringList{u"repetido"_s, session.folder.filePath(folder) + u"/x.alm"_s}));
}

void TestMaintenance::duplicatesCommandThatCannotStartSaysSo()
{
    EngineSession session(numberedRecords(1));
    session.rig.launcher.missing += u"repetido"_s;
    session.rig.engine.redun_Click();
    QCOMPARE(session.added(), u"$ No se ha podido iniciar la eliminación de redundancias: "
                              u"repetido no se encuentra o no se puede ejecutar\r\n"_s);
}

QTEST_GUILESS_MAIN(TestMaintenance)
#include "tst_maintenance.moc"
