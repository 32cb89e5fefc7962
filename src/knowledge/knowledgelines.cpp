// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "knowledgelines.h"

#include "knowledgefile.h"
#include "recordformat.h"
#include "windows1252.h"

#include <QCollator>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace teskaro {

using namespace Qt::StringLiterals;

namespace {

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

// Line ends before the position, a CR LF counting once.
int linesBefore(QByteArrayView bytes, qsizetype position)
{
    int lines = 0;
    for (qsizetype i = 0; i < position; ++i) {
        if (bytes[i] == '\n' ||
            (bytes[i] == '\r' && (i + 1 >= bytes.size() || bytes[i + 1] != '\n')))
            ++lines;
    }
    return lines;
}

// Where a field's text begins, its opening quote included.
qsizetype openingOf(QByteArrayView bytes, RecordReader::Field field)
{
    return field.start > 0 && bytes[field.start - 1] == '"' ? field.start - 1 : field.start;
}

} // namespace

// The records are read exactly as the program reads them, with the same
// reader over the whole file, so that a sort or a removal can never change
// what the program reads: a CR inside a quoted field stays inside it. Each
// record must still be a line of its own: its two fields parted by a comma,
// its last one closed and followed by the line end.
KnowledgeLines parseKnowledgeLines(const QByteArray &bytes)
{
    KnowledgeLines result;
    const QByteArrayView view(bytes);
    RecordReader reader(view);
    RecordReader::Field topic;
    RecordReader::Field statement;
    qsizetype previousEnd = 0;
    RecordReader::Result read;
    while ((read = reader.next(topic, statement)) != RecordReader::Result::End) {
        qsizetype lineStart = openingOf(view, topic);
        while (lineStart > previousEnd && !isLineEnd(view[lineStart - 1]))
            --lineStart;
        const qsizetype topicEnd = topic.start + topic.length;
        bool whole = read == RecordReader::Result::Record &&
                     view.sliced(topicEnd, statement.start - topicEnd).contains(',') &&
                     (openingOf(view, statement) == statement.start ||
                      statement.start + statement.length < view.size());
        // A comma after the statement is harmless when only blanks follow it.
        qsizetype end = reader.position();
        if (whole && view[end - 1] == ',') {
            while (end < view.size() && (view[end] == ' ' || view[end] == '\t'))
                ++end;
            whole = end == view.size() || isLineEnd(view[end]);
        } else {
            whole = whole && (end == view.size() || isLineEnd(view[end - 1]));
        }
        if (!whole) {
            result.problem =
                u"la línea %1 no es un registro completo"_s.arg(linesBefore(view, lineStart) + 1);
            result.lines.clear();
            return result;
        }
        previousEnd = end;
        while (end > lineStart && isLineEnd(view[end - 1]))
            --end;
        result.lines += KnowledgeLine{bytes.sliced(lineStart, end - lineStart),
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

QString repeatedRemovalLine(qsizetype read, qsizetype removed)
{
    return QString::number(read) + u" registros leídos, "_s + QString::number(removed) +
           u" repetidos eliminados"_s;
}

std::optional<qsizetype> removedInRepeatedRemovalLine(const QString &line)
{
    // The numbers it holds, checked by writing the line again from them.
    static const QRegularExpression number(u"\\d+"_s);
    QList<qsizetype> counts;
    for (const QRegularExpressionMatch &found : number.globalMatch(line))
        counts += found.captured().toLongLong();
    if (counts.size() == 2 && repeatedRemovalLine(counts[0], counts[1]) == line.trimmed())
        return counts[1];
    return std::nullopt;
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
    result.setAside = outcome.setAside;
    if (outcome.refused)
        result.problem = parsed.problem + (outcome.setAside.isEmpty()
                                               ? u"; el archivo no se ha modificado"_s
                                               : u"; aparte de su final, el archivo no se ha "
                                                 u"modificado"_s);
    else if (!outcome.ok)
        result.problem = outcome.reason;
    return result;
}

} // namespace teskaro
