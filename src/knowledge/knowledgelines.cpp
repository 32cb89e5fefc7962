#include "knowledgelines.h"

#include "knowledgefile.h"
#include "recordformat.h"
#include "windows1252.h"

#include <QCollator>
#include <QSet>

#include <algorithm>

namespace teskaro {

using namespace Qt::StringLiterals;

namespace {

bool isBlank(QByteArrayView line)
{
    return std::all_of(line.begin(), line.end(), [](char c) { return c == ' ' || c == '\t'; });
}

// The program reads the file as a whole, where a quote left open runs on
// into the next line; a line with one cannot be moved without changing what
// the program reads. A quoted field follows its opening quote (no other
// field starts right after one) and, left open, runs to the line's end.
bool closesItsQuote(QByteArrayView line, RecordReader::Field field)
{
    const bool quoted = field.start > 0 && line[field.start - 1] == '"';
    return !quoted || field.start + field.length < line.size();
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
        RecordReader::Field topic;
        RecordReader::Field statement;
        RecordReader::Field rest;
        if (reader.next(topic, statement) != RecordReader::Result::Record ||
            !closesItsQuote(line, topic) || !closesItsQuote(line, statement) ||
            reader.next(rest, rest) != RecordReader::Result::End) {
            result.problem = u"la línea %1 no es un registro completo"_s.arg(lineNumber);
            result.lines.clear();
            return result;
        }
        result.lines += KnowledgeLine{line,
                                      {decodeWindows1252(reader.bytesOf(topic)),
                                       decodeWindows1252(reader.bytesOf(statement))}};
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
    // ICU's rules for Spanish. Blanks and punctuation count as characters;
    // skipped, " A B " would sort as " AB ".
    QCollator collator(QLocale(QLocale::Spanish, QLocale::Spain));
    collator.setIgnorePunctuation(false);
    std::stable_sort(lines.begin(), lines.end(),
                     [&collator](const KnowledgeLine &left, const KnowledgeLine &right) {
                         const int topics = collator.compare(left.record.topic, right.record.topic);
                         if (topics != 0)
                             return topics < 0;
                         return collator.compare(left.record.statement, right.record.statement) < 0;
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

LinesRewrite rewriteKnowledgeLines(const QString &fileName,
                                   const std::function<void(QList<KnowledgeLine> &)> &change)
{
    LinesRewrite result;
    KnowledgeLines parsed;
    const FileWriteOutcome outcome =
        rewriteKnowledgeFile(fileName, [&](const QByteArray &old) -> std::optional<QByteArray> {
            parsed = parseKnowledgeLines(old);
            if (!parsed.ok)
                return std::nullopt;
            result.linesRead = parsed.lines.size();
            change(parsed.lines);
            result.linesWritten = parsed.lines.size();
            return joinKnowledgeLines(parsed.lines);
        });
    result.ok = outcome.ok;
    if (outcome.refused)
        result.problem = parsed.problem + u"; el archivo no se ha modificado"_s;
    else if (!outcome.ok)
        result.problem = outcome.reason;
    return result;
}

} // namespace teskaro
