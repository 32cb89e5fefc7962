// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "knowledgelisting.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace teskaro {

// The knowledge editor's listing and changes, found by content in the file
// as it is when they are applied. Only the engine's StatementEditor uses
// them: it keeps the one history of changes.

// Sets a broken tail aside first, as opening a file for writing does.
KnowledgeListing listStatements(const QString &fileName);

// A change to the file, found by content when it is applied: the records to
// take out must be in the file then, wherever they are; where they were
// when listed is preferred. Records to put in go where the ones taken out
// were, or, with nothing taken out, back where they were when the file has
// not changed since (it holds `after` of the change this one undoes), else
// at the end.
struct KnowledgeChange
{
    QList<KnowledgeRecord> removed;
    QList<int> removedRows;
    QList<KnowledgeRecord> added;
    QList<int> addedRows;
    QByteArray expected; // the whole file that allows putting records back in place
    QByteArray after;    // the whole file once applied
};

// The change that forgets the statements, both records of each.
KnowledgeChange removalOf(const QList<KnowledgeStatement> &statements);
// The change that replaces the statement by topic and rest as the user
// typed them, made what learning would store; nothing, after saying why in
// `refusal`, for a field left empty or one with a control character.
std::optional<KnowledgeChange> correctionOf(const KnowledgeStatement &statement,
                                            const QString &topic, const QString &rest,
                                            QString &refusal);
// The change that takes an applied one back.
KnowledgeChange inverseOf(const KnowledgeChange &change);

// Rewrites the file with the change, under the file's lock. Returns why it
// could not, or an empty string.
QString applyChange(const QString &fileName, KnowledgeChange &change);

} // namespace teskaro
