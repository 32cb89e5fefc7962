#include "support/testfolder.h"
#include "support/windowrig.h"
#include "ui/folderbrowser.h"
#include "ui/opendialog.h"
#include "ui/savedialog.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>

using namespace Qt::StringLiterals;
using namespace teskaro;
using namespace teskaro::testing;

class TestFileDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void openDialogShowsItsControls();
    void openDialogListsKnowledgeFilesOnly();
    void choosingAFileMakesItActive();
    void doubleClickAccepts();
    void acceptingWithNoFileSelected();
    void cancelAndCloseBoxChangeNothing();
    void openCommandAgainRaisesTheSameDialog();
    void saveDialogCopiesUnderTheTypedName_data();
    void saveDialogCopiesUnderTheTypedName();
    void saveDialogPicksAnExistingNameAndLightsTheNameBox();
    void saveDialogWithBlankNameCopiesNothing();
    void unreadableDriveAsksUntilCancelledThenGoesToTheRoot();
};

namespace {

const QByteArray
    sun("\" EL SOL \",\" ES UNA ESTRELLA \"\r\n\" ES UNA ESTRELLA \",\" EL SOL \"\r\n");

QStringList listedFiles(const FolderBrowser *browser)
{
    QStringList names;
    const QAbstractItemModel *model = browser->fileList()->model();
    const QModelIndex root = browser->fileList()->rootIndex();
    for (int row = 0; row < model->rowCount(root); ++row)
        names += model->index(row, 0, root).data().toString();
    names.sort();
    return names;
}

OpenDialog *openTheDialog(WindowRig &rig)
{
    rig.window.action(u"abre"_s)->trigger();
    return rig.window.openDialog();
}

// Runs the save-as command, acting in the modal dialog while it is up.
void runSaveAs(WindowRig &rig, const std::function<void(SaveDialog *)> &act)
{
    bool acted = false;
    QTimer::singleShot(0, &rig.window, [&] {
        SaveDialog *dialog = rig.window.saveDialog();
        QVERIFY(dialog);
        act(dialog);
        acted = true;
        if (rig.window.saveDialog())
            dialog->reject();
    });
    rig.window.action(u"guar"_s)->trigger();
    QVERIFY(acted);
}

} // namespace

void TestFileDialogs::openDialogShowsItsControls()
{
    TestFolder folder;
    WindowRig rig;
    OpenDialog *dialog = openTheDialog(rig);
    QVERIFY(dialog && dialog->isVisible());
    QVERIFY(!dialog->isModal());
    QCOMPARE(dialog->objectName(), u"Formopen"_s);
    QCOMPARE(dialog->windowTitle(), u" TESKARO - Abrir archivo de conocimientos..."_s);
    QCOMPARE(dialog->findChild<QGroupBox *>(u"Frame2"_s)->title(),
             u"Seleccione la base de conocimientos a utilizar"_s);
    QCOMPARE(dialog->findChild<QPushButton *>(u"Command1"_s)->text(), u"&Abrir"_s);
    QCOMPARE(dialog->findChild<QPushButton *>(u"Command2"_s)->text(), u"&Cancelar"_s);
    QCOMPARE(dialog->findChild<QLabel *>(u"Label2"_s)->text(),
             u"TESKARO - Sistema Experto de Consultas"_s);
    QCOMPARE(dialog->findChild<QLabel *>(u"Label3"_s)->text(),
             u"TESKARO - Sistema Experto de Consultas"_s);
    QCOMPARE(dialog->findChild<QLabel *>(u"Label1"_s)->text(),
             u"      Los archivos de conocimientos constituyen la base del Sistema Experto "
             u"TESKARO. Continen la información aprendida por el Sistema [Modo Aprendizaje] que "
             u"será interpretada por éste para efectuar las consultas [Modo consulta]"_s);
    for (const QString &name : {u"Drive1"_s, u"Dir1"_s, u"File1"_s, u"Frame1"_s, u"Image4"_s})
        QVERIFY2(dialog->findChild<QWidget *>(name), qPrintable(name));
    QCOMPARE(dialog->findChild<QPushButton *>(u"Command1"_s)->font().family(), u"Tahoma"_s);
    QCOMPARE(dialog->browser()->folderPath(), QDir::currentPath());
    QCOMPARE(dialog->browser()->drive().left(1), u"/"_s);
    // The working folder is shown, not only chosen.
    auto *folders = dialog->findChild<QTreeView *>(u"Dir1"_s);
    QTRY_VERIFY(folders->viewport()->rect().contains(folders->visualRect(folders->currentIndex())));
    QCOMPARE(rig.child<QLabel>(u"Label22"_s)->text(), u"??"_s);
    dialog->findChild<QPushButton *>(u"Command2"_s)->click();
}

