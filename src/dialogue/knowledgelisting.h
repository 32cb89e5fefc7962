// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "knowledge/record.h"

#include <QList>
#include <QString>

namespace teskaro {

// What was learned, statement by statement, as the knowledge editor shows
// it. A record (A, B) and a record (B, A) further on in the file form one
// statement; records pair in file order, each with at most one other.

struct KnowledgeStatement
{
    int shownRow = -1;  // the record shown: the one that reads as a statement
    int mirrorRow = -1; // its mirror image; -1 when it has none
    KnowledgeRecord shown;
};

struct KnowledgeListing
{
    QString fileName;
    QList<KnowledgeRecord> records;
    QList<KnowledgeStatement> statements; // in file order
    QString failure;                      // why the file could not be read; empty when it was
    QString readOnly;                     // why it may be read but not changed; empty when it may
    QString setAside; // what to tell when an interrupted append's tail was set aside
};

// The records' statements, in file order: each record with its mirror image
// further on, if any, shown by the record that reads as a statement.
QList<KnowledgeStatement> pairStatements(const QList<KnowledgeRecord> &records);

// Whether the statement's topic or rest holds the text, ignoring case and
// accents, Ñ as N.
bool statementMatches(const KnowledgeStatement &statement, const QString &text);

// What a change to the statements did, once it is in the file.
struct KnowledgeEdit
{
    enum class Kind {
        Forget,
        Correct,
        Undo,
        Redo
    };
    Kind kind = Kind::Forget;
    qsizetype statements = 0;  // how many were forgotten or corrected
    KnowledgeRecord corrected; // a correction's statement as stored
    QString note;              // what else the user must know of it; often empty
};

// "N afirmaciones, M registros", each in the singular for one, as both
// front ends tell the size of a listing.
QString listingCounts(const KnowledgeListing &listing);

} // namespace teskaro
