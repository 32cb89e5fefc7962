// Random input lines through both interpreters of a real engine, from a
// fixed seed. After every line: the transcript only grew, no line reports
// trouble with the file, the file still loads, and it holds exactly the two
// records of every acknowledged statement, in order, and nothing else.

#include "knowledge/knowledgeloader.h"
#include "knowledge/recordformat.h"
#include "knowledge/windows1252.h"
#include "support/recordingfakes.h"
#include "support/testfolder.h"

#include <QRandomGenerator>
#include <QTest>

#include <array>
#include <memory>
#include <sys/stat.h>

using namespace Qt::StringLiterals;
using namespace teskaro;
using namespace teskaro::testing;

class TestInterpreterFuzz : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void randomLinesKeepEveryAcknowledgedStatement_data();
    void randomLinesKeepEveryAcknowledgedStatement();
    void survivesAMegabyteLine_data();
    void survivesAMegabyteLine();
};

namespace {

// Words both interpreters look for, and some they do not.
const QStringList words = {
    u"ESTA"_s,    u"ESTAN"_s,        u"ES"_s,       u"SON"_s,     u"SABES"_s,
    u"QUE"_s,     u"COMO"_s,         u"CUAL"_s,     u"QUIEN"_s,   u"CUALES"_s,
    u"QUIENES"_s, u"CONOCES"_s,      u"ACERCA"_s,   u"HABLAME"_s, u"SOBRE"_s,
    u"DE"_s,      u"DEL"_s,          u"LOS"_s,      u"LAS"_s,     u"EL"_s,
    u"LA"_s,      u"DONDE"_s,        u"A"_s,        u"TU"_s,      u"MI"_s,
    u"TUS"_s,     u"MIS"_s,          u"TE"_s,       u"ME"_s,      u"UNOS"_s,
    u"UNAS"_s,    u"FIN"_s,          u"SALIR"_s,    u"END"_s,     u"THEN"_s,
    u"VOY"_s,     u"HABLEMOS"_s,     u"INPUT"_s,    u"OUTPUT"_s,  u"HOMBRES"_s,
    u"SOL"_s,     u"LUNA"_s,         u"ESTRELLA"_s, u"PERROS"_s,  u"?"_s,
    u"¿"_s,       u"INTELIGENTES"_s, u"\""_s};

const QStringList copulas = {u"ESTA"_s, u"ESTAN"_s, u"ES"_s, u"SON"_s};

// Whole lines that end the program or switch mode.
const QStringList wholeLines = {u"FIN"_s,          u" fin "_s,  u"ADIOS"_s,  u"SALIR"_s,
                                u"EXIT"_s,         u"QUIT"_s,   u"END"_s,    u"THEN END"_s,
                                u"ME VOY"_s,       u"QUITAR"_s, u"CERRAR"_s, u"HABLEMOS"_s,
                                u"CONVERSACION"_s, u"OUTPUT"_s, u"INPUT"_s,  u"APRENDIZAJE"_s,
                                u" APRENDIZAJE "_s};

// Characters by kind: controls (NUL, CR and LF among them); ASCII; the upper
// half of the code page, its five undefined bytes included; and characters
// beyond it, a lone surrogate of each kind among them.
std::array<QString, 4> characterPools()
{
    std::array<QString, 4> pools;
    for (char16_t c = 0; c < 0x20; ++c)
        pools[0] += QChar(c);
    pools[0] += QChar(0x7F);
    for (char16_t c = 0x20; c < 0x7F; ++c)
        pools[1] += QChar(c);
    QByteArray upperHalf;
    for (int b = 0x80; b < 0x100; ++b)
        upperHalf += char(b);
    pools[2] = decodeWindows1252(upperHalf);
    pools[3] =
        u"ЖжЯяДоброλΩ中文ßŉǅ\u0301\u200B\uFEFF\uFFFD\uFFFF"_s + QChar(0xD800) + QChar(0xDC00);
    return pools;
}

class LineMaker
{
public:
    explicit LineMaker(quint32 seed)
        : m_random(seed)
    {}