void TestFileDialogs::openDialogListsKnowledgeFilesOnly()
{
    TestFolder folder;
    folder.write(u"uno.alm"_s, sun);
    folder.write(u"DOS.ALM"_s, sun);
    folder.write(u"notas.txt"_s, "x");
    folder.write(u"alm"_s, "x");
    QVERIFY(QDir().mkdir(u"carpeta.alm"_s));
    WindowRig rig;
    OpenDialog *dialog = openTheDialog(rig);
    QTRY_COMPARE(listedFiles(dialog->browser()), (QStringList{u"DOS.ALM"_s, u"uno.alm"_s}));
    dialog->close();
}

void TestFileDialogs::choosingAFileMakesItActive()
{
    TestFolder folder;
    QVERIFY(QDir().mkdir(u"DATOS"_s));
    folder.write(u"DATOS/MEDICINA.alm"_s, sun);
    WindowRig rig;
    OpenDialog *dialog = openTheDialog(rig);
    const QString datos = folder.filePath(u"DATOS"_s);
    dialog->browser()->setFolderPath(datos);
    QTRY_COMPARE(listedFiles(dialog->browser()), QStringList{u"MEDICINA.alm"_s});
    dialog->browser()->selectFile(u"MEDICINA.alm"_s);
    QPointer<OpenDialog> watched(dialog);
    dialog->findChild<QPushButton *>(u"Command1"_s)->click();

    const QString chosen = datos + u"/MEDICINA.alm"_s;
    QCOMPARE(rig.engine.state().activeFileName, chosen);
    QCOMPARE(rig.child<QLineEdit>(u"Text3"_s)->text(), chosen);
    QVERIFY(rig.transcript().endsWith(u"\n$ abriendo base de conocimientos "_s + chosen +
                                      u" ...\n\n:) ESTOY LISTO PARA UNA SESION.\n"_s));
    QVERIFY(!rig.window.openDialog());
    QTRY_VERIFY(watched.isNull());
    QCOMPARE(rig.child<QLabel>(u"Label22"_s)->text(), u"??"_s);
}

void TestFileDialogs::doubleClickAccepts()
{
    TestFolder folder;
    folder.write(u"otra.alm"_s, sun);
    WindowRig rig;
    OpenDialog *dialog = openTheDialog(rig);
    QTRY_COMPARE(listedFiles(dialog->browser()), QStringList{u"otra.alm"_s});
    QListView *files = dialog->browser()->fileList();
    const QModelIndex first = files->model()->index(0, 0, files->rootIndex());
    files->setCurrentIndex(first);
    Q_EMIT files->doubleClicked(first);
    QCOMPARE(rig.engine.state().activeFileName, folder.filePath(u"otra.alm"_s));
}

void TestFileDialogs::acceptingWithNoFileSelected()
{
    TestFolder folder;
    WindowRig rig;
    OpenDialog *dialog = openTheDialog(rig);
    dialog->browser()->setFolderPath(u"/"_s);
    dialog->findChild<QPushButton *>(u"Command1"_s)->click();
    QCOMPARE(rig.engine.state().activeFileName, u"//"_s);
}

