#include "knowledgelines.h"

#include "recordformat.h"
#include "spanishorder.h"
#include "windows1252.h"

#include <QSet>

#include <algorithm>

namespace teskaro {

using namespace Qt::StringLiterals;

namespace {

bool isBlank(QByteArrayView line)
{
    return std::all_of(line.begin(), line.end(), [](char c) { return c == ' ' || c == '\t'; });
}

} // namespace

KnowledgeLines parseKnowledgeLines(const QByteArray &bytes)
{
    KnowledgeLines result;
    qsizetype start = 0;
    int lineNumber = 0;
    while (start < bytes.size()) {
        qsizetype end = start;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        const QByteArray line = bytes.sliced(start, end - start);
        ++lineNumber;
        if (end < bytes.size() && bytes[end] == '\r')
            ++end;
        if (end < bytes.size() && bytes[end] == '\n')
            ++end;
        start = end;
        if (isBlank(line))
            continue;

        RecordReader reader(line);
        KnowledgeLine parsed{line, {}};
        KnowledgeRecord rest;
        if (reader.next(parsed.record) != RecordReader::Result::Record ||
            reader.next(rest) != RecordReader::Result::End) {
            result.problem = u"la línea %1 no es un registro completo"_s.arg(lineNumber);
            result.lines.clear();
            return result;
        }
        result.lines += std::move(parsed);
    }
    result.ok = true;
    return result;
}

QByteArray joinKnowledgeLines(const QList<KnowledgeLine> &lines)
{
    QByteArray bytes;
    for (const KnowledgeLine &line : lines)
        bytes += line.bytes + "\r\n";
    return bytes;
}

void sortSpanish(QList<KnowledgeLine> &lines)
{
    std::stable_sort(lines.begin(), lines.end(),
                     [](const KnowledgeLine &left, const KnowledgeLine &right) {
                         const int topics = compareSpanish(left.record.topic, right.record.topic);
                         if (topics != 0)
                             return topics < 0;
                         return compareSpanish(left.record.statement, right.record.statement) < 0;
                     });
}

qsizetype removeRepeated(QList<KnowledgeLine> &lines)
{
    QSet<QPair<QString, QString>> seen;
    const qsizetype before = lines.size();
    lines.removeIf([&seen](const KnowledgeLine &line) {
        const QPair<QString, QString> fields{line.record.topic, line.record.statement};
        if (seen.contains(fields))
            return true;
        seen.insert(fields);
        return false;
    });
    return before - lines.size();
}

} // namespace teskaro
