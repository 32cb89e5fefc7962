// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "knowledgelisting.h"

#include "knowledge/recordformat.h"
#include "textrules.h"

#include <QHash>

namespace teskaro {

using namespace Qt::StringLiterals;

namespace {

// For the editor's search: case and every accent aside, Ñ as N.
QString searchable(QStringView text)
{
    QString result;
    for (QChar c : text.toString().normalized(QString::NormalizationForm_D)) {
        if (c.category() != QChar::Mark_NonSpacing)
            result += c;
    }
    return result.toCaseFolded();
}

} // namespace

QList<KnowledgeStatement> pairStatements(const QList<KnowledgeRecord> &records)
{
    // Each record waits for its mirror image further on; the first one
    // waiting takes it.
    QHash<QPair<QString, QString>, QList<int>> waiting;
    QList<int> mirrorOf(records.size(), -1);
    for (int row = 0; row < records.size(); ++row) {
        const KnowledgeRecord &record = records[row];
        const auto mirrors = waiting.find({record.statement, record.topic});
        if (mirrors != waiting.end() && !mirrors->isEmpty()) {
            mirrorOf[mirrors->takeFirst()] = row;
            mirrorOf[row] = -2; // taken
        } else {
            waiting[{record.topic, record.statement}] += row;
        }
    }
    QList<KnowledgeStatement> statements;
    for (int row = 0; row < records.size(); ++row) {
        if (mirrorOf[row] == -2)
            continue;
        KnowledgeStatement statement{row, mirrorOf[row], records[row]};
        if (statement.mirrorRow >= 0 && !startsWithCopula(trimBlanks(statement.shown.statement)) &&
            startsWithCopula(trimBlanks(records[statement.mirrorRow].statement))) {
            std::swap(statement.shownRow, statement.mirrorRow);
            statement.shown = records[statement.shownRow];
        }
        statements += statement;
    }
    return statements;
}

bool statementMatches(const KnowledgeStatement &statement, const QString &text)
{
    const QString wanted = searchable(trimBlanks(text));
    return searchable(statement.shown.topic).contains(wanted) ||
           searchable(statement.shown.statement).contains(wanted);
}

QString listingCounts(const KnowledgeListing &listing)
{
    const auto counted = [](qsizetype count, const QString &one, const QString &many) {
        return QString::number(count) + u' ' + (count == 1 ? one : many);
    };
    return counted(listing.statements.size(), u"afirmación"_s, u"afirmaciones"_s) + u", "_s +
           counted(listing.records.size(), u"registro"_s, u"registros"_s);
}

} // namespace teskaro
