// libFuzzer entry point for the record reader and writer. Built with
// -fsanitize=fuzzer as fuzz_records, and into tst_recordseeds, which feeds it
// the seed corpus in the ordinary test build. Any broken property aborts
// with a message, which both treat as a failure.
//
// On any bytes:
// - the reader stops, and every field it reports lies inside the bytes, in
//   order, and decodes to one character per byte;
// - the code page round trip gives back every byte;
// - where the tools accept the bytes as one record per line, sorting the
//   lines and removing repeated ones leaves what the program reads the same
//   records (the same set, for the repeated ones).
// From the same bytes, cut at double quotes into field texts:
// - records written by formatRecordLine read back exactly, whatever follows.

#include "knowledge/knowledgelines.h"
#include "knowledge/recordformat.h"
#include "knowledge/windows1252.h"

#include <QList>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

using namespace teskaro;

void check(bool holds, const char *property)
{
    if (holds)
        return;
    std::fprintf(stderr, "fuzz_records: property broken: %s\n", property);
    std::abort();
}

struct Reading
{
    QList<KnowledgeRecord> records;
    RecordReader::Result ending = RecordReader::Result::End;
};

Reading readAll(QByteArrayView bytes)
{
    Reading reading;
    RecordReader reader(bytes);
    RecordReader::Field topic;
    RecordReader::Field statement;
    qsizetype lastEnd = 0;
    for (qsizetype calls = 1;; ++calls) {
        check(calls <= bytes.size() + 1, "the reader stops");
        reading.ending = reader.next(topic, statement);
        if (reading.ending != RecordReader::Result::Record)
            break;
        check(topic.start >= lastEnd && topic.length >= 0, "topic after the last field");
        check(topic.start + topic.length <= statement.start, "statement after its topic");
        check(statement.length >= 0 && statement.start + statement.length <= bytes.size(),
              "statement inside the bytes");
        lastEnd = statement.start + statement.length;
        KnowledgeRecord record{decodeWindows1252(reader.bytesOf(topic)),
                               decodeWindows1252(reader.bytesOf(statement))};
        check(record.topic.size() == topic.length && record.statement.size() == statement.length,
              "one character per byte");
        reading.records += std::move(record);
    }
    return reading;
}

QList<KnowledgeRecord> sorted(QList<KnowledgeRecord> records)
{
    std::sort(records.begin(), records.end(), [](const auto &left, const auto &right) {
        return std::tie(left.topic, left.statement) < std::tie(right.topic, right.statement);
    });
    return records;
}

void readsAnyBytes(QByteArrayView bytes)
{
    const Reading reading = readAll(bytes);
    check(encodeWindows1252(decodeWindows1252(bytes)) == bytes, "code page round trip");

    // The tools move whole lines; what the program reads must not change.
    KnowledgeLines lines = parseKnowledgeLines(bytes.toByteArray());
    if (!lines.ok)
        return;
    check(reading.ending == RecordReader::Result::End, "accepted lines read whole");
    sortSpanish(lines.lines);
    const Reading afterSort = readAll(joinKnowledgeLines(lines.lines));
    check(afterSort.ending == RecordReader::Result::End, "sorted lines read whole");
    check(sorted(afterSort.records) == sorted(reading.records), "sorting keeps every record");

    removeRepeated(lines.lines);
    QList<KnowledgeRecord> unique = sorted(reading.records);
    unique.erase(std::unique(unique.begin(), unique.end()), unique.end());
    check(sorted(readAll(joinKnowledgeLines(lines.lines)).records) == unique,
          "removing repeated records keeps one of each");
}

// The first byte chooses how many records to write (1 to 8) and whether the
// fields get the learning writer's padding; the rest, cut at double quotes
// (which no field may hold), gives the field texts.
void writtenRecordsReadBack(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return;
    const auto flags = uchar(bytes.front());
    const int count = 1 + (flags & 7);
    const bool padded = (flags & 8) != 0;
    const QList<QByteArrayView> pieces = [&] {
        QList<QByteArrayView> cut;
        QByteArrayView rest = bytes.sliced(1);
        for (qsizetype quote; (quote = rest.indexOf('"')) >= 0; rest = rest.sliced(quote + 1))
            cut += rest.first(quote);
        cut += rest;
        return cut;
    }();

    QList<KnowledgeRecord> written;
    QByteArray text;
    for (int i = 0; i < count; ++i) {
        QString topic = decodeWindows1252(pieces.value(2 * i));
        QString statement = decodeWindows1252(pieces.value(2 * i + 1));
        if (padded) {
            topic = paddedField(topic);
            statement = paddedField(statement);
        }
        written += KnowledgeRecord{topic, statement};
        text += formatRecordLine(written.last());
    }
    const Reading reading = readAll(text);
    check(reading.ending == RecordReader::Result::End, "written records read whole");
    check(reading.records == written, "written records read back exactly");

    // Whatever a file holds after them cannot change them.
    const Reading followed = readAll(text + bytes.toByteArray());
    check(followed.records.mid(0, count) == written, "later bytes leave earlier records alone");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    readsAnyBytes(bytes);
    writtenRecordsReadBack(bytes);
    return 0;
}
