#include "support/windowrig.h"
#include "ui/folderbrowser.h"
#include "ui/opendialog.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;
using namespace teskaro;
using namespace teskaro::testing;

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void filtersTypedKeys_data();
    void filtersTypedKeys();
    void ctrlAAndCSwitchTheModeFromTheInputLine();
    void learnsThenAnswersTypedInTheWindow();
    void openDialogPassesTheChosenFile();
};

void TestMainWindow::filtersTypedKeys_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("lower case") << u"que sabes"_s << u"QUE SABES"_s;
    QTest::newRow("ñ") << u"españa"_s << u"ESPAÑA"_s;
    QTest::newRow("question marks") << u"¿donde?"_s << u" DONDE "_s;
    QTest::newRow("accented") << u"é"_s << u"é"_s;
}

void TestMainWindow::filtersTypedKeys()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    WindowRig rig;
    // keyClicks sends ASCII only; any character can be the text of a key.
    for (const QChar c : typed)
        QTest::sendKeyEvent(QTest::Click, rig.input(), Qt::Key_unknown, QString(c), Qt::NoModifier);
    QCOMPARE(rig.input()->text(), shown);
}

void TestMainWindow::ctrlAAndCSwitchTheModeFromTheInputLine()
{
    WindowRig rig;
    QLineEdit *line = rig.input();
    QGuiApplication::clipboard()->setText(u"antes"_s);
    QTest::keyClicks(line, u"ABC"_s);
    line->selectAll();
    QTest::keyClick(line, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(rig.engine.session().mode(), Mode::Consultation);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"antes"_s);
    QVERIFY(line->text().isEmpty() && line->hasFocus());
    QTest::keyClick(line, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(rig.engine.session().mode(), Mode::Learning);

    rig.child<QAction>(u"femaleVoice"_s)->trigger();
    QVERIFY(!rig.child<QAction>(u"maleVoice"_s)->isChecked()); // the session chose the other
    QCOMPARE(rig.transcript().count(u"cambiando a modo"_s), 2);
}

void TestMainWindow::learnsThenAnswersTypedInTheWindow()
{
    WindowRig rig;
    rig.typeLine(u"los perros son animales leales"_s);
    QCOMPARE(rig.folder.read(u"default.alm"_s), "\" LOS PERROS \",\" SON ANIMALES LEALES \"\r\n"
                                                "\" SON ANIMALES LEALES \",\" LOS PERROS \"\r\n");
    QTest::keyClick(rig.input(), Qt::Key_C, Qt::ControlModifier);
    rig.typeLine(u"que sabes sobre los perros"_s);
    QVERIFY(rig.transcript().endsWith(u"LOS PERROS SON ANIMALES LEALES \n"_s)); // the answer
    QCOMPARE(rig.transcript(), rig.engine.session().transcript().replace(u"\r\n"_s, u"\n"_s));
    QVERIFY(rig.input()->text().isEmpty());
}

void TestMainWindow::openDialogPassesTheChosenFile()
{
    WindowRig rig;
    rig.folder.write(u"MEDICINA.alm"_s, {});
    QAction *open = rig.child<QAction>(u"openFile"_s);
    open->trigger();
    OpenDialog *dialog = rig.child<OpenDialog>(u"openDialog"_s);
    QCOMPARE(rig.child<QLabel>(u"learnedCount"_s)->text(), u"??"_s);
    dialog->browser()->selectFile(u"MEDICINA.alm"_s);
    open->trigger(); // the same one comes to the front, as it was
    QCOMPARE(rig.window.findChildren<OpenDialog *>().size(), 1);
    dialog->findChild<QPushButton *>(u"openButton"_s)->click();
    const QString chosen = rig.folder.filePath(u"MEDICINA.alm"_s);
    QCOMPARE(rig.engine.session().knowledgeFile(), chosen);
    QVERIFY(rig.transcript().endsWith(u"$ abriendo base de conocimientos "_s + chosen +
                                      u" ...\n\n:) ESTOY LISTO PARA UNA SESION.\n"_s));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
