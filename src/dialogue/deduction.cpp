// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "deduction.h"

#include "knowledge/accents.h"
#include "knowledge/knowledgetable.h"
#include "knowledge/recordformat.h"
#include "naming.h"
#include "textrules.h"

#include <QHash>
#include <QMap>
#include <QSet>

#include <algorithm>
#include <array>

namespace teskaro {

using namespace Qt::StringLiterals;

// Links are compared on folded text and written as they are. The topics
// come folded from the table; an object is folded when it is first needed.
Deduction::Deduction(const KnowledgeTable &table)
{
    m_links.reserve(table.recordCount());
    for (int row = 0; row < table.recordCount(); ++row) {
        const QStringView statement = trimBlanks(table.record(row).statement);
        bool isAt = false;
        const std::optional<QStringView> object = objectOf(statement, isAt);
        if (!object)
            continue;
        Link link{row, isAt, table.record(row).topic, statement, table.foldedTopic(row), {}};
        link.target = *object;
        m_links += link;
    }
}

// What a link leads to, folded.
QStringView Deduction::target(int link) const
{
    Link &from = m_links[link];
    if (!from.targetFolded) {
        from.targetFolded = true;
        if (foldingChanges(from.target)) {
            m_foldedTargets += folded(from.target);
            from.target = m_foldedTargets.last();
        }
    }
    return from.target;
}

bool Deduction::leads(int from, int to) const
{
    return m_links[from].isAt == m_links[to].isAt &&
           nameSameThing(target(from), m_links[to].foldedTopic);
}

// Topics get their keys on first need, those of one shelf at a time: a
// question looks up only a few shelves, and most topics are never keyed.
// Each key's links chain in table order.
void Deduction::indexTopicsOnShelf(quint32 shelf) const
{
    if (m_topicShelves.isEmpty()) {
        m_topicShelves.reserve(m_links.size());
        for (const Link &link : std::as_const(m_links))
            m_topicShelves += shelfOf(link.foldedTopic);
        m_nextSameTopic.resize(m_links.size());
    }
    if (m_indexedShelves.contains(shelf))
        return;
    m_indexedShelves.insert(shelf);
    for (int link = int(m_links.size()) - 1; link >= 0; --link) {
        if (m_topicShelves[link] != shelf)
            continue;
        int &head = m_byTopic[keyOf(m_links[link].foldedTopic)];
        m_nextSameTopic[link] = head - 1;
        head = link + 1;
    }
}

// The links whose topic has the key, in table order, each record once: of
// identical records only the first stands, as they give identical chains,
// and a line is written once.
template <typename Keep>
QList<int> Deduction::linksWithTopic(QStringView phrase, Keep keep) const
{
    QList<int> found;
    const quint64 key = keyOf(phrase);
    if (key == 0)
        return found;
    indexTopicsOnShelf(shelfOf(phrase));
    QSet<QPair<QStringView, QStringView>> records;
    for (int link = m_byTopic.value(key) - 1; link >= 0; link = m_nextSameTopic[link]) {
        const QPair<QStringView, QStringView> record{trimBlanks(m_links[link].topic),
                                                     m_links[link].statement};
        if (keep(link) && !records.contains(record)) {
            records.insert(record);
            found += link;
        }
    }
    return found;
}

const QList<int> &Deduction::next(int link) const
{
    auto found = m_next.find(link);
    if (found == m_next.end()) {
        const QList<int> led =
            linksWithTopic(target(link), [&](int to) { return leads(link, to); });
        found = m_next.insert(link, led);
    }
    return *found;
}

// Links that lead here: any link whose target's key is this topic's. Their
// targets get keys on first need.
const QList<int> &Deduction::previous(int link) const
{
    auto found = m_previous.find(link);
    if (found == m_previous.end()) {
        if (m_targetShelves.isEmpty()) {
            m_targetShelves.reserve(m_links.size());
            for (int each = 0; each < m_links.size(); ++each)
                m_targetShelves += shelfOf(target(each));
        }
        const quint32 shelf = shelfOf(m_links[link].foldedTopic);
        QList<int> leading;
        QSet<QPair<QStringView, QStringView>> records;
        for (int other = 0; other < m_links.size(); ++other) {
            const Link &from = m_links[other];
            if (shelf != 0 && m_targetShelves[other] == shelf && leads(other, link) &&
                !records.contains({trimBlanks(from.topic), from.statement})) {
                records.insert({trimBlanks(from.topic), from.statement});
                leading += other;
            }
        }
        found = m_previous.insert(link, leading);
    }
    return *found;
}

int Deduction::linkOfRow(int row) const
{
    const auto it = std::lower_bound(m_links.begin(), m_links.end(), row,
                                     [](const Link &link, int r) { return link.row < r; });
    return it != m_links.end() && it->row == row ? int(it - m_links.begin()) : -1;
}

// No record twice, no topic named by an earlier link.
bool Deduction::holds(const Chain &chain) const
{
    for (qsizetype later = 1; later < chain.size(); ++later) {
        for (qsizetype earlier = 0; earlier < later; ++earlier) {
            if (chain[earlier] == chain[later] || nameSameThing(m_links[chain[earlier]].foldedTopic,
                                                                m_links[chain[later]].foldedTopic))
                return false;
        }
    }
    return true;
}

QString Deduction::textOf(const Chain &chain) const
{
    QString text;
    for (qsizetype i = 0; i < chain.size(); ++i) {
        if (i > 0)
            text += i + 1 == chain.size() ? u" Y "_s : u", "_s;
        text += trimBlanks(m_links[chain[i]].topic);
        text += u' ';
        text += m_links[chain[i]].statement;
    }
    return text;
}

// Adds the chain's text once, if the chain holds; false once the lines are
// all there are to write.
bool Deduction::write(const Chain &chain, QList<Found> &lines) const
{
    if (holds(chain)) {
        const QString text = textOf(chain);
        if (std::none_of(lines.cbegin(), lines.cend(),
                         [&text](const Found &line) { return line.text == text; }))
            lines += {text, m_links[chain.first()].row, m_links[chain.last()].row};
    }
    return lines.size() < mostLines;
}

namespace {

QStringList textsOf(const QList<Deduction::Found> &lines)
{
    QStringList texts;
    for (const Deduction::Found &line : lines)
        texts += line.text;
    return texts;
}

} // namespace

// Links are numbered in table order: walking the rows in order and each
// link's successors in order gives the chains in the order they are
// written, so the walk stops at the tenth line.
QStringList Deduction::chainsFrom(const QList<int> &rows) const
{
    return textsOf(chainEndsFrom(rows));
}

QList<Deduction::Found> Deduction::chainEndsFrom(const QList<int> &rows) const
{
    QList<Found> lines;
    // Of identical records the first stands for all: it is answered too,
    // and gives the same lines, first.
    QSet<QPair<QStringView, QStringView>> records;
    for (int row : rows) {
        const int first = linkOfRow(row);
        if (first < 0)
            continue;
        const QPair<QStringView, QStringView> record{trimBlanks(m_links[first].topic),
                                                     m_links[first].statement};
        if (records.contains(record))
            continue;
        records.insert(record);
        for (int second : next(first)) {
            if (!holds({first, second}))
                continue;
            if (!write({first, second}, lines))
                return lines;
            for (int third : next(second)) {
                if (!write({first, second, third}, lines))
                    return lines;
            }
        }
    }
    return lines;
}

// The chains with the row's link first, in the middle or last, walked in
// table order of their first link, then of the next: the order of the
// sorted chains, so the walk stops at the tenth line.
QStringList Deduction::chainsThrough(int row) const
{
    const int link = linkOfRow(row);
    if (link < 0)
        return {};
    const QList<int> &after = next(link);
    const QList<int> &before = previous(link);
    // Each first link, with the links that may follow it in a chain.
    QMap<int, QList<int>> seconds;
    seconds[link] = after;
    for (int b : before) {
        seconds[b] += link;
        for (int bb : previous(b))
            seconds[bb] += b;
    }
    QList<Found> lines;
    for (auto first = seconds.begin(); first != seconds.end(); ++first) {
        QList<int> followers = first.value();
        std::sort(followers.begin(), followers.end());
        followers.erase(std::unique(followers.begin(), followers.end()), followers.end());
        for (int second : followers) {
            const bool fromLink = first.key() == link;
            const bool toLink = second == link;
            if ((fromLink || toLink) && !write({first.key(), second}, lines))
                return textsOf(lines);
            // What may come third: after the link, or the link itself.
            QList<int> thirds;
            if (fromLink)
                thirds += next(second);
            if (toLink && before.contains(first.key()))
                thirds += after;
            if (!fromLink && !toLink && before.contains(second))
                thirds += link;
            std::sort(thirds.begin(), thirds.end());
            thirds.erase(std::unique(thirds.begin(), thirds.end()), thirds.end());
            for (int third : thirds) {
                if (!write({first.key(), second, third}, lines))
                    return textsOf(lines);
            }
        }
    }
    return textsOf(lines);
}

} // namespace teskaro