void TestFileDialogs::cancelAndCloseBoxChangeNothing()
{
    TestFolder folder;
    folder.write(u"default.alm"_s, sun);
    WindowRig rig;
    const QString before = rig.transcript();
    openTheDialog(rig)->findChild<QPushButton *>(u"Command2"_s)->click();
    QVERIFY(!rig.window.openDialog());
    openTheDialog(rig)->close();
    QVERIFY(!rig.window.openDialog());
    QCOMPARE(rig.engine.state().activeFileName, u"default.alm"_s);
    QCOMPARE(rig.child<QLineEdit>(u"Text3"_s)->text(), u"default.alm"_s);
    QCOMPARE(rig.transcript(), before);
    QCOMPARE(rig.child<QLabel>(u"Label22"_s)->text(), u"??"_s);
}

void TestFileDialogs::openCommandAgainRaisesTheSameDialog()
{
    TestFolder folder;
    folder.write(u"default.alm"_s, sun);
    WindowRig rig;
    OpenDialog *first = openTheDialog(rig);
    first->browser()->setFolderPath(u"/"_s);
    rig.engine.conversacion_Click(); // a question reloads while the dialog is open
    QCOMPARE(rig.child<QLabel>(u"Label22"_s)->text(), u" 2"_s);
    OpenDialog *second = openTheDialog(rig);
    QCOMPARE(second, first);
    // Not loaded again: the folder chosen before is still chosen.
    QCOMPARE(second->browser()->folderPath(), u"/"_s);
    QCOMPARE(rig.child<QLabel>(u"Label22"_s)->text(), u"??"_s);
    second->close();
}

void TestFileDialogs::saveDialogCopiesUnderTheTypedName_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("destination");
    QTest::addRow("NOTAS") << u"NOTAS"_s << u"NOTAS.alm"_s;
    QTest::addRow("NOTAS.ALM") << u"NOTAS.ALM"_s << u"NOTAS.ALM"_s;
    QTest::addRow("NOTAS.alm.txt") << u"NOTAS.alm.txt"_s << u"NOTAS.alm.txt.alm"_s;
    QTest::addRow("A") << u"A"_s << u"A.alm"_s;
}

void TestFileDialogs::saveDialogCopiesUnderTheTypedName()
{
    QFETCH(QString, typed);
    QFETCH(QString, destination);
    TestFolder folder;
    folder.write(u"default.alm"_s, sun);
    QVERIFY(QDir().mkdir(u"DATOS"_s));
    WindowRig rig;
    runSaveAs(rig, [&](SaveDialog *dialog) {
        QVERIFY(dialog->isModal());
        QCOMPARE(dialog->objectName(), u"Formsave"_s);
        QCOMPARE(dialog->windowTitle(), u" TESKARO - Guardar archivo de conocimientos ..."_s);
        QCOMPARE(dialog->findChild<QGroupBox *>(u"Frame1"_s)->title(),
                 u"Seleccione ubicación y nombre de archivo para guardar los conocimientos"_s);
        QCOMPARE(dialog->findChild<QLabel *>(u"Label2"_s)->text(), u"Nombre Archivo:"_s);
        QCOMPARE(dialog->findChild<QPushButton *>(u"Command1"_s)->text(), u"&Guardar"_s);
        QCOMPARE(dialog->findChild<QPushButton *>(u"Command2"_s)->text(), u"&Cancelar"_s);
        QCOMPARE(dialog->browser()->fileList()->toolTip(),
                 u" Si selecciona un archivo ya existente machacará las combinaciones que éste "
                 u"tuviera "_s);
        dialog->browser()->setFolderPath(folder.filePath(u"DATOS"_s));
        QTest::keyClicks(dialog->findChild<QLineEdit *>(u"Text1"_s), typed);
        dialog->findChild<QPushButton *>(u"Command1"_s)->click();
    });
    QCOMPARE(folder.read(u"DATOS/"_s + destination), sun);
    const QString source = QDir::currentPath() + u"/default.alm"_s;
    QCOMPARE(rig.engine.state().activeFileName, source);
    QCOMPARE(rig.child<QLineEdit>(u"Text3"_s)->text(), source);
    QCOMPARE(rig.child<QLabel>(u"Label22"_s)->text(), u"??"_s);
    QVERIFY(!rig.window.saveDialog());
}

