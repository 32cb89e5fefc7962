#include "platform/processlauncher.h"
#include "support/testfolder.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace teskaro;
using teskaro::testing::TestFolder;

class TestLauncher : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void findsProgramsWhereWindowsWould();
    void startsWithoutAShellWhateverTheName();
    void reportsAProgramItCannotFind();
};

namespace {

void makeProgram(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\nexit 0\n");
    file.close();
    QVERIFY(file.setPermissions(file.permissions() | QFile::ExeOwner));
}

} // namespace

void TestLauncher::findsProgramsWhereWindowsWould()
{
    TestFolder folder;
    for (const QString &place : {u"own"_s, u"work"_s, u"path1"_s, u"path2"_s})
        QVERIFY(QDir().mkdir(place));
    const QString own = folder.filePath(u"own"_s);
    const QString work = folder.filePath(u"work"_s);
    const QString path = folder.filePath(u"path1"_s) + u':' + folder.filePath(u"path2"_s);

    makeProgram(folder.filePath(u"path2/tool"_s));
    QCOMPARE(DetachedProcessLauncher::locate(u"tool"_s, own, work, path),
             folder.filePath(u"path2/tool"_s));
    makeProgram(folder.filePath(u"work/tool"_s));
    QCOMPARE(DetachedProcessLauncher::locate(u"tool"_s, own, work, path),
             folder.filePath(u"work/tool"_s));
    makeProgram(folder.filePath(u"own/tool"_s));
    QCOMPARE(DetachedProcessLauncher::locate(u"tool"_s, own, work, path),
             folder.filePath(u"own/tool"_s));

    // A file that cannot run is passed over, and so is a folder.
    folder.write(u"path1/plain"_s, "text");
    QVERIFY(QDir().mkdir(u"path2/plain"_s));
    QCOMPARE(DetachedProcessLauncher::locate(u"plain"_s, own, work, path), QString());
}

void TestLauncher::startsWithoutAShellWhateverTheName()
{
    TestFolder folder;
    qputenv("PATH", qEnvironmentVariable("TESKARO_BIN_DIR").toLocal8Bit());
    const QString name = u"mis datos 'uno' \"dos\"; touch hecho > null.alm"_s;
    folder.write(name, "\" A \",\" 1 \"\r\n\" A \",\" 1 \"\r\n");
    DetachedProcessLauncher launcher;
    QVERIFY(launcher.start(u"repetido"_s, {name}));
    QTRY_COMPARE(folder.read(name), QByteArray("\" A \",\" 1 \"\r\n"));
    QCOMPARE(QDir().entryList(QDir::Files | QDir::Hidden), QStringList{name});
}

void TestLauncher::reportsAProgramItCannotFind()
{
    TestFolder folder;
    qputenv("PATH", folder.path().toLocal8Bit());
    DetachedProcessLauncher launcher;
    QVERIFY(!launcher.start(u"no-such-program"_s, {}));
}

QTEST_GUILESS_MAIN(TestLauncher)
#include "tst_launcher.moc"