    int roll(int below) { return int(m_random.bounded(quint32(below))); }
    template <typename List>
    const auto &pick(const List &list)
    {
        return list[roll(int(list.size()))];
    }

    QString line()
    {
        const int kind = roll(100);
        if (kind < 2)
            return pick(wholeLines);
        if (kind < 4)
            return QString();
        QString line = tokens(1 + roll(6));
        // Many lines are shaped as statements, so that much is learned.
        if (kind < 40)
            line += u' ' + pick(copulas) + u' ' + tokens(roll(6));
        else
            line += tokens(roll(6));
        if (roll(10) == 0)
            line = line.toLower();
        return line;
    }

    QString tokens(int count)
    {
        QString text;
        for (int t = 0; t < count; ++t) {
            text += pick(std::array{u" "_s, u" "_s, u" "_s, u"  "_s, u"\t"_s, QString()});
            text += roll(10) < 6 ? pick(words) : fragment();
        }
        return text;
    }

    QString fragment()
    {
        const QString &chars = pick(m_pools);
        QString text;
        for (int n = 1 + roll(6); n > 0; --n)
            text += chars[roll(int(chars.size()))];
        if (roll(8) == 0)
            text += QString::fromUcs4(std::array{char32_t(0x1F600 + roll(80))}.data(), 1);
        return text;
    }

private:
    QRandomGenerator m_random;
    std::array<QString, 4> m_pools = characterPools();
};

bool reportsFileTrouble(const QString &text)
{
    for (const QString &start : {u"$ No he podido guardar"_s, u"$ No es posible leer"_s,
                                 u"$ La base de conocimientos"_s, u"$ El último registro"_s}) {
        if (text.contains(start))
            return true;
    }
    return false;
}

QString shown(const QString &line)
{
    QString text = line.left(80);
    for (QChar &c : text) {
        if (c.unicode() < 0x20)
            c = u'·';
    }
    return u'«' + text + (line.size() > 80 ? u"…»"_s : u"»"_s);
}

// Engine sessions one after another in one folder: an exit word ends a
// session and the next starts up on the same file.
class Sessions
{
public:
    explicit Sessions(QList<KnowledgeRecord> initial)
        : m_expected(std::move(initial))
    {
        start();
    }

    EngineRig &rig() { return *m_rig; }
    int acknowledged() const { return m_acknowledged; }
    int sessions() const { return m_sessions; }
    int refusedAsFull() const { return m_refusedAsFull; }

    // Types the line (pasted, or key by key through the input filter) and
    // presses Enter, then checks everything.
    void enter(const QString &line, bool typedKeyByKey)
    {
        QString input = line;
        if (typedKeyByKey) {
            for (QChar &c : input)
                c = DialogueEngine::Text2_KeyPress(c);
        }
        m_rig->view.input = input;
        m_rig->engine.pressDefaultButton();
        checkAfter(line);
    }

    void act(LineMaker &maker)
    {
        DialogueEngine &engine = m_rig->engine;
        switch (maker.roll(50)) {
        case 0:
            engine.Option1_Click();
            break;
        case 1:
            engine.consul_Click();
            break;
        case 2:
            engine.inve_Click();
            break;
        case 3:
            engine.Check1_Click(maker.roll(2) == 0);
            break;
        default:
            enter(maker.line(), maker.roll(3) == 0);
            return;
        }
        checkAfter(u"(a menu or option)"_s);
    }

