// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "knowledgeediting.h"

#include "knowledge/knowledgefile.h"
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

const QString goneReason = u"ya no está en el archivo"_s;

// The records of a file in the form learning writes, one whole record a
// line; nothing when the bytes are in any other form.
std::optional<QList<KnowledgeRecord>> wholeLineRecords(const QByteArray &bytes)
{
    QList<KnowledgeRecord> records;
    QByteArray again;
    RecordReader reader(bytes);
    KnowledgeRecord record;
    RecordReader::Result result;
    while ((result = reader.next(record)) == RecordReader::Result::Record) {
        again += formatRecordLine(record);
        records += record;
    }
    if (result != RecordReader::Result::End || again != bytes)
        return std::nullopt;
    return records;
}

QByteArray bytesOf(const QList<KnowledgeRecord> &records)
{
    QByteArray bytes;
    for (const KnowledgeRecord &record : records)
        bytes += formatRecordLine(record);
    return bytes;
}

bool readsAsStatement(const KnowledgeRecord &record)
{
    const QStringView rest = trimBlanks(record.statement);
    for (QStringView copula : {u"ES", u"SON", u"ESTA", u"ESTAN"}) {
        if (rest.startsWith(copula) &&
            (rest.size() == copula.size() || rest[copula.size()] == u' '))
            return true;
    }
    return false;
}

QString folded(QStringView text)
{
    QString result;
    for (QChar c : text.toString().normalized(QString::NormalizationForm_D)) {
        if (c.category() != QChar::Mark_NonSpacing)
            result += c;
    }
    return result.toCaseFolded();
}

// What learning stores for a typed phrase: capitals, trimmed, a double quote
// as a single one, what the code page lacks as "?", one blank either side.
QString storedField(const QString &typed)
{
    QString text = fitToWindows1252(trimmedBlanks(upperCase(typed)));
    text.replace(u'"', u'\'');
    return paddedField(text);
}

} // namespace

KnowledgeListing listStatements(const QString &fileName)
{
    KnowledgeListing listing;
    if (const QString sideFile = setAsideBrokenTail(fileName); !sideFile.isEmpty())
        listing.setAside = setAsideNote(fileName, sideFile);
    const FileReadOutcome file = readKnowledgeFile(fileName);
    if (file.status == FileReadOutcome::Status::Failed) {
        listing.failure = file.reason;
        return listing;
    }
    if (const auto records = wholeLineRecords(file.bytes)) {
        listing.records = *records;
    } else {
        RecordReader reader(file.bytes);
        KnowledgeRecord record;
        while (reader.next(record) == RecordReader::Result::Record)
            listing.records += record;
        listing.readOnly = u"el archivo no tiene un registro completo en cada línea"_s;
    }
    if (listing.readOnly.isEmpty() && file.status == FileReadOutcome::Status::Read &&
        !QFileInfo(fileName).isWritable())
        listing.readOnly = u"no tiene permiso para modificar el archivo"_s;

    // Each record waits for its mirror image further on; the first one
    // waiting takes it.
    QHash<QPair<QString, QString>, QList<int>> waiting;
    QList<int> mirrorOf(listing.records.size(), -1);
    for (int row = 0; row < listing.records.size(); ++row) {
        const KnowledgeRecord &record = listing.records[row];
        const auto mirrors = waiting.find({record.statement, record.topic});
        if (mirrors != waiting.end() && !mirrors->isEmpty()) {
            mirrorOf[mirrors->takeFirst()] = row;
            mirrorOf[row] = -2; // taken
        } else {
            waiting[{record.topic, record.statement}] += row;
        }
    }
    for (int row = 0; row < listing.records.size(); ++row) {
        if (mirrorOf[row] == -2)
            continue;
        KnowledgeStatement statement{row, mirrorOf[row], listing.records[row]};
        if (statement.mirrorRow >= 0 && !readsAsStatement(statement.shown) &&
            readsAsStatement(listing.records[statement.mirrorRow])) {
            std::swap(statement.shownRow, statement.mirrorRow);
            statement.shown = listing.records[statement.shownRow];
        }
        listing.statements += statement;
    }
    return listing;
}

