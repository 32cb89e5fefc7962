// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "knowledge/record.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace teskaro {

// Reviewing and changing what was learned, statement by statement. A record
// (A, B) and a record (B, A) further on in the file form one statement;
// records pair in file order, each with at most one other.

struct KnowledgeStatement
{
    int shownRow = -1;  // the record shown: the one that reads as a statement
    int mirrorRow = -1; // its mirror image; -1 when it has none
    KnowledgeRecord shown;
};

struct KnowledgeListing
{
    QList<KnowledgeRecord> records;
    QList<KnowledgeStatement> statements; // in file order
    QString failure;                      // why the file could not be read; empty when it was
    QString readOnly;                     // why it may be read but not changed; empty when it may
    QString setAside; // what to tell when an interrupted append's tail was set aside
};

KnowledgeListing listStatements(const QString &fileName);

// Whether the statement's topic or rest holds the text, ignoring case and
// accents, Ñ as N.
bool statementMatches(const KnowledgeStatement &statement, const QString &text);

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

KnowledgeChange forgetting(const KnowledgeListing &listing,
                           const QList<KnowledgeStatement> &statements);
// Topic and rest as the user typed them, made what learning would store.
// Refuses (returns why) a field left empty or one with a control character.
QString correcting(const KnowledgeListing &listing, const KnowledgeStatement &statement,
                   const QString &topic, const QString &rest, KnowledgeChange &change);
KnowledgeChange undoing(const KnowledgeChange &change);

// Rewrites the file with the change, under the file's lock. Returns why it
// could not, or an empty string.
QString applyChange(const QString &fileName, KnowledgeChange &change);

} // namespace teskaro