    void checkFile(const QString &after)
    {
        // Learning only appends: a file of the same size, time and inode as
        // at the last check is the file checked then.
        struct stat info
        {};
        const bool exists = ::stat("default.alm", &info) == 0;
        const QByteArray identity = exists
                                        ? QByteArray::number(qint64(info.st_ino)) + ' ' +
                                              QByteArray::number(qint64(info.st_size)) + ' ' +
                                              QByteArray::number(qint64(info.st_mtim.tv_sec)) +
                                              '.' + QByteArray::number(qint64(info.st_mtim.tv_nsec))
                                        : QByteArray();
        if (exists && identity == m_checkedIdentity && m_checkedRecords == m_expected.size())
            return;
        m_checkedIdentity = identity;
        m_checkedRecords = m_expected.size();
        m_reread.recordCount = 0;
        const LoadOutcome outcome = loadKnowledgeTable(u"default.alm"_s, m_reread);
        QVERIFY2(outcome.status == LoadOutcome::Status::Loaded ||
                     (outcome.status == LoadOutcome::Status::Missing && m_expected.isEmpty()),
                 qPrintable(u"the file no longer loads after "_s + shown(after)));
        QVERIFY2(m_reread.recordCount == m_expected.size(),
                 qPrintable(u"%1 records on file, %2 expected, after "_s.arg(m_reread.recordCount)
                                .arg(m_expected.size()) +
                            shown(after)));
        for (int row = 0; row < m_reread.recordCount; ++row) {
            const KnowledgeRecord onFile{m_reread.topicColumn[row], m_reread.statementColumn[row]};
            QVERIFY2(
                onFile == m_expected[row],
                qPrintable(u"record %1 is %2, %3 expected, after "_s.arg(row).arg(
                               shown(onFile.topic + u',' + onFile.statement),
                               shown(m_expected[row].topic + u',' + m_expected[row].statement)) +
                           shown(after)));
        }
    }

private:
    void start()
    {
        m_rig = std::make_unique<EngineRig>();
        m_rig->engine.Form_Load();
        ++m_sessions;
        m_seen.clear();
        QVERIFY2(!m_rig->exit.ended, "start-up failed on a file the program wrote");
        QVERIFY(m_rig->messages.shown.isEmpty());
        checkAfter(u"(start-up)"_s);
    }

    void checkAfter(const QString &line)
    {
        const QString &now = m_rig->view.transcript;
        QVERIFY2(now.startsWith(m_seen),
                 qPrintable(u"the transcript changed after "_s + shown(line)));
        QVERIFY(m_rig->engine.state().transcript == now);
        const QString added = now.mid(m_seen.size());
        m_seen = now;
        QVERIFY2(!reportsFileTrouble(added), qPrintable(shown(line) + u" gave "_s + shown(added)));

        // An acknowledgement ends what the line added; it names the subject
        // of the table row the statement took.
        const DialogueState &state = m_rig->engine.state();
        const QString &learned = state.phrases.learnedPhrases[state.phraseIndex];
        if (!state.replyText.isEmpty() && state.replyText.startsWith(learned) &&
            added.endsWith(state.replyText + u"\r\n"_s)) {
            const int row = state.table.recordCount - 1;
            QVERIFY(row >= 0);
            const QString &subject = state.table.topicColumn[row];
            const QString &verb = state.table.statementColumn[row];
            QCOMPARE(state.replyText, learned + subject + u"... \r\n"_s);
            m_expected += {paddedField(subject), paddedField(verb)};
            m_expected += {paddedField(trimBlanks(verb)), paddedField(subject)};
            ++m_acknowledged;
        }
        if (added.contains(u":( MI BASE DE CONOCIMIENTOS ESTA LLENA"_s))
            ++m_refusedAsFull;
        checkFile(line);
        if (QTest::currentTestFailed())
            return;
        if (m_rig->exit.ended) {
            QCOMPARE(m_rig->exit.status, 0);
            start();
        }
    }

    std::unique_ptr<EngineRig> m_rig;
    QList<KnowledgeRecord> m_expected; // every record the file must hold
    QString m_seen;                    // the transcript at the last check
    KnowledgeTable m_reread;
    QByteArray m_checkedIdentity; // of the file at the last full check
    qsizetype m_checkedRecords = -1;
    int m_acknowledged = 0;
    int m_sessions = 0;
    int m_refusedAsFull = 0;
};

QList<KnowledgeRecord> numberedRecordList(int count)
{
    QList<KnowledgeRecord> records;
    for (int i = 0; i < count; ++i)
        records += {u" TOPIC %1 "_s.arg(i), u" STATEMENT %1 "_s.arg(i)};
    return records;
}

} // namespace