bool statementMatches(const KnowledgeStatement &statement, const QString &text)
{
    const QString wanted = folded(trimmedBlanks(text));
    return folded(statement.shown.topic).contains(wanted) ||
           folded(statement.shown.statement).contains(wanted);
}

KnowledgeChange forgetting(const KnowledgeListing &listing,
                           const QList<KnowledgeStatement> &statements)
{
    KnowledgeChange change;
    for (const KnowledgeStatement &statement : statements) {
        for (int row : {statement.shownRow, statement.mirrorRow}) {
            if (row >= 0) {
                change.removed += listing.records[row];
                change.removedRows += row;
            }
        }
    }
    return change;
}

QString correcting(const KnowledgeListing &listing, const KnowledgeStatement &statement,
                   const QString &topic, const QString &rest, KnowledgeChange &change)
{
    for (const QString &field : {topic, rest}) {
        if (trimmedBlanks(field).isEmpty())
            return u"El tema y el resto no pueden quedar vacíos."_s;
        if (std::any_of(field.begin(), field.end(),
                        [](QChar c) { return c < u' ' || c == u'\x7f'; }))
            return u"Un campo no puede llevar saltos de línea ni caracteres de control."_s;
    }
    change = forgetting(listing, {statement});
    const KnowledgeRecord direct{storedField(topic), storedField(rest)};
    change.added = {direct, {direct.statement, direct.topic}};
    if (change.removed.size() == 1)
        change.added.removeLast();
    return {};
}

KnowledgeChange undoing(const KnowledgeChange &change)
{
    KnowledgeChange undo;
    undo.removed = change.added;
    undo.removedRows = change.removedRows;
    undo.added = change.removed;
    undo.addedRows = change.removedRows;
    undo.expected = change.after;
    return undo;
}

QString applyChange(const QString &fileName, KnowledgeChange &change)
{
    QString refusal;
    const auto transform = [&](const QByteArray &bytes) -> std::optional<QByteArray> {
        auto records = wholeLineRecords(bytes);
        if (!records) {
            refusal = u"el archivo no tiene un registro completo en cada línea"_s;
            return std::nullopt;
        }
        // Each record to take out where it was listed, else its first
        // occurrence not taken already.
        QList<int> rows;
        for (qsizetype i = 0; i < change.removed.size(); ++i) {
            const int listed = change.removedRows.value(i, -1);
            int row = listed >= 0 && listed < records->size() &&
                              records->at(listed) == change.removed[i] && !rows.contains(listed)
                          ? listed
                          : -1;
            for (int r = 0; row < 0 && r < records->size(); ++r) {
                if (records->at(r) == change.removed[i] && !rows.contains(r))
                    row = r;
            }
            if (row < 0) {
                refusal = goneReason;
                return std::nullopt;
            }
            rows += row;
        }
        if (!rows.isEmpty()) {
            for (qsizetype i = 0; i < change.added.size(); ++i)
                (*records)[rows[i]] = change.added[i];
            QList<int> gone = rows.sliced(change.added.size());
            std::sort(gone.rbegin(), gone.rend());
            for (int row : gone)
                records->removeAt(row);
        } else if (bytes == change.expected) {
            QList<qsizetype> order(change.added.size());
            std::iota(order.begin(), order.end(), 0);
            std::sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
                return change.addedRows[a] < change.addedRows[b];
            });
            for (qsizetype i : order)
                records->insert(std::min<qsizetype>(change.addedRows[i], records->size()),
                                change.added[i]);
        } else {
            *records += change.added;
        }
        change.after = bytesOf(*records);
        return change.after;
    };
    const FileWriteOutcome outcome = rewriteKnowledgeFile(fileName, transform);
    if (outcome.ok)
        return {};
    return outcome.refused ? refusal : outcome.reason;
}

} // namespace teskaro
