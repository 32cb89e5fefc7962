#include "knowledge/knowledgefile.h"
#include "knowledge/knowledgeloader.h"
#include "knowledge/knowledgewriter.h"
#include "support/testfolder.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace teskaro;
using teskaro::testing::numberedRecords;
using teskaro::testing::TestFolder;

class TestKnowledgeFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void loadsAnEmptyFile();
    void loadsExactlyTheTableCapacity();
    void stopsAtCapacityAndSaysSo();
    void reportsAnIncompleteLastRecord();
    void shorterReloadLeavesOldRowsBeyondTheCount();
    void missingFileIsNotAnError();
    void folderAndFifoAreUnreadableWithoutHanging();
    void fileWithoutReadPermissionIsUnreadable();
    void appendCreatesTheFileWithTheExactBytes();
    void appendStartsANewLineAfterAnUnfinishedOne();
    void appendRefusesWhatTheTableCouldNotLoad();
    void failedAppendNamesTheReasonAndChangesNothing();
    void appendThatRunsOutOfRoomLeavesNoHalfRecord();
    void rewriteReplacesTheFileThroughARename();
    void rewriteThroughASymbolicLinkKeepsTheLink();
};

void TestKnowledgeFile::loadsAnEmptyFile()
{
    TestFolder folder;
    folder.write(u"k.alm"_s, {});
    KnowledgeTable table;
    QCOMPARE(loadKnowledgeTable(u"k.alm"_s, table).status, LoadOutcome::Status::Loaded);
    QCOMPARE(table.recordCount, 0);
    QCOMPARE(countCaption(table.recordCount), u" 0"_s);
    QCOMPARE(countCaption(12), u" 12"_s);
}

void TestKnowledgeFile::loadsExactlyTheTableCapacity()
{
    TestFolder folder;
    folder.write(u"k.alm"_s, numberedRecords(5001));
    KnowledgeTable table;
    QCOMPARE(loadKnowledgeTable(u"k.alm"_s, table).status, LoadOutcome::Status::Loaded);
    QCOMPARE(table.recordCount, 5001);
    QCOMPARE(table.topicColumn[5000], u" TOPIC 5000 "_s);
    QCOMPARE(table.statementColumn[5000], u" STATEMENT 5000 "_s);
}

void TestKnowledgeFile::stopsAtCapacityAndSaysSo()
{
    TestFolder folder;
    folder.write(u"k.alm"_s, numberedRecords(5002));
    KnowledgeTable table;
    QCOMPARE(loadKnowledgeTable(u"k.alm"_s, table).status, LoadOutcome::Status::Overflow);
    QCOMPARE(table.recordCount, 5001);
    QCOMPARE(table.topicColumn[5000], u" TOPIC 5000 "_s);
}

void TestKnowledgeFile::reportsAnIncompleteLastRecord()
{
    TestFolder folder;
    folder.write(u"k.alm"_s, numberedRecords(3) + "\" ALONE \"\r\n");
    KnowledgeTable table;
    QCOMPARE(loadKnowledgeTable(u"k.alm"_s, table).status, LoadOutcome::Status::Incomplete);
    QCOMPARE(table.recordCount, 3);
}

void TestKnowledgeFile::shorterReloadLeavesOldRowsBeyondTheCount()
{
    TestFolder folder;
    folder.write(u"k.alm"_s, numberedRecords(3));
    KnowledgeTable table;
    loadKnowledgeTable(u"k.alm"_s, table);
    folder.write(u"k.alm"_s, "\" NEW \",\" ROW \"\r\n");
    table.recordCount = 0;
    QCOMPARE(loadKnowledgeTable(u"k.alm"_s, table).status, LoadOutcome::Status::Loaded);
    QCOMPARE(table.recordCount, 1);
    QCOMPARE(table.topicColumn[0], u" NEW "_s);
    QCOMPARE(table.topicColumn[2], u" TOPIC 2 "_s);
}

