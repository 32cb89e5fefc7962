#include "support/enginesession.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace teskaro;
using namespace teskaro::testing;

class TestFileCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void openCommandMarksTheTableNotLoaded();
    void openCommandWhileOpenOnlyRaisesTheDialog();
    void acceptingMakesTheChosenFileActive();
    void acceptingWithoutAFileKeepsTheFolderAndSeparator_data();
    void acceptingWithoutAFileKeepsTheFolderAndSeparator();
    void cancellingChangesNothingButTheCount();
    void savesACopyUnderTheNameTyped_data();
    void savesACopyUnderTheNameTyped();
    void savingReplacesAnExistingFile();
    void savingCopiesAnOpenedFileByItsFullPath();
    void blankNameCancelAndCloseBoxCopyNothing_data();
    void blankNameCancelAndCloseBoxCopyNothing();
    void failedCopyIsReportedAndDamagesNothing_data();
    void failedCopyIsReportedAndDamagesNothing();
    void unreadableDrivesAskRetryOrCancel();
};

namespace {

const QByteArray
    sunRecords("\" EL SOL \",\" ES UNA ESTRELLA \"\r\n\" ES UNA ESTRELLA \",\" EL SOL \"\r\n");

} // namespace

void TestFileCommands::openCommandMarksTheTableNotLoaded()
{
    EngineSession session(numberedRecords(4));
    QCOMPARE(session.rig.view.countLabel, u" 4"_s);
    session.rig.engine.abre_Click();
    QVERIFY(session.rig.view.openDialogShown);
    QCOMPARE(session.rig.engine.state().dialogFontName, u"Tahoma"_s);
    QCOMPARE(session.rig.engine.state().table.recordCount, 0);
    QCOMPARE(session.rig.view.countLabel, u"??"_s);
    QCOMPARE(session.rig.engine.state().displayedCount, 4);
    QCOMPARE(session.added(), QString());
}

void TestFileCommands::openCommandWhileOpenOnlyRaisesTheDialog()
{
    EngineSession session(numberedRecords(4));
    session.rig.engine.abre_Click();
    session.ask(QString()); // a question reloads while the dialog stays open
    QCOMPARE(session.rig.view.countLabel, u" 4"_s);
    session.rig.engine.abre_Click();
    QCOMPARE(session.rig.view.openDialogLoads, 1);
    QCOMPARE(session.rig.view.countLabel, u"??"_s);
    QCOMPARE(session.rig.engine.state().table.recordCount, 0);
}

void TestFileCommands::acceptingMakesTheChosenFileActive()
{
    EngineSession session;
    QVERIFY(QDir().mkdir(u"DATOS"_s));
    session.folder.write(u"DATOS/MEDICINA.alm"_s, sunRecords);
    const QString folder = session.folder.filePath(u"DATOS"_s);
    session.rig.engine.abre_Click();
    session.markTranscript();
    session.rig.engine.Formopen_Command1_Click(folder, u"MEDICINA.alm"_s);

    const QString chosen = folder + u"/MEDICINA.alm"_s;
    QCOMPARE(session.rig.engine.state().activeFileName, chosen);
    QCOMPARE(session.rig.view.knowledgeFileBox, chosen);
    QCOMPARE(session.added(), u"\r\n$ abriendo base de conocimientos "_s + chosen +
                                  u" ...\r\n\r\n:) ESTOY LISTO PARA UNA SESION.\r\n"_s);
    QCOMPARE(session.rig.engine.state().selectedFileName, QString());
    QVERIFY(!session.rig.view.openDialogShown);
    QCOMPARE(session.rig.view.countLabel, u"??"_s);
    // The dialog is hidden before the window shows the new name.
    QVERIFY(session.rig.log.indexOf(u"openDialog:close"_s) <
            session.rig.log.indexOf(u"text3:"_s + chosen));

    // The next question reads the chosen file; the next statement goes there.
    session.rig.random.script({ScriptedRandom::forSlot(1)});
    session.markTranscript();
    session.ask(u"QUE SABES DEL SOL"_s);
    QVERIFY(session.added().contains(u":) TENGO ENTENDIDO QUE EL SOL ES UNA ESTRELLA "_s));
    QCOMPARE(session.rig.view.countLabel, u" 2"_s);
    session.learn(u"LA LUNA ES UN SATELITE"_s);
    QVERIFY(session.folder.read(u"DATOS/MEDICINA.alm"_s).endsWith("\" LA LUNA \"\r\n"));
    QVERIFY(!QFile::exists(u"default.alm"_s));
}

