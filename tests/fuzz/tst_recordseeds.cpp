// Runs the fuzz entry point of fuzz_records.cpp in the ordinary build: on
// every file of the seed corpus, then on mutations of them from a fixed
// seed. A broken property aborts the test with its name.

#include <QDir>
#include <QRandomGenerator>
#include <QTest>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

using namespace Qt::StringLiterals;

class TestRecordSeeds : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void replaysTheSeedCorpus_data();
    void replaysTheSeedCorpus();
    void survivesMutatedSeeds();

private:
    QList<QByteArray> m_seeds;
};

namespace {

void feed(const QByteArray &bytes)
{
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.constData()),
                           size_t(bytes.size()));
}

// Every file of the seed corpus, by name.
QList<std::pair<QString, QByteArray>> seedFiles()
{
    const QDir corpus(qEnvironmentVariable("TESKARO_SOURCE_DIR") + u"/tests/data/records"_s);
    QList<std::pair<QString, QByteArray>> seeds;
    for (const QString &name : corpus.entryList(QDir::Files, QDir::Name)) {
        QFile file(corpus.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            seeds += {name, file.readAll()};
    }
    return seeds;
}

} // namespace

void TestRecordSeeds::initTestCase()
{
    for (const auto &seed : seedFiles())
        m_seeds += seed.second;
    QVERIFY2(m_seeds.size() >= 12, "the seed corpus in tests/data/records is missing");
}

void TestRecordSeeds::replaysTheSeedCorpus_data()
{
    QTest::addColumn<QByteArray>("bytes");
    for (const auto &[name, bytes] : seedFiles())
        QTest::addRow("%s", qPrintable(name)) << bytes;
}

void TestRecordSeeds::replaysTheSeedCorpus()
{
    QFETCH(QByteArray, bytes);
    feed(bytes);
}

// Splices seeds together and overwrites, inserts or drops bytes, mostly with
// the bytes that give a record its structure.
void TestRecordSeeds::survivesMutatedSeeds()
{
    static constexpr char structure[] = {'"',  ',',    '\r',   '\n',   ' ', '\t', 'A',
                                         '\0', '\x81', '\x9d', '\xff', '"', '"',  ','};
    QRandomGenerator random(20240611);
    for (int round = 0; round < 3000; ++round) {
        QByteArray bytes = m_seeds.at(random.bounded(int(m_seeds.size())));
        if (random.bounded(3) == 0)
            bytes += m_seeds.at(random.bounded(int(m_seeds.size())));
        const int edits = 1 + random.bounded(8);
        for (int e = 0; e < edits; ++e) {
            const char byte = random.bounded(4) == 0
                                  ? char(random.bounded(256))
                                  : structure[random.bounded(int(sizeof structure))];
            const int at = bytes.isEmpty() ? 0 : random.bounded(int(bytes.size()));
            switch (random.bounded(3)) {
            case 0:
                bytes.insert(at, byte);
                break;
            case 1:
                if (!bytes.isEmpty())
                    bytes[at] = byte;
                break;
            default:
                bytes.remove(at, random.bounded(4));
                break;
            }
        }
        feed(bytes);
    }
}

QTEST_GUILESS_MAIN(TestRecordSeeds)
#include "tst_recordseeds.moc"