void TestKnowledgeFile::missingFileIsNotAnError()
{
    TestFolder folder;
    KnowledgeTable table;
    QCOMPARE(loadKnowledgeTable(u"none.alm"_s, table).status, LoadOutcome::Status::Missing);
    QCOMPARE(table.recordCount, 0);
}

void TestKnowledgeFile::folderAndFifoAreUnreadableWithoutHanging()
{
    TestFolder folder;
    QVERIFY(QDir().mkdir(u"folder.alm"_s));
    QVERIFY(::mkfifo("fifo.alm", 0644) == 0);
    KnowledgeTable table;
    const LoadOutcome fromFolder = loadKnowledgeTable(u"folder.alm"_s, table);
    QCOMPARE(fromFolder.status, LoadOutcome::Status::Unreadable);
    QCOMPARE(fromFolder.reason, u"es una carpeta"_s);
    const LoadOutcome fromFifo = loadKnowledgeTable(u"fifo.alm"_s, table);
    QCOMPARE(fromFifo.status, LoadOutcome::Status::Unreadable);
    QCOMPARE(fromFifo.reason, u"no es un archivo normal"_s);
    QCOMPARE(appendRecords(u"fifo.alm"_s, {{u"a"_s, u"b"_s}}).status,
             AppendOutcome::Status::Failed);
}

void TestKnowledgeFile::fileWithoutReadPermissionIsUnreadable()
{
    if (::geteuid() == 0)
        QSKIP("permissions do not bind the superuser");
    TestFolder folder;
    folder.write(u"k.alm"_s, numberedRecords(2));
    QVERIFY(::chmod("k.alm", 0200) == 0);
    KnowledgeTable table;
    const LoadOutcome outcome = loadKnowledgeTable(u"k.alm"_s, table);
    QCOMPARE(outcome.status, LoadOutcome::Status::Unreadable);
    QCOMPARE(outcome.reason, u"permiso denegado"_s);
}

void TestKnowledgeFile::appendCreatesTheFileWithTheExactBytes()
{
    TestFolder folder;
    const AppendOutcome outcome = appendRecords(
        u"new.alm"_s, {{u" EL LIBRO DE NEUROBIOLOGIA "_s, u" ESTA EN EL TRASTERO "_s},
                       {u" ESTA EN EL TRASTERO "_s, u" EL LIBRO DE NEUROBIOLOGIA "_s}});
    QCOMPARE(outcome.status, AppendOutcome::Status::Appended);
    QCOMPARE(folder.read(u"new.alm"_s),
             QByteArray("\" EL LIBRO DE NEUROBIOLOGIA \",\" ESTA EN EL TRASTERO \"\r\n"
                        "\" ESTA EN EL TRASTERO \",\" EL LIBRO DE NEUROBIOLOGIA \"\r\n"));
}

void TestKnowledgeFile::appendStartsANewLineAfterAnUnfinishedOne()
{
    TestFolder folder;
    folder.write(u"k.alm"_s, "\" A \",\" B \"");
    QCOMPARE(appendRecords(u"k.alm"_s, {{u" C "_s, u" D "_s}}).status,
             AppendOutcome::Status::Appended);
    QCOMPARE(folder.read(u"k.alm"_s), QByteArray("\" A \",\" B \"\r\n\" C \",\" D \"\r\n"));
    KnowledgeTable table;
    QCOMPARE(loadKnowledgeTable(u"k.alm"_s, table).status, LoadOutcome::Status::Loaded);
    QCOMPARE(table.recordCount, 2);
}

void TestKnowledgeFile::appendRefusesWhatTheTableCouldNotLoad()
{
    TestFolder folder;
    const QList<KnowledgeRecord> pair{{u" A "_s, u" B "_s}, {u" B "_s, u" A "_s}};
    folder.write(u"full.alm"_s, numberedRecords(5000));
    QCOMPARE(appendRecords(u"full.alm"_s, pair).status, AppendOutcome::Status::Full);
    QCOMPARE(folder.read(u"full.alm"_s), numberedRecords(5000));

    folder.write(u"room.alm"_s, numberedRecords(4999));
    QCOMPARE(appendRecords(u"room.alm"_s, pair).status, AppendOutcome::Status::Appended);
    KnowledgeTable table;
    QCOMPARE(loadKnowledgeTable(u"room.alm"_s, table).status, LoadOutcome::Status::Loaded);
    QCOMPARE(table.recordCount, 5001);
}

