// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "knowledge/knowledgetable.h"

#include <QHash>
#include <QList>
#include <QString>

namespace teskaro {

class SubjectSearch;

// What a knowledge file's statements speak of, as things joined by arrows.
// Each statement (the record the editor shows of it) is one arrow, from its
// topic to what follows its copula, labelled with the copula as stored.
// Phrases that name the same thing by the logic rules' test (nameSameThing,
// on folded text) are one thing, and so are phrases that test links through
// others; a thing is named by the first of its phrases in file order.
struct MapThing
{
    QString name; // as stored, without the blanks around it
};

struct MapArrow
{
    int from = -1; // things
    int to = -1;
    QString copula; // ES, SON, ESTA, ESTAN, ESTA EN or ESTAN EN as stored; empty: none
    int row = -1;   // the record drawn
};

class KnowledgeMap
{
public:
    KnowledgeMap() = default;
    explicit KnowledgeMap(KnowledgeTable table);

    const KnowledgeTable &table() const { return m_table; }
    const QList<MapThing> &things() const { return m_things; }
    const QList<MapArrow> &arrows() const { return m_arrows; } // in file order
    // The arrows from and to each thing, in file order.
    const QList<int> &arrowsAt(int thing) const { return m_arrowsAt[thing]; }

    // The thing a trimmed, folded phrase names; -1 when none.
    int thingOf(QStringView foldedPhrase) const;
    // The things a subject finds, in order: those with a phrase that holds
    // it, as a topic holds a question's subject, or that names the same
    // thing as the phrase typed (trimmed and folded).
    QList<int> thingsAbout(const SubjectSearch &subject, QStringView typed) const;
    // The thing a record's statement leads to, -1 when none.
    int objectThing(int row) const;

private:
    void joinThings(QList<int> &firstOf) const;

    KnowledgeTable m_table;
    QList<MapThing> m_things;
    QList<MapArrow> m_arrows;
    QList<QList<int>> m_arrowsAt;
    // Each phrase once, folded, in file order, with its thing.
    QStringList m_phrases;
    QList<int> m_phraseThings;
    QHash<QString, int> m_phraseIndex;
};

// A record's statement cut as the map draws it: the copula (with EN after
// ESTA and ESTAN), as stored, and the rest after it. Without a copula, the
// whole statement is the rest.
struct CutStatement
{
    QString copula;
    QString rest;
};
CutStatement cutStatement(QStringView statement);

// Reads the file, leaving it as it is, into a map. `note` tells what the
// user must know of a file not read whole, as a question says it; empty
// otherwise.
KnowledgeMap readKnowledgeMap(const QString &fileName, QString &note);

} // namespace teskaro
