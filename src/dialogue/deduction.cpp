// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "deduction.h"

#include "knowledge/accents.h"
#include "knowledge/knowledgetable.h"
#include "knowledge/recordformat.h"
#include "textrules.h"

#include <QHash>

#include <algorithm>

namespace teskaro {

using namespace Qt::StringLiterals;

namespace {

// The phrase's words, a leading article left out, one at a time.
class Words
{
public:
    explicit Words(QStringView phrase)
        : m_rest(phrase)
    {
        advance();
        if (isArticle(m_word))
            advance();
    }

    bool atEnd() const { return m_word.isEmpty(); }
    QStringView peek() const { return m_word; }
    QStringView next()
    {
        const QStringView word = m_word;
        advance();
        return word;
    }

private:
    static bool isArticle(QStringView word)
    {
        static const QStringView articles[] = {u"EL", u"LA",  u"LO",   u"LOS", u"LAS",
                                               u"UN", u"UNA", u"UNOS", u"UNAS"};
        return word.size() >= 2 && word.size() <= 4 &&
               (word[0] == u'E' || word[0] == u'L' || word[0] == u'U') &&
               std::find(std::begin(articles), std::end(articles), word) != std::end(articles);
    }
    void advance()
    {
        qsizetype start = 0;
        while (start < m_rest.size() && m_rest[start] == u' ')
            ++start;
        qsizetype end = start;
        while (end < m_rest.size() && m_rest[end] != u' ')
            ++end;
        m_word = m_rest.sliced(start, end - start);
        m_rest = m_rest.sliced(end);
    }

    QStringView m_rest;
    QStringView m_word;
};

bool isPluralOf(QStringView plural, QStringView word)
{
    const qsizetype extra = plural.size() - word.size();
    if (extra == 1 || extra == 2) {
        if (plural.startsWith(word) && plural.sliced(word.size()) == (extra == 1 ? u"S" : u"ES"))
            return true;
    }
    return extra == 2 && word.endsWith(u'Z') && plural.endsWith(u"CES") &&
           plural.startsWith(word.chopped(1));
}

bool wordsMatch(QStringView a, QStringView b)
{
    return a == b || isPluralOf(a, b) || isPluralOf(b, a);
}

// Trailing S and E taken off, then a final C or Z: words that match one
// another always share it, so it narrows the search before the words are
// compared.
QStringView root(QStringView phrase)
{
    QStringView word = Words(phrase).peek();
    while (word.endsWith(u'S') || word.endsWith(u'E'))
        word.chop(1);
    if (word.endsWith(u'C') || word.endsWith(u'Z'))
        word.chop(1);
    return word;
}

} // namespace

bool nameSameThing(QStringView first, QStringView second)
{
    Words a(first);
    Words b(second);
    if (a.atEnd())
        return false;
    while (!a.atEnd() && !b.atEnd()) {
        if (!wordsMatch(a.next(), b.next()))
            return false;
    }
    return a.atEnd() && b.atEnd();
}

// Links are compared on folded text and written as they are: a statement
// that folds is folded here once, the topics come folded from the table.
Deduction::Deduction(const KnowledgeTable &table)
{
    m_links.reserve(table.recordCount());
    for (int row = 0; row < table.recordCount(); ++row) {
        const KnowledgeRecord &record = table.record(row);
        const QStringView statement = trimBlanks(record.statement);
        QStringView foldedStatement = statement;
        if (foldingChanges(statement)) {
            m_foldedStatements += folded(statement);
            foldedStatement = m_foldedStatements.last();
        }
        const QStringView copula = leadingCopula(foldedStatement);
        // A copula with nothing after it says nothing to chain.
        if (copula.isEmpty() || copula.size() == statement.size())
            continue;
        const bool isAt = copula.startsWith(u"ESTA");
        Link link{
            row, isAt, trimBlanks(record.topic), statement, trimBlanks(table.foldedTopic(row)),
            {},  {}};
        const QStringView object = trimBlanks(foldedStatement.sliced(copula.size()));
        if (!isAt)
            link.target = object;
        else if (object.startsWith(u"EN "))
            link.target = object.sliced(3);
        link.topicRoot = root(link.foldedTopic);
        m_links += link;
    }
}

bool Deduction::leads(const Link &from, const Link &to) const
{
    return from.isAt == to.isAt && nameSameThing(from.target, to.foldedTopic);
}

Deduction::Neighbours Deduction::neighbours(const QList<int> &links, bool forward) const
{
    QHash<QStringView, QList<int>> asking; // by the root they look for
    for (qsizetype i = 0; i < links.size(); ++i) {
        const Link &link = m_links[links[i]];
        if (!forward || !link.target.isEmpty())
            asking[forward ? root(link.target) : link.topicRoot] += int(i);
    }
    Neighbours found(links.size());
    if (asking.isEmpty())
        return found;
    for (int other = 0; other < m_links.size(); ++other) {
        const Link &candidate = m_links[other];
        const auto it = asking.constFind(forward ? candidate.topicRoot : root(candidate.target));
        if (it == asking.cend())
            continue;
        for (int i : *it) {
            const Link &link = m_links[links[i]];
            if (forward ? leads(link, candidate) : leads(candidate, link))
                found[i] += other;
        }
    }
    return found;
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
        text += m_links[chain[i]].topic;
        text += u' ';
        text += m_links[chain[i]].statement;
    }
    return text;
}