void TestFileCommands::acceptingWithoutAFileKeepsTheFolderAndSeparator_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("name");
    QTest::addRow("a folder") << u"/var/datos"_s << u"/var/datos/"_s;
    QTest::addRow("the root doubles the separator") << u"/"_s << u"//"_s;
    QTest::addRow("outer blanks trimmed") << u" /var/datos"_s << u"/var/datos/"_s;
}

void TestFileCommands::acceptingWithoutAFileKeepsTheFolderAndSeparator()
{
    QFETCH(QString, folder);
    QFETCH(QString, name);
    EngineSession session;
    session.rig.engine.abre_Click();
    session.rig.engine.Formopen_Command1_Click(folder, QString());
    QCOMPARE(session.rig.engine.state().activeFileName, name);
    QCOMPARE(session.rig.view.knowledgeFileBox, name);
}

void TestFileCommands::cancellingChangesNothingButTheCount()
{
    EngineSession session(numberedRecords(2));
    session.rig.engine.abre_Click();
    session.rig.engine.Formopen_Command2_Click();
    QCOMPARE(session.rig.engine.state().activeFileName, u"default.alm"_s);
    QCOMPARE(session.rig.view.knowledgeFileBox, u"default.alm"_s);
    QCOMPARE(session.rig.engine.state().selectedFileName, QString());
    QCOMPARE(session.rig.view.countLabel, u"??"_s);
    QCOMPARE(session.added(), QString());
    QVERIFY(!session.rig.view.openDialogShown);
}

void TestFileCommands::savesACopyUnderTheNameTyped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("destination");
    QTest::addRow("no extension") << u"NOTAS"_s << u"NOTAS.alm"_s;
    QTest::addRow("extension in capitals") << u"NOTAS.ALM"_s << u"NOTAS.ALM"_s;
    QTest::addRow("other extension after it") << u"NOTAS.alm.txt"_s << u"NOTAS.alm.txt.alm"_s;
    QTest::addRow("shorter than the extension") << u"A"_s << u"A.alm"_s;
    QTest::addRow("outer blanks") << u"  NOTAS  "_s << u"NOTAS.alm"_s;
}

void TestFileCommands::savesACopyUnderTheNameTyped()
{
    QFETCH(QString, typed);
    QFETCH(QString, destination);
    EngineSession session(sunRecords);
    QVERIFY(QDir().mkdir(u"DATOS"_s));
    const QString folder = session.folder.filePath(u"DATOS"_s);
    session.rig.view.onSaveDialog = [&] {
        QCOMPARE(session.rig.engine.state().saveConfirmed, 0);
        session.rig.engine.Formsave_Command1_Click(folder, typed);
    };
    session.rig.engine.guar_Click();

    QCOMPARE(session.rig.engine.state().selectedFileName, folder + u'/' + destination);
    QCOMPARE(session.rig.engine.state().saveConfirmed, 1);
    QCOMPARE(session.folder.read(u"DATOS/"_s + destination), sunRecords);
    const QString source = QDir::currentPath() + u"/default.alm"_s;
    QCOMPARE(session.rig.engine.state().activeFileName, source);
    QCOMPARE(session.rig.view.knowledgeFileBox, source);
    QCOMPARE(session.rig.view.countLabel, u"??"_s);
    QCOMPARE(session.rig.engine.state().table.recordCount, 0);
    QCOMPARE(session.added(), QString());
    QCOMPARE(session.file(), sunRecords);
    QCOMPARE(session.rig.log.starting(u"saveDialog:"_s),
             (QStringList{u"saveDialog:run"_s, u"saveDialog:close"_s, u"saveDialog:done"_s}));
}

void TestFileCommands::savingReplacesAnExistingFile()
{
    EngineSession session(sunRecords);
    session.folder.write(u"OTRO.alm"_s, "old contents\r\n");
    session.rig.view.onSaveDialog = [&] {
        session.rig.engine.Formsave_Command1_Click(QDir::currentPath(), u"OTRO"_s);
    };
    session.rig.engine.guar_Click();
    QCOMPARE(session.folder.read(u"OTRO.alm"_s), sunRecords);
}

void TestFileCommands::savingCopiesAnOpenedFileByItsFullPath()
{
    EngineSession session;
    QVERIFY(QDir().mkdir(u"DATOS"_s));
    session.folder.write(u"DATOS/MEDICINA.alm"_s, sunRecords);
    const QString opened = session.folder.filePath(u"DATOS/MEDICINA.alm"_s);
    session.rig.engine.abre_Click();
    session.rig.engine.Formopen_Command1_Click(session.folder.filePath(u"DATOS"_s),
                                               u"MEDICINA.alm"_s);
    session.rig.view.onSaveDialog = [&] {
        session.rig.engine.Formsave_Command1_Click(session.folder.path(), u"COPIA"_s);
    };
    session.rig.engine.guar_Click();
    QCOMPARE(session.rig.engine.state().activeFileName, opened);
    QCOMPARE(session.folder.read(u"COPIA.alm"_s), sunRecords);
}

