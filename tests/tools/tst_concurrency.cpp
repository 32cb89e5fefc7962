// Sorting and de-duplicating a knowledge file while another process learns
// into it and a third reads it: nothing learned may be lost, and no read may
// see a broken file.

#include "knowledge/knowledgeloader.h"
#include "knowledge/knowledgewriter.h"
#include "support/testfolder.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QTest>
#include <QTextStream>

#include <iostream>

using namespace Qt::StringLiterals;
using namespace teskaro;
using teskaro::testing::TestFolder;

namespace {

QString subjectOf(int i)
{
    return u" TEMA %1 "_s.arg(i);
}

QString verbOf(int i)
{
    return u" ES EL DATO %1 "_s.arg(i);
}

// Learns `count` statements, one at a time, as the learning handler does,
// printing the number of each once it is on disk.
int appendStatements(const QString &file, int count)
{
    for (int i = 0; i < count; ++i) {
        const AppendOutcome outcome =
            appendRecords(file, {{subjectOf(i), verbOf(i)}, {verbOf(i), subjectOf(i)}});
        if (outcome.status != AppendOutcome::Status::Appended) {
            std::cerr << "append failed: " << qPrintable(outcome.reason) << '\n';
            return 1;
        }
        std::cout << i << std::endl;
    }
    return 0;
}

// Reloads the table until told to stop; prints how many loads saw a broken
// file (a status other than a clean load, or a field not written by us).
int reloadUntilStopped(const QString &file, const QString &stopFile)
{
    int loads = 0;
    int broken = 0;
    while (!QFile::exists(stopFile)) {
        KnowledgeTable table;
        const LoadOutcome outcome = loadKnowledgeTable(file, table);
        ++loads;
        bool ok = outcome.status == LoadOutcome::Status::Loaded;
        for (int row = 0; ok && row < table.recordCount; ++row) {
            for (const QString &field : {table.topicColumn[row], table.statementColumn[row]})
                ok = ok && field.startsWith(u' ') && field.endsWith(u' ') && !field.contains(u'"');
        }
        broken += ok ? 0 : 1;
    }
    std::cout << loads << ' ' << broken << std::endl;
    return 0;
}

} // namespace

class TestConcurrency : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sortAndDuplicateRemovalLoseNothingLearned();
};

void TestConcurrency::sortAndDuplicateRemovalLoseNothingLearned()
{
    const int statements = qEnvironmentVariableIntValue("TESKARO_STRESS_STATEMENTS") > 0
                               ? qEnvironmentVariableIntValue("TESKARO_STRESS_STATEMENTS")
                               : 2000;
    TestFolder folder;
    const QByteArray planted = "\" REPETIDO \",\" ES DOBLE \"\r\n";
    folder.write(u"default.alm"_s, planted + planted + planted);
    const QString file = folder.filePath(u"default.alm"_s);
    const QString stop = folder.filePath(u"stop"_s);
    const QString self = QCoreApplication::applicationFilePath();
    const QString bin = qEnvironmentVariable("TESKARO_BIN_DIR");

    QProcess appender;
    appender.start(self, {u"--append"_s, file, QString::number(statements)});
    QProcess reader;
    reader.start(self, {u"--reload"_s, file, stop});
    QVERIFY(appender.waitForStarted() && reader.waitForStarted());

    int rewrites = 0;
    const QDeadlineTimer deadline(std::chrono::seconds(120));
    // waitForFinished(0) lets the process notice that the appender has ended.
    while (!appender.waitForFinished(0) && !deadline.hasExpired()) {
        for (const QString &tool : {u"teskaro-ordenar"_s, u"repetido"_s}) {
            QProcess run;
            run.start(bin + u'/' + tool, {file});
            QVERIFY(run.waitForFinished(20000));
            QCOMPARE(run.exitCode(), 0);
            ++rewrites;
        }
    }
    QVERIFY(appender.state() == QProcess::NotRunning || appender.waitForFinished(20000));
    QCOMPARE(appender.exitCode(), 0);
    QFile(stop).open(QIODevice::WriteOnly);
    QVERIFY(reader.waitForFinished(20000));

    const QStringList acknowledged =
        QString::fromUtf8(appender.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(acknowledged.size(), statements);
    const QStringList readerReport =
        QString::fromUtf8(reader.readAllStandardOutput()).simplified().split(u' ');
    QCOMPARE(readerReport.value(1), u"0"_s);
    QVERIFY(rewrites > 2);
    qInfo("%d rewrites and %s reads beside %d statements", rewrites,
          qPrintable(readerReport.value(0)), statements);

    KnowledgeTable table;
    QCOMPARE(loadKnowledgeTable(file, table).status, LoadOutcome::Status::Loaded);
    QMap<QPair<QString, QString>, int> seen;
    for (int row = 0; row < table.recordCount; ++row)
        ++seen[{table.topicColumn[row], table.statementColumn[row]}];
    for (int i = 0; i < statements; ++i) {
        QCOMPARE(seen.value({subjectOf(i), verbOf(i)}), 1);
        QCOMPARE(seen.value({verbOf(i), subjectOf(i)}), 1);
    }
    QVERIFY(seen.value({u" REPETIDO "_s, u" ES DOBLE "_s}) >= 1);
    QCOMPARE(table.recordCount, 2 * statements + seen.value({u" REPETIDO "_s, u" ES DOBLE "_s}));
}

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.value(1) == u"--append"_s)
        return appendStatements(arguments.value(2), arguments.value(3).toInt());
    if (arguments.value(1) == u"--reload"_s)
        return reloadUntilStopped(arguments.value(2), arguments.value(3));
    TestConcurrency test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_concurrency.moc"