void TestKnowledgeFile::failedAppendNamesTheReasonAndChangesNothing()
{
    TestFolder folder;
    QVERIFY(QDir().mkdir(u"folder.alm"_s));
    const AppendOutcome toFolder = appendRecords(u"folder.alm"_s, {{u"a"_s, u"b"_s}});
    QCOMPARE(toFolder.status, AppendOutcome::Status::Failed);
    QCOMPARE(toFolder.reason, u"es una carpeta"_s);

    const AppendOutcome nowhere = appendRecords(u"no/such/folder.alm"_s, {{u"a"_s, u"b"_s}});
    QCOMPARE(nowhere.status, AppendOutcome::Status::Failed);
    QCOMPARE(nowhere.reason, u"no existe"_s);
}

void TestKnowledgeFile::appendThatRunsOutOfRoomLeavesNoHalfRecord()
{
    TestFolder folder;
    const QByteArray before = numberedRecords(2);
    folder.write(u"k.alm"_s, before);

    // A file-size limit stands in for a full disk: the write stops part way.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    ::getrlimit(RLIMIT_FSIZE, &previous);
    rlimit limit = previous;
    limit.rlim_cur = rlim_t(before.size() + 10);
    QVERIFY(::setrlimit(RLIMIT_FSIZE, &limit) == 0);
    const AppendOutcome outcome =
        appendRecords(u"k.alm"_s, {{u" A LONG TOPIC "_s, u" AND ITS STATEMENT "_s}});
    ::setrlimit(RLIMIT_FSIZE, &previous);

    QCOMPARE(outcome.status, AppendOutcome::Status::Failed);
    QCOMPARE(outcome.reason, u"el archivo ha alcanzado el tamaño máximo permitido"_s);
    QCOMPARE(folder.read(u"k.alm"_s), before);
}

void TestKnowledgeFile::rewriteReplacesTheFileThroughARename()
{
    TestFolder folder;
    folder.write(u"k.alm"_s, "old");
    QVERIFY(::chmod("k.alm", 0640) == 0);
    struct stat before
    {};
    ::stat("k.alm", &before);

    const FileWriteOutcome outcome = rewriteKnowledgeFile(
        u"k.alm"_s, [](const QByteArray &old) { return std::optional(old.toUpper() + "!"); });
    QVERIFY(outcome.ok);
    QCOMPARE(folder.read(u"k.alm"_s), QByteArray("OLD!"));
    struct stat after
    {};
    ::stat("k.alm", &after);
    QVERIFY(after.st_ino != before.st_ino);
    QCOMPARE(after.st_mode & 07777, mode_t(0640));
    QCOMPARE(QDir().entryList(QDir::Files | QDir::Hidden), QStringList{u"k.alm"_s});

    QVERIFY(!rewriteKnowledgeFile(u"none.alm"_s, [](const QByteArray &b) {
                 return std::optional(b);
             }).ok);
}

void TestKnowledgeFile::rewriteThroughASymbolicLinkKeepsTheLink()
{
    TestFolder folder;
    folder.write(u"target.alm"_s, "abc");
    QVERIFY(QFile::link(u"target.alm"_s, u"link.alm"_s));
    QVERIFY(rewriteKnowledgeFile(u"link.alm"_s, [](const QByteArray &) {
                return std::optional<QByteArray>("xyz");
            }).ok);
    QVERIFY(QFileInfo(u"link.alm"_s).isSymLink());
    QCOMPARE(folder.read(u"target.alm"_s), QByteArray("xyz"));
}

QTEST_GUILESS_MAIN(TestKnowledgeFile)
#include "tst_knowledgefile.moc"