// Links are numbered in table order: walking the rows in order and each
// link's successors in order gives the chains in the order they are written.
QStringList Deduction::chainsFrom(const QList<int> &rows) const
{
    QList<int> firsts;
    for (int row : rows) {
        if (const int link = linkOfRow(row); link >= 0)
            firsts += link;
    }
    const Neighbours seconds = neighbours(firsts, true);
    QList<int> middles;
    for (const QList<int> &links : seconds)
        middles += links;
    std::sort(middles.begin(), middles.end());
    middles.erase(std::unique(middles.begin(), middles.end()), middles.end());
    const Neighbours thirds = neighbours(middles, true);

    QStringList lines;
    const auto write = [this, &lines](const Chain &chain) {
        if (!holds(chain))
            return true;
        const QString text = textOf(chain);
        if (!lines.contains(text))
            lines += text;
        return lines.size() < mostLines;
    };
    for (qsizetype i = 0; i < firsts.size(); ++i) {
        for (int second : seconds[i]) {
            if (!holds({firsts[i], second}))
                continue;
            if (!write({firsts[i], second}))
                return lines;
            const qsizetype middle =
                std::lower_bound(middles.begin(), middles.end(), second) - middles.begin();
            for (int third : thirds[middle]) {
                if (!write({firsts[i], second, third}))
                    return lines;
            }
        }
    }
    return lines;
}

QStringList Deduction::chainsThrough(int row) const
{
    const int link = linkOfRow(row);
    if (link < 0)
        return {};
    const QList<int> after = neighbours({link}, true).first();
    const QList<int> before = neighbours({link}, false).first();
    const Neighbours afterAfter = neighbours(after, true);
    const Neighbours beforeBefore = neighbours(before, false);

    QList<Chain> chains;
    for (qsizetype i = 0; i < after.size(); ++i) {
        chains += Chain{link, after[i]};
        for (int third : afterAfter[i])
            chains += Chain{link, after[i], third};
    }
    for (qsizetype i = 0; i < before.size(); ++i) {
        chains += Chain{before[i], link};
        for (int next : after)
            chains += Chain{before[i], link, next};
        for (int first : beforeBefore[i])
            chains += Chain{first, before[i], link};
    }
    // In the order of the table, a chain before those that extend it.
    std::sort(chains.begin(), chains.end());
    QStringList lines;
    for (const Chain &chain : std::as_const(chains)) {
        if (!holds(chain))
            continue;
        const QString text = textOf(chain);
        if (!lines.contains(text))
            lines += text;
        if (lines.size() == mostLines)
            break;
    }
    return lines;
}

} // namespace teskaro
