// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer entry point (fuzz_records: clang, -DTESKARO_FUZZ=ON). Any bytes:
// fields in order inside them, a character a byte; the code page gives each
// byte back; sorting and removing repeated records keep what the program
// reads. A broken property aborts.

#include "knowledge/knowledgelines.h"
#include "knowledge/recordformat.h"
#include "knowledge/windows1252.h"

#include <QDir>

#include <cstdio>
#include <cstdlib>

using namespace teskaro;

namespace {

void check(bool holds, const char *property)
{
    if (!holds) {
        std::fprintf(stderr, "fuzz_records: property broken: %s\n", property);
        std::abort();
    }
}

// The records read, sorted, each as one text, and whether the bytes end with a
// whole one.
std::pair<QStringList, bool> readAll(QByteArrayView bytes)
{
    QStringList records;
    RecordReader reader(bytes);
    RecordReader::Field topic;
    RecordReader::Field statement;
    RecordReader::Result result;
    for (qsizetype end = 0;
         (result = reader.next(topic, statement)) == RecordReader::Result::Record;
         end = statement.start + statement.length) {
        check(topic.start >= end && topic.length >= 0 &&
                  topic.start + topic.length <= statement.start && statement.length >= 0 &&
                  statement.start + statement.length <= bytes.size(),
              "fields in order inside the bytes");
        const QString fields = decodeWindows1252(reader.bytesOf(topic)) + u'|' +
                               decodeWindows1252(reader.bytesOf(statement));
        check(fields.size() == topic.length + 1 + statement.length, "one character per byte");
        // The length keeps "a|b","c" and "a","b|c" apart.
        records += QString::number(topic.length) + u':' + fields;
    }
    records.sort();
    return {records, result == RecordReader::Result::End};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const auto [records, whole] = readAll(bytes);
    check(encodeWindows1252(decodeWindows1252(bytes)) == bytes, "code page round trip");
    KnowledgeLines lines = parseKnowledgeLines(bytes);
    if (lines.ok) {
        check(whole, "accepted lines read whole");
        sortSpanish(lines.lines);
        check(readAll(joinKnowledgeLines(lines.lines)) == std::pair(records, true),
              "sorting keeps every record");
        removeRepeated(lines.lines);
        QStringList unique = records;
        unique.removeDuplicates();
        check(readAll(joinKnowledgeLines(lines.lines)) == std::pair(unique, true),
              "removing repeated records keeps one of each");
    }
    return 0;
}

#ifdef TESKARO_SEED_REPLAY
// tst_recordseeds: the entry point on every file of the seed corpus.
int main()
{
    const QDir corpus(qEnvironmentVariable("TESKARO_SOURCE_DIR") +
                      QStringLiteral("/tests/data/records"));
    const QStringList names = corpus.entryList(QDir::Files);
    check(names.size() >= 12, "the seed corpus in tests/data/records is there");
    for (const QString &name : names) {
        QFile file(corpus.filePath(name));
        const QByteArray seed = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(seed.constData()),
                               size_t(seed.size()));
    }
}
#endif
