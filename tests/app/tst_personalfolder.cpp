#include "personalfolder.h"
#include "support/testfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace teskaro;
using teskaro::testing::TestFolder;

// A start from the desktop menu: ~/Teskaro is made on the first start with the
// installed sample, and what the user keeps there is never replaced.
class TestPersonalFolder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstStartWorksOnACopyOfTheInstalledSample();
    void keepsTheUsersKnowledgeFile_data();
    void keepsTheUsersKnowledgeFile();
    void startsEmptyWithoutAnInstalledSample();
    void staysInTheStartingFolder_data();
    void staysInTheStartingFolder();
};

namespace {

const QByteArray sampleBytes = "\" EL SOL \",\" ES UNA ESTRELLA \"\r\n"
                               "\" ES UNA ESTRELLA \",\" EL SOL \"\r\n";

// An installed tree under `root`: the program's folder and the sample where
// the build installs it, read-only as a packaged file may be.
QString installSample(const QString &root)
{
    const QString programFolder = root + u"/bin"_s;
    const QString sample =
        QDir::cleanPath(programFolder + u'/' + QStringLiteral(TESKARO_SAMPLE_FROM_BINDIR));
    if (!QDir().mkpath(programFolder) || !QDir().mkpath(QFileInfo(sample).path()))
        return {};
    QFile file(sample);
    if (!file.open(QIODevice::WriteOnly) || file.write(sampleBytes) != sampleBytes.size())
        return {};
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    return programFolder;
}

QByteArray contents(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

void TestPersonalFolder::firstStartWorksOnACopyOfTheInstalledSample()
{
    TestFolder start;
    const QString programFolder = installSample(start.filePath(u"usr"_s));
    QVERIFY(!programFolder.isEmpty());
    const QString home = start.filePath(u"home"_s);
    QVERIFY(QDir().mkdir(home));

    qputenv(personalFolderVariable, "1");
    const QString entered = enterPersonalFolderIfAsked(home, programFolder);
    QCOMPARE(entered, home + u"/Teskaro"_s);
    QCOMPARE(QDir::currentPath(), QDir(entered).canonicalPath());
    QVERIFY(!qEnvironmentVariableIsSet(personalFolderVariable));

    QCOMPARE(contents(u"default.alm"_s), sampleBytes);
    // Checked on the permissions, not by opening: root may write anyway.
    QVERIFY2(QFile::permissions(u"default.alm"_s) & QFile::WriteOwner,
             "the copy must take what is learned");
}

void TestPersonalFolder::keepsTheUsersKnowledgeFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("a file") << u"file"_s;
    QTest::newRow("an empty file") << u"empty"_s;
    QTest::newRow("a link to a file elsewhere") << u"link"_s;
    QTest::newRow("a link that leads nowhere") << u"dangling"_s;
}

void TestPersonalFolder::keepsTheUsersKnowledgeFile()
{
    QFETCH(QString, kind);
    TestFolder start;
    start.write(u"sample.alm"_s, sampleBytes);
    const QByteArray users = "\" MI GATO \",\" ES NEGRO \"\r\n";
    start.write(u"elsewhere.alm"_s, users);
    QVERIFY(QDir().mkdir(u"Teskaro"_s));
    const QString knowledge = start.filePath(u"Teskaro/default.alm"_s);
    if (kind == u"file")
        start.write(u"Teskaro/default.alm"_s, users);
    else if (kind == u"empty")
        start.write(u"Teskaro/default.alm"_s, {});
    else if (kind == u"link")
        QVERIFY(QFile::link(start.filePath(u"elsewhere.alm"_s), knowledge));
    else
        QVERIFY(QFile::link(start.filePath(u"missing.alm"_s), knowledge));

    QVERIFY(preparePersonalFolder(start.filePath(u"Teskaro"_s), start.filePath(u"sample.alm"_s)));

    const QFileInfo after(knowledge);
    QCOMPARE(after.isSymLink(), kind == u"link" || kind == u"dangling");
    QCOMPARE(contents(knowledge), kind == u"file" || kind == u"link" ? users : QByteArray());
    QCOMPARE(contents(start.filePath(u"elsewhere.alm"_s)), users);
}

void TestPersonalFolder::startsEmptyWithoutAnInstalledSample()
{
    TestFolder start;
    QVERIFY(preparePersonalFolder(start.filePath(u"Teskaro"_s), start.filePath(u"none.alm"_s)));
    QVERIFY(QFileInfo(start.filePath(u"Teskaro"_s)).isDir());
    QVERIFY(!QFileInfo::exists(start.filePath(u"Teskaro/default.alm"_s)));
}

void TestPersonalFolder::staysInTheStartingFolder_data()
{
    QTest::addColumn<QByteArray>("variable"); // empty: not set
    QTest::addColumn<bool>("folderIsAFile");
    QTest::newRow("started from a terminal") << QByteArray() << false;
    QTest::newRow("variable set to 0") << QByteArray("0") << false;
    QTest::newRow("folder cannot be made") << QByteArray("1") << true;
}

void TestPersonalFolder::staysInTheStartingFolder()
{
    QFETCH(QByteArray, variable);
    QFETCH(bool, folderIsAFile);
    TestFolder start;
    const QString programFolder = installSample(start.filePath(u"usr"_s));
    QVERIFY(!programFolder.isEmpty());
    if (folderIsAFile)
        start.write(u"Teskaro"_s, "not a folder");
    if (variable.isEmpty())
        qunsetenv(personalFolderVariable);
    else
        qputenv(personalFolderVariable, variable);

    QCOMPARE(enterPersonalFolderIfAsked(start.path(), programFolder), QString());
    QCOMPARE(QDir::currentPath(), QDir(start.path()).canonicalPath());
    QCOMPARE(QFileInfo(start.filePath(u"Teskaro"_s)).isDir(), false);
    QVERIFY(!qEnvironmentVariableIsSet(personalFolderVariable));
}

QTEST_GUILESS_MAIN(TestPersonalFolder)
#include "tst_personalfolder.moc"
