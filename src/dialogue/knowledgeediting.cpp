// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "knowledgeediting.h"

#include "knowledge/knowledgefile.h"
#include "knowledge/knowledgelines.h"
#include "knowledge/knowledgetable.h"
#include "knowledge/knowledgewriter.h"
#include "knowledge/recordformat.h"
#include "knowledge/windows1252.h"
#include "textrules.h"

#include <QFileInfo>
#include <QHash>

#include <algorithm>
#include <numeric>

namespace teskaro {

using namespace Qt::StringLiterals;

namespace {

KnowledgeLine lineOf(const KnowledgeRecord &record)
{
    return {formatRecordLine(record).chopped(2), record};
}

// What learning stores for a typed phrase: capitals, trimmed, a double quote
// as a single one, what the code page lacks as "?", one blank either side.
QString storedField(const QString &typed)
{
    QString text = fitToWindows1252(trimBlanks(upperCase(typed)));
    text.replace(u'"', u'\'');
    return paddedField(text);
}

} // namespace

KnowledgeListing listStatements(const QString &fileName)
{
    KnowledgeListing listing;
    listing.fileName = fileName;
    if (const SetAsideTail setAside = setAsideBrokenTail(fileName); !setAside.isEmpty())
        listing.setAside = setAsideNote(fileName, setAside);
    const FileReadOutcome file = readKnowledgeFile(fileName);
    if (file.status == FileReadOutcome::Status::Failed) {
        listing.failure = file.reason;
        return listing;
    }
    if (const KnowledgeLines lines = parseKnowledgeLines(file.bytes); lines.ok) {
        for (const KnowledgeLine &line : lines.lines)
            listing.records += line.record;
    } else {
        RecordReader reader(file.bytes);
        KnowledgeRecord record;
        while (reader.next(record) == RecordReader::Result::Record)
            listing.records += record;
        listing.readOnly = lines.problem;
    }
    if (listing.readOnly.isEmpty() && file.status == FileReadOutcome::Status::Read &&
        !QFileInfo(fileName).isWritable())
        listing.readOnly = u"no tiene permiso para modificar el archivo"_s;

    listing.statements = pairStatements(listing.records);
    return listing;
}

KnowledgeChange removalOf(const QList<KnowledgeStatement> &statements)
{
    KnowledgeChange change;
    for (const KnowledgeStatement &statement : statements) {
        change.removed += statement.shown;
        change.removedRows += statement.shownRow;
        if (statement.mirrorRow >= 0) {
            change.removed += KnowledgeRecord{statement.shown.statement, statement.shown.topic};
            change.removedRows += statement.mirrorRow;
        }
    }
    return change;
}

std::optional<KnowledgeChange> correctionOf(const KnowledgeStatement &statement,
                                            const QString &topic, const QString &rest,
                                            QString &refusal)
{
    for (const QString &field : {topic, rest}) {
        if (trimBlanks(field).isEmpty()) {
            refusal = u"El tema y el resto no pueden quedar vacíos."_s;
            return std::nullopt;
        }
        if (std::any_of(field.begin(), field.end(),
                        [](QChar c) { return c < u' ' || c == u'\x7f'; })) {
            refusal = u"Un campo no puede llevar saltos de línea ni caracteres de control."_s;
            return std::nullopt;
        }
    }
    // A statement stays one, as learning cuts it: at a copula.
    if (startsWithCopula(trimBlanks(statement.shown.statement)) &&
        !startsWithCopula(trimBlanks(upperCase(rest)))) {
        refusal = u"El resto tiene que empezar por ES, SON, ESTA o ESTAN, como al aprender."_s;
        return std::nullopt;
    }
    KnowledgeChange change = removalOf({statement});
    const KnowledgeRecord direct{storedField(topic), storedField(rest)};
    change.added = {direct, {direct.statement, direct.topic}};
    change.added.resize(change.removed.size());
    return change;
}

KnowledgeChange inverseOf(const KnowledgeChange &change)
{
    KnowledgeChange inverse;
    inverse.removed = change.added;
    inverse.removedRows = change.removedRows;
    inverse.added = change.removed;
    inverse.addedRows = change.removedRows;
    inverse.expected = change.after.bytes;
    inverse.since = change.after;
    return inverse;
}

QString applyChange(const QString &fileName, KnowledgeChange &change)
{
    QString refusal;
    const auto transform = [&](const QByteArray &bytes,
                               const FileIdentity &file) -> std::optional<QByteArray> {
        KnowledgeLines parsed = parseKnowledgeLines(bytes);
        if (!parsed.ok) {
            refusal = parsed.problem;
            return std::nullopt;
        }
        QList<KnowledgeLine> &lines = parsed.lines;
        // Each record to take out where it was listed, else its first
        // occurrence not taken already; found through an index, so that
        // many equal records cost no more than many different ones.
        using Key = QPair<QString, QString>;
        const auto keyOf = [](const KnowledgeRecord &record) {
            return Key{record.topic, record.statement};
        };
        QHash<Key, QList<int>> rowsOf;
        for (int row = 0; row < lines.size(); ++row)
            rowsOf[keyOf(lines[row].record)] += row;
        QHash<Key, qsizetype> removing;
        for (const KnowledgeRecord &record : std::as_const(change.removed))
            ++removing[keyOf(record)];
        const bool onlyGrown =
            change.since && file == change.since->file && bytes.startsWith(change.since->bytes);
        QHash<Key, qsizetype> nextCandidate;
        QList<bool> taken(lines.size(), false);
        QList<int> rows;
        change.kept.clear();
        for (qsizetype i = 0; i < change.removed.size(); ++i) {
            const KnowledgeRecord &record = change.removed[i];
            const Key key = keyOf(record);
            const QList<int> &candidates = rowsOf[key];
            if (change.since && !onlyGrown && candidates.size() == removing[key]) {
                if (!change.kept.contains(record))
                    change.kept += record;
                continue;
            }
            const int listed = change.removedRows.value(i, -1);
            int row = -1;
            if (listed >= 0 && listed < lines.size() && !taken[listed] &&
                lines[listed].record == record) {
                row = listed;
            } else {
                qsizetype &next = nextCandidate[key];
                while (next < candidates.size() && taken[candidates[next]])
                    ++next;
                row = next < candidates.size() ? candidates[next] : -1;
            }
            if (row < 0) {
                refusal = u"ya no está en el archivo"_s;
                return std::nullopt;
            }
            taken[row] = true;
            rows += row;
        }
        // Records put in take the places of those taken out; the rest go
        // back where they were if nothing changed since, else at the end.
        const qsizetype replaced = std::min(rows.size(), change.added.size());
        for (qsizetype i = 0; i < replaced; ++i) {
            lines[rows[i]] = lineOf(change.added[i]);
            taken[rows[i]] = false;
        }
        QList<KnowledgeLine> kept;
        kept.reserve(lines.size() + change.added.size() - replaced);
        for (int row = 0; row < lines.size(); ++row) {
            if (!taken[row])
                kept += lines[row];
        }
        QList<qsizetype> rest(change.added.size() - replaced);
        std::iota(rest.begin(), rest.end(), replaced);
        lines.clear();
        qsizetype next = 0;
        if (rows.isEmpty() && bytes == change.expected) {
            std::stable_sort(rest.begin(), rest.end(), [&](qsizetype a, qsizetype b) {
                return change.addedRows[a] < change.addedRows[b];
            });
            for (qsizetype i : rest) {
                while (lines.size() < change.addedRows[i] && next < kept.size())
                    lines += kept[next++];
                lines += lineOf(change.added[i]);
            }
            rest.clear();
        }
        lines += kept.sliced(next);
        for (qsizetype i : rest)
            lines += lineOf(change.added[i]);
        if (lines.size() > KnowledgeTable::capacity) {
            refusal = u"el archivo tendría %1 registros, y no se pueden leer más de %2"_s.arg(
                QString::number(lines.size()), QString::number(KnowledgeTable::capacity));
            return std::nullopt;
        }
        change.after.bytes = joinKnowledgeLines(lines);
        return change.after.bytes;
    };
    const FileWriteOutcome outcome = rewriteKnowledgeFile(fileName, transform);
    if (outcome.ok) {
        change.after.file = outcome.written;
        return {};
    }
    return outcome.refused ? refusal : outcome.reason;
}

} // namespace teskaro
