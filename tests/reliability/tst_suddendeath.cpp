// teskaro-cli killed with SIGKILL at random moments while it learns a long
// list of statements (its start-up sort running beside it). After every
// kill the file must load, and hold as two whole records every statement
// whose acknowledgement had reached standard output; nothing else may be in
// it but whole statements that were typed.

#include "knowledge/knowledgeloader.h"
#include "support/testfolder.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QRandomGenerator>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using namespace teskaro;
using teskaro::testing::TestFolder;

class TestSuddenDeath : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keepsEveryAcknowledgedStatementThroughKills();
};

namespace {

QString subjectOf(int n)
{
    return u"EL TEMA %1"_s.arg(n);
}

QString verbOf(int n)
{
    return u"ES EL DATO %1"_s.arg(n);
}

// Whether the acknowledgement of statement n is in the output: it names the
// subject phrase, which begins with two blanks, and then "... ".
bool acknowledges(const QString &output, int n)
{
    return output.contains(u"  "_s + subjectOf(n) + u" ... "_s);
}

// Checks the file against what was typed and what was acknowledged.
void checkFile(int typed, const QList<int> &acknowledged, const QString &after)
{
    auto table = std::make_unique<KnowledgeTable>();
    const LoadOutcome outcome = loadKnowledgeTable(u"default.alm"_s, *table);
    QVERIFY2(outcome.status == LoadOutcome::Status::Loaded ||
                 (outcome.status == LoadOutcome::Status::Missing && acknowledged.isEmpty()),
             qPrintable(u"the file does not load "_s + after));

    // Each record found, by the statement it belongs to: 1 for the record
    // itself, 2 for its mirror.
    QHash<int, int> found;
    for (int row = 0; row < table->recordCount; ++row) {
        const QString topic = table->topicColumn[row];
        const QString statement = table->statementColumn[row];
        const bool mirror = topic.startsWith(u" ES EL DATO "_s);
        const int n = (mirror ? statement : topic).mid(9).trimmed().toInt();
        const int part = mirror ? 2 : 1;
        QVERIFY2(n >= 0 && n < typed &&
                     topic == (mirror ? u' ' + verbOf(n) : u' ' + subjectOf(n)) + u' ' &&
                     statement == (mirror ? u' ' + subjectOf(n) : u' ' + verbOf(n)) + u' ' &&
                     (found.value(n) & part) == 0,
                 qPrintable(u"a record that was not typed, or twice: "_s + topic + u',' +
                            statement + u' ' + after));
        found[n] |= part;
    }
    for (auto it = found.cbegin(); it != found.cend(); ++it)
        QVERIFY2(it.value() == 3,
                 qPrintable(u"statement %1 is half on file "_s.arg(it.key()) + after));
    for (int n : acknowledged)
        QVERIFY2(found.value(n) == 3,
                 qPrintable(u"acknowledged statement %1 is missing "_s.arg(n) + after));
}

} // namespace

void TestSuddenDeath::keepsEveryAcknowledgedStatementThroughKills()
{
    const QString program = qEnvironmentVariable("TESKARO_BIN_DIR") + u"/teskaro-cli"_s;
    if (!QFileInfo(program).isExecutable())
        QSKIP("teskaro-cli has not been built");

    TestFolder folder;
    QRandomGenerator random(20240611);
    QList<int> acknowledged;
    int typed = 0;
    constexpr int kills = 10;
    constexpr int perSession = 300;
    for (int kill = 1; kill <= kills; ++kill) {
        QProcess cli;
        cli.setWorkingDirectory(folder.path());
        cli.start(program, {u"--seed"_s, QString::number(kill)});
        QVERIFY2(cli.waitForStarted(), qPrintable(cli.errorString()));
        const int first = typed;
        QByteArray lines;
        for (int n = first; n < first + perSession; ++n)
            lines += (subjectOf(n) + u' ' + verbOf(n) + u'\n').toUtf8();
        cli.write(lines);
        typed += perSession;

        // Half the kills come after a short random pause, during start-up or
        // soon after; the others as soon as a random number of statements
        // has been acknowledged, while the rest are being learned.
        QString output;
        if (kill % 2 == 1) {
            QTest::qWait(random.bounded(30));
        } else {
            const int wanted = first + 1 + random.bounded(perSession - 20);
            const QDeadlineTimer patience(60000);
            while (!acknowledges(output, wanted - 1) && !patience.hasExpired() &&
                   cli.state() == QProcess::Running) {
                cli.waitForReadyRead(100);
                output += QString::fromUtf8(cli.readAllStandardOutput());
            }
        }
        QVERIFY2(cli.state() == QProcess::Running,
                 qPrintable(u"teskaro-cli ended by itself: "_s +
                            QString::fromUtf8(cli.readAllStandardError())));
        cli.kill();
        QVERIFY(cli.waitForFinished(30000));
        output += QString::fromUtf8(cli.readAllStandardOutput());

        for (int n = first; n < typed; ++n) {
            if (acknowledges(output, n))
                acknowledged += n;
        }
        checkFile(typed, acknowledged, u"after kill %1"_s.arg(kill));
        if (QTest::currentTestFailed())
            return;
    }
    QVERIFY2(acknowledged.size() >= kills, "too few statements were acknowledged to tell");
}

QTEST_GUILESS_MAIN(TestSuddenDeath)
#include "tst_suddendeath.moc"