void TestFileCommands::blankNameCancelAndCloseBoxCopyNothing_data()
{
    QTest::addColumn<int>("how"); // 0 blank name, 1 cancel, 2 close box
    QTest::addRow("blank name") << 0;
    QTest::addRow("cancel") << 1;
    QTest::addRow("close box") << 2;
}

void TestFileCommands::blankNameCancelAndCloseBoxCopyNothing()
{
    QFETCH(int, how);
    EngineSession session(sunRecords);
    session.rig.view.onSaveDialog = [&] {
        if (how == 0)
            session.rig.engine.Formsave_Command1_Click(QDir::currentPath(), u"   "_s);
        else if (how == 1)
            session.rig.engine.Formsave_Command2_Click();
    };
    const QStringList before = QDir().entryList(QDir::Files);
    session.rig.engine.guar_Click();
    QCOMPARE(QDir().entryList(QDir::Files), before);
    QCOMPARE(session.rig.engine.state().saveConfirmed, 0);
    QCOMPARE(session.rig.view.countLabel, u"??"_s);
    QCOMPARE(session.rig.engine.state().activeFileName, u"default.alm"_s);
    QCOMPARE(session.rig.view.knowledgeFileBox, u"default.alm"_s);
    QCOMPARE(session.added(), QString());
}

void TestFileCommands::failedCopyIsReportedAndDamagesNothing_data()
{
    QTest::addColumn<QByteArray>("source"); // default.alm, none when null
    QTest::addColumn<QString>("folder");    // relative to the test folder
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("reason");
    QTest::addRow("source missing") << QByteArray() << QString() << u"COPIA"_s << u"no existe"_s;
    QTest::addRow("onto itself") << sunRecords << QString() << u"default"_s
                                 << u"es el mismo archivo"_s;
    QTest::addRow("folder missing") << sunRecords << u"NO/EXISTE"_s << u"COPIA"_s << u"no existe"_s;
    QTest::addRow("a folder of that name")
        << sunRecords << QString() << u"CARPETA.alm"_s << u"es una carpeta"_s;
}

void TestFileCommands::failedCopyIsReportedAndDamagesNothing()
{
    QFETCH(QByteArray, source);
    QFETCH(QString, folder);
    QFETCH(QString, typed);
    QFETCH(QString, reason);

    EngineSession session(source);
    QVERIFY(QDir().mkdir(u"CARPETA.alm"_s));
    const QString destinationFolder =
        folder.isEmpty() ? session.folder.path() : session.folder.filePath(folder);
    session.rig.view.onSaveDialog = [&] {
        session.rig.engine.Formsave_Command1_Click(destinationFolder, typed);
    };
    session.rig.engine.guar_Click();

    const DialogueState &state = session.rig.engine.state();
    QCOMPARE(session.added(), u"$ No se ha podido copiar "_s + state.activeFileName + u" en "_s +
                                  state.selectedFileName + u": "_s + reason + u"\r\n"_s);
    QCOMPARE(session.file(), source);
    QCOMPARE(session.rig.view.countLabel, u"??"_s);
    QCOMPARE(QDir().entryList(QDir::Files | QDir::Hidden),
             source.isNull() ? QStringList() : QStringList{u"default.alm"_s});
}

void TestFileCommands::unreadableDrivesAskRetryOrCancel()
{
    EngineSession session;
    session.rig.messages.answers = {MessageAnswer::Retry, MessageAnswer::Cancel};
    QCOMPARE(session.rig.engine.reportUnreadableDrive(FileDialog::Open, u"/media/cd"_s),
             MessageAnswer::Retry);
    QCOMPARE(session.rig.engine.reportUnreadableDrive(FileDialog::Save, u"/media/cd"_s),
             MessageAnswer::Cancel);
    const QList<MessageBoxSpec> &shown = session.rig.messages.shown;
    QCOMPARE(shown.size(), 2);
    QCOMPARE(shown[0].text, u"No es posible leer en la Unidad /MEDIA/CD\r\rAsegúrese que la "
                            u"Unidad esté cerrada"_s);
    QCOMPARE(shown[1].text, u"No está disponible la Unidad /MEDIA/CD\r\rAsegúrese que la Unidad "
                            u"esté cerrada"_s);
    for (const MessageBoxSpec &box : shown) {
        QCOMPARE(box.title, u"Adevertencia! - Parvelix Suite PRO"_s);
        QCOMPARE(box.icon, MessageBoxSpec::Icon::Exclamation);
        QCOMPARE(box.buttons, MessageBoxSpec::Buttons::RetryCancel);
    }
}

QTEST_GUILESS_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
