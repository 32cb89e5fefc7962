// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace teskaro {

class KnowledgeTable;

// Whether two phrases name the same thing: the same words once a leading
// article is dropped, each word equal to the other's or its plural (with S,
// ES, or Z made CES). Blanks are spaces; case counts. Give it folded text
// (accents.h), so that PAÍS and PAISES name the same thing.
bool nameSameThing(QStringView first, QStringView second);

// Chains of what was learned. A link is a record whose statement starts with
// ES, SON, ESTA or ESTAN (accents aside) and a blank; a link leads to another when its
// object names the other's topic (ES and SON to ES and SON, ESTA EN and
// ESTAN EN to ESTA and ESTAN). A chain is two or three links, each leading
// to the next, no record twice, no two topics naming the same thing.
//
// The chains come as their text, "TOPIC STATEMENT" per link joined by " Y "
// (three links: ", " then " Y "), ordered by the table positions of their
// links, a chain before those that extend it, each text once, at most ten.
// The table must stay as it is while the deduction is used.
class Deduction
{
public:
    static constexpr int mostLines = 10;

    explicit Deduction(const KnowledgeTable &table);

    // Chains whose first link is one of the rows, given in table order.
    QStringList chainsFrom(const QList<int> &rows) const;
    // Chains that have the row among their links.
    QStringList chainsThrough(int row) const;

private:
    struct Link
    {
        int row = -1;
        bool isAt = false; // ESTA or ESTAN rather than ES or SON
        QStringView topic; // as written, as is the statement
        QStringView statement;
        QStringView foldedTopic;
        QStringView target;    // the folded phrase it leads to; empty: nowhere
        QStringView topicRoot; // shared by every word the topic's first word matches
    };
    using Chain = QList<int>;             // indexes into m_links
    using Neighbours = QList<QList<int>>; // per link, in table order

    // The links each of the given ones leads to (forward) or comes from,
    // found in one pass over all links.
    Neighbours neighbours(const QList<int> &links, bool forward) const;
    bool leads(const Link &from, const Link &to) const;
    bool holds(const Chain &chain) const;
    QString textOf(const Chain &chain) const;
    int linkOfRow(int row) const;

    QList<Link> m_links;
    QStringList m_foldedStatements; // of the statements that fold
};

} // namespace teskaro
