// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "knowledgelisting.h"

#include "knowledge/recordformat.h"

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
