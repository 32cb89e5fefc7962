// The outside commands (teskaro-ordenar, repetido and IND.BAT, run as the
// program runs them) on hostile knowledge files, under hostile names and
// from hostile folders. Each either rewrites the file keeping every record
// the program reads, or ends with status 1 and a message naming the reason,
// leaving the file as it was; none hangs.

#include "hostilefiles.h"
#include "knowledge/knowledgeloader.h"
#include "knowledge/record.h"
#include "support/testfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <csignal>
#include <memory>

using namespace Qt::StringLiterals;
using namespace teskaro;
using namespace teskaro::testing;

class TestHostileTools : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void onHostileFiles_data();
    void onHostileFiles();
    void takeAnyNameAndPlace_data();
    void takeAnyNameAndPlace();
    void terminalProgramStartsUpOrStops_data() { addHostileRows(); }
    void terminalProgramStartsUpOrStops();
};

namespace {

struct Run
{
    bool finished = false;
    int status = -1;
    QString err;
};

// Runs the program in the working folder; a positive limit caps the size of
// the files it writes, with SIGXFSZ at its default, as a full disk would.
Run run(const QString &program, const QStringList &arguments, qint64 fileSizeLimit = -1,
        const QByteArray &input = {})
{
    QProcess process;
    if (fileSizeLimit >= 0) {
        process.setChildProcessModifier([fileSizeLimit] {
            std::signal(SIGXFSZ, SIG_DFL);
            rlimit limit{};
            ::getrlimit(RLIMIT_FSIZE, &limit);
            limit.rlim_cur = rlim_t(fileSizeLimit);
            ::setrlimit(RLIMIT_FSIZE, &limit);
        });
    }
    process.start(program, arguments);
    process.write(input);
    process.closeWriteChannel();
    Run result;
    result.finished = process.waitForFinished(60000);
    if (!result.finished) {
        result.err = program + u": "_s + process.errorString();
        process.kill();
        return result;
    }
    result.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

QString binary(const QString &name)
{
    return qEnvironmentVariable("TESKARO_BIN_DIR") + u'/' + name;
}

struct Reading
{
    LoadOutcome::Status status;
    QList<KnowledgeRecord> records;
};

// What the program reads from the file, records sorted.
Reading programReading(const QString &name)
{
    auto table = std::make_unique<KnowledgeTable>();
    Reading reading{loadKnowledgeTable(name, *table).status, {}};
    for (int row = 0; row < table->recordCount; ++row)
        reading.records += {table->topicColumn[row], table->statementColumn[row]};
    std::sort(reading.records.begin(), reading.records.end(), [](const auto &l, const auto &r) {
        return std::tie(l.topic, l.statement) < std::tie(r.topic, r.statement);
    });
    return reading;
}

QStringList temporaryFilesLeft()
{
    return QDir()
        .entryList(QDir::Hidden | QDir::Files | QDir::System | QDir::NoDotAndDotDot)
        .filter(QRegularExpression(u"^\\..*\\.alm\\."_s));
}

const QString hostileFolder = u"carpeta con blancos 'simples' \"dobles\"; Жизнь"_s;
const QString hostileName = u"mi base \"de\" 'datos'; ñandú Жизнь.alm"_s;
const QByteArray unsorted = "\" Z \",\" 1 \"\r\n\" A \",\" 2 \"\r\n\" Z \",\" 1 \"\r\n";

} // namespace

void TestHostileTools::onHostileFiles_data()
{
    QTest::addColumn<int>("hostile");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    for (int i = 0; i < hostileFiles().size(); ++i) {
        const char *tag = hostileFiles()[i].tag;
        QTest::addRow("sort, %s", tag)
            << i << u"teskaro-ordenar"_s << QStringList{u"default.alm"_s};
        QTest::addRow("repetido, %s", tag) << i << u"repetido"_s << QStringList{u"default.alm"_s};
        QTest::addRow("IND.BAT, %s", tag) << i << u"IND.BAT"_s << QStringList();
    }
}

void TestHostileTools::onHostileFiles()
{
    const HostileFile &hostile = fetchHostile();
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    if (ranAsNobody(hostile))
        return;
    TestFolder folder;
    hostile.make(u"default.alm"_s);
    const QByteArray before = fingerprint(u"default.alm"_s);
    const Reading readBefore = programReading(u"default.alm"_s);

    const Run result = run(binary(program), arguments,
                           hostile.diskFull ? QFileInfo(u"default.alm"_s).size() / 4 : -1);
    QVERIFY2(result.finished, qPrintable(result.err));
    if (hostile.toolReason.isEmpty()) {
        QVERIFY2(result.status == 0, qPrintable(result.err));
        const Reading readAfter = programReading(u"default.alm"_s);
        QCOMPARE(readAfter.status, readBefore.status);
        QList<KnowledgeRecord> expected = readBefore.records;
        if (program == u"repetido"_s)
            expected.erase(std::unique(expected.begin(), expected.end()), expected.end());
        QCOMPARE(readAfter.records, expected);
    } else {
        QCOMPARE(result.status, 1);
        QVERIFY2(result.err.contains(u"default.alm: "_s) && result.err.contains(hostile.toolReason),
                 qPrintable(result.err));
        QCOMPARE(fingerprint(u"default.alm"_s), before);
    }
    QCOMPARE(temporaryFilesLeft(), QStringList());
}

void TestHostileTools::takeAnyNameAndPlace_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<bool>("copied"); // run from a copy in a hostile folder
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("result");
    const QByteArray sorted = "\" A \",\" 2 \"\r\n\" Z \",\" 1 \"\r\n\" Z \",\" 1 \"\r\n";
    QTest::addRow("sort, hostile name") << u"teskaro-ordenar"_s << false << hostileName << sorted;
    QTest::addRow("repetido, hostile name") << u"repetido"_s << false << hostileName
                                            << QByteArray("\" Z \",\" 1 \"\r\n\" A \",\" 2 \"\r\n");
    QTest::addRow("IND.BAT in a hostile folder")
        << u"IND.BAT"_s << false << u"default.alm"_s << sorted;
    QTest::addRow("IND.BAT installed in a hostile folder")
        << u"IND.BAT"_s << true << u"default.alm"_s << sorted;
}