void TestFileDialogs::saveDialogPicksAnExistingNameAndLightsTheNameBox()
{
    TestFolder folder;
    folder.write(u"default.alm"_s, sun);
    folder.write(u"viejo.alm"_s, "old\r\n");
    WindowRig rig;
    runSaveAs(rig, [&](SaveDialog *dialog) {
        QLineEdit *name = dialog->findChild<QLineEdit *>(u"Text1"_s);
        name->setFocus();
        QTRY_VERIFY(name->hasFocus());
        QCOMPARE(name->palette().color(QPalette::Base), QColor(255, 224, 192));
        dialog->browser()->fileList()->setFocus();
        QTRY_VERIFY(!name->hasFocus());
        QCOMPARE(name->palette().color(QPalette::Base), QColor(Qt::white));

        QTRY_VERIFY(listedFiles(dialog->browser()).contains(u"viejo.alm"_s));
        QListView *files = dialog->browser()->fileList();
        QModelIndex old;
        for (int row = 0; row < files->model()->rowCount(files->rootIndex()); ++row) {
            const QModelIndex index = files->model()->index(row, 0, files->rootIndex());
            if (index.data().toString() == u"viejo.alm"_s)
                old = index;
        }
        Q_EMIT files->clicked(old);
        QCOMPARE(name->text(), u"viejo.alm"_s);
        Q_EMIT files->doubleClicked(old);
    });
    QCOMPARE(folder.read(u"viejo.alm"_s), sun);
}

void TestFileDialogs::saveDialogWithBlankNameCopiesNothing()
{
    TestFolder folder;
    folder.write(u"default.alm"_s, sun);
    WindowRig rig;
    runSaveAs(rig, [&](SaveDialog *dialog) {
        QTest::keyClicks(dialog->findChild<QLineEdit *>(u"Text1"_s), u"   "_s);
        dialog->findChild<QPushButton *>(u"Command1"_s)->click();
    });
    QCOMPARE(QDir().entryList(QDir::Files), QStringList{u"default.alm"_s});
    QCOMPARE(rig.engine.state().saveConfirmed, 0);
    QCOMPARE(rig.child<QLabel>(u"Label22"_s)->text(), u"??"_s);
}

void TestFileDialogs::unreadableDriveAsksUntilCancelledThenGoesToTheRoot()
{
    TestFolder folder;
    WindowRig rig;
    OpenDialog *dialog = openTheDialog(rig);
    rig.messages.answers = {MessageAnswer::Retry, MessageAnswer::Retry, MessageAnswer::Cancel};
    dialog->browser()->setDrive(folder.filePath(u"gone"_s));
    QCOMPARE(rig.messages.shown.size(), 3);
    QCOMPARE(rig.messages.shown.first().text, u"No es posible leer en la Unidad "_s +
                                                  folder.filePath(u"gone"_s).toUpper() +
                                                  u"\r\rAsegúrese que la Unidad esté cerrada"_s);
    QCOMPARE(dialog->browser()->drive(), u"/"_s);
    QCOMPARE(dialog->browser()->folderPath(),
             u"/"_s == QDir::currentPath().left(1) ? QDir::currentPath() : u"/"_s);
    dialog->close();
}

QTEST_MAIN(TestFileDialogs)
#include "tst_filedialogs.moc"
