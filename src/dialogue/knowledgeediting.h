// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "knowledge/knowledgefile.h"
#include "knowledgelisting.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

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
//
// An undo or a redo takes back a step of the history; `since` is the file
// as that step left it. A record it would take out that the file holds no
// more copies of than it takes may have been learned again by someone else
// since: unless the same file has only grown since (so any copy learned
// since would be an extra one), such a record is kept, and listed in `kept`.
struct KnowledgeChange
{
    QList<KnowledgeRecord> removed;
    QList<int> removedRows;
    QList<KnowledgeRecord> added;
    QList<int> addedRows;
    QByteArray expected; // the whole file that allows putting records back in place
    struct FileState
    {
        QByteArray bytes;
        FileIdentity file;
    };
    FileState after; // the whole file once applied
    std::optional<FileState> since;
    QList<KnowledgeRecord> kept;
};

// The change that forgets the statements, both records of each.
KnowledgeChange removalOf(const QList<KnowledgeStatement> &statements);
// The change that replaces the statement by topic and rest as the user
// typed them, made what learning would store; nothing, after saying why in
// `refusal`, for a field left empty or one with a control character, or
// for a statement whose rest would no longer begin with a copula.
std::optional<KnowledgeChange> correctionOf(const KnowledgeStatement &statement,
                                            const QString &topic, const QString &rest,
                                            QString &refusal);
// The change that takes an applied one back.
KnowledgeChange inverseOf(const KnowledgeChange &change);

// Rewrites the file with the change, under the file's lock. Refuses a
// change that would leave more records than a table can load. Returns why
// it could not, or an empty string.
QString applyChange(const QString &fileName, KnowledgeChange &change);

} // namespace teskaro