void TestHostileTools::takeAnyNameAndPlace()
{
    QFETCH(QString, program);
    QFETCH(bool, copied);
    QFETCH(QString, file);
    QFETCH(QByteArray, result);

    TestFolder root;
    QVERIFY(QDir().mkdir(hostileFolder));
    QVERIFY(QDir::setCurrent(hostileFolder));
    QString path = binary(program);
    if (copied) {
        const QString installed = u"programas; 'ñ' \"x\" Ж"_s;
        QVERIFY(QDir().mkdir(installed));
        for (const QString &name : {u"IND.BAT"_s, u"teskaro-ordenar"_s})
            QVERIFY(QFile::copy(binary(name), installed + u'/' + name));
        path = QDir(installed).absoluteFilePath(program);
    }
    QFile target(file);
    QVERIFY(target.open(QIODevice::WriteOnly));
    target.write(unsorted);
    target.close();

    const Run ran = run(path, file == u"default.alm"_s ? QStringList() : QStringList{file});
    QVERIFY2(ran.finished && ran.status == 0, qPrintable(ran.err));
    QVERIFY(target.open(QIODevice::ReadOnly));
    QCOMPARE(target.readAll(), result);
}

// The whole terminal program, its start-up sort (IND.BAT) running beside it:
// it either starts and ends at an exit word, or shows the fatal message and
// ends with status 1. It never hangs.
void TestHostileTools::terminalProgramStartsUpOrStops()
{
    const HostileFile &hostile = fetchHostile();
    if (ranAsNobody(hostile))
        return;
    if (!QFileInfo(binary(u"teskaro-cli"_s)).isExecutable())
        QSKIP("teskaro-cli has not been built");
    TestFolder folder;
    hostile.make(u"default.alm"_s);
    const Reading before = programReading(u"default.alm"_s);
    const Run result = run(binary(u"teskaro-cli"_s), {},
                           hostile.diskFull ? QFileInfo(u"default.alm"_s).size() / 4 : -1, "FIN\n");
    QVERIFY2(result.finished, qPrintable(result.err));
    QVERIFY2(result.status == (hostile.startsUp ? 0 : 1), qPrintable(result.err));
    if (!hostile.startsUp)
        QVERIFY2(result.err.contains(u"TESKARO ha producido un fallo"_s), qPrintable(result.err));
    // The sort may have put the records in order, never lost one.
    const Reading after = programReading(u"default.alm"_s);
    QCOMPARE(after.status, before.status);
    QCOMPARE(after.records, before.records);
}

QTEST_GUILESS_MAIN(TestHostileTools)
#include "tst_hostiletools.moc"
