// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "knowledge/knowledgewriter.h"
#include "knowledge/record.h"
#include "naming.h"
#include <QHash>

#include <QByteArrayView>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace teskaro {

class KnowledgeTable;

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

    // A chain's text, with the rows of its first and last links.
    struct Found
    {
        QString text;
        int firstRow = -1;
        int lastRow = -1;
    };

    explicit Deduction(const KnowledgeTable &table);

    // Chains whose first link is one of the rows, given in table order.
    QStringList chainsFrom(const QList<int> &rows) const;
    QList<Found> chainEndsFrom(const QList<int> &rows) const;
    // Chains that have the row among their links.
    QStringList chainsThrough(int row) const;

private:
    struct Link
    {
        int row = -1;
        bool isAt = false;     // ESTA or ESTAN rather than ES or SON
        QStringView topic;     // as written, blanks around it and all
        QStringView statement; // as written
        QStringView foldedTopic;
        QStringView target; // the phrase it leads to, folded once asked for; empty: nowhere
        bool targetFolded = false;
    };
    using Chain = QList<int>; // indexes into m_links, in table order

    QStringView target(int link) const;
    bool leads(int from, int to) const;
    void indexTopicsOnShelf(quint32 shelf) const;
    template <typename Keep>
    QList<int> linksWithTopic(QStringView phrase, Keep keep) const;
    // The links a link leads to, and those that lead to it, in table order;
    // each worked out once.
    const QList<int> &next(int link) const;
    const QList<int> &previous(int link) const;
    int linkOfRow(int row) const;
    bool holds(const Chain &chain) const;
    QString textOf(const Chain &chain) const;
    bool write(const Chain &chain, QList<Found> &lines) const;

    mutable QList<Link> m_links;
    mutable QStringList m_foldedTargets; // of the targets that fold
    // The links by the key of their topic: the first link of each key (plus
    // one), and after each link the next one with its key (plus one).
    mutable QHash<quint64, int> m_byTopic;
    mutable QList<int> m_nextSameTopic;
    mutable QList<quint32> m_topicShelves;
    mutable QSet<quint32> m_indexedShelves;
    mutable QList<quint32> m_targetShelves;
    mutable QHash<int, QList<int>> m_next;
    mutable QHash<int, QList<int>> m_previous;
};

// The chains through a statement just learned (its records in learned, the
// direct one first), given the file as it was before, as bytes, with where
// its records lie in them: decodes only the records that may take part.
QStringList chainsThroughLearned(QByteArrayView before, const QList<RecordFields> &fields,
                                 const QList<KnowledgeRecord> &learned);

} // namespace teskaro