void TestInterpreterFuzz::randomLinesKeepEveryAcknowledgedStatement_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("recordsBefore"); // numbered records in default.alm at the start
    QTest::addColumn<int>("minimumLearned");
    QTest::addColumn<bool>("fills");
    QTest::addRow("from an empty folder") << 20240611u << 3000 << 0 << 200 << false;
    QTest::addRow("up to the table's capacity") << 7u << 300 << 4985 << 8 << true;
}

void TestInterpreterFuzz::randomLinesKeepEveryAcknowledgedStatement()
{
    QFETCH(quint32, seed);
    QFETCH(int, lines);
    QFETCH(int, recordsBefore);
    QFETCH(int, minimumLearned);
    QFETCH(bool, fills);

    TestFolder folder;
    if (recordsBefore > 0)
        folder.write(u"default.alm"_s, numberedRecords(recordsBefore));
    LineMaker maker(seed);
    auto sessions = std::make_unique<Sessions>(numberedRecordList(recordsBefore));
    for (int n = 0; n < lines && !QTest::currentTestFailed(); ++n)
        sessions->act(maker);
    // The run must have reached what it is meant to exercise.
    QVERIFY2(sessions->acknowledged() >= minimumLearned, "too few statements were learned");
    QCOMPARE(sessions->refusedAsFull() > 0, fills);
    QVERIFY2(sessions->sessions() >= 2, "no exit word ended a session");
}

void TestInterpreterFuzz::survivesAMegabyteLine_data()
{
    QTest::addColumn<bool>("consulting");
    QTest::addColumn<QString>("before"); // typed before the megabyte
    QTest::addColumn<int>("pool");       // 0 to 3 as in characterPools(), -1 letters
    QTest::addRow("a statement") << false << u"EL GIGANTE ES "_s << -1;
    QTest::addRow("a statement of code page characters") << false << u"EL GIGANTE ES "_s << 2;
    QTest::addRow("control characters to learn") << false << QString() << 0;
    QTest::addRow("characters beyond the code page to learn") << false << u"X ES "_s << 3;
    QTest::addRow("a question") << true << u"QUE SABES DEL "_s << -1;
    QTest::addRow("control characters to answer") << true << QString() << 0;
}

void TestInterpreterFuzz::survivesAMegabyteLine()
{
    QFETCH(bool, consulting);
    QFETCH(QString, before);
    QFETCH(int, pool);

    TestFolder folder;
    folder.write(u"default.alm"_s, numberedRecords(3));
    const auto owner = std::make_unique<Sessions>(numberedRecordList(3));
    Sessions &sessions = *owner;
    if (consulting)
        sessions.rig().engine.Option2_Click();
    const QString chars = pool < 0 ? u"ABCDEFGHIJ KLMNOPQRSTUVWXYZ"_s : characterPools()[pool];
    QString line = before;
    QRandomGenerator random(pool + 2);
    while (line.size() < (1 << 20))
        line += chars[random.bounded(int(chars.size()))];
    sessions.enter(line, false);
    if (QTest::currentTestFailed())
        return;
    QVERIFY(sessions.rig().view.transcript.contains(line));

    // What was learned is answered; then the program goes on as before.
    const int learned = sessions.acknowledged();
    QCOMPARE(learned, before.contains(u" ES "_s) ? 1 : 0);
    sessions.rig().engine.Option2_Click();
    const qsizetype mark = sessions.rig().view.transcript.size();
    sessions.enter(u"QUE SABES DEL GIGANTE"_s, false);
    QCOMPARE(sessions.rig().view.transcript.mid(mark).contains(u"EL GIGANTE ES "_s),
             before.contains(u"GIGANTE ES"_s));
    sessions.rig().engine.Option1_Click();
    sessions.enter(u"EL SOL ES UNA ESTRELLA"_s, false);
    QCOMPARE(sessions.acknowledged(), learned + 1);
}

QTEST_GUILESS_MAIN(TestInterpreterFuzz)
#include "tst_interpreterfuzz.moc"
