// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "deduction.h"

#include "knowledge/accents.h"
#include "knowledge/knowledgetable.h"
#include "knowledge/recordformat.h"
#include "knowledge/windows1252.h"
#include "textrules.h"

#include <QHash>
#include <QMap>
#include <QSet>

#include <algorithm>
#include <array>

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
        if (isArticle([this](qsizetype i) { return m_word[i].unicode(); }, 0, m_word.size()))
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

    // EL, LA, LO, LOS, LAS, UN, UNA, UNOS, UNAS, the size letters at start.
    template <typename Letter>
    static bool isArticle(const Letter &letter, qsizetype start, qsizetype size)
    {
        if (size < 2 || size > 4)
            return false;
        const auto at = [&](qsizetype i) {
            return letter(start + i);
        };
        const bool el = at(0) == u'E' && at(1) == u'L';
        const bool la = at(0) == u'L' && (at(1) == u'A' || at(1) == u'O');
        const bool un = at(0) == u'U' && at(1) == u'N';
        if (size == 2)
            return el || la || un;
        if (size == 3)
            return (la && at(2) == u'S') || (un && at(2) == u'A');
        return un && (at(2) == u'O' || at(2) == u'A') && at(3) == u'S';
    }

private:
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

// The end of a word's root: trailing S and E taken off, then a final C or
// Z. Words that match one another always share their root.
template <typename Letter>
qsizetype rootEnd(const Letter &letter, qsizetype start, qsizetype end)
{
    while (end > start && (letter(end - 1) == u'S' || letter(end - 1) == u'E'))
        --end;
    if (end > start && (letter(end - 1) == u'C' || letter(end - 1) == u'Z'))
        --end;
    return end;
}

// The roots of a phrase's first and last words, a leading article left
// out, hashed: two phrases that name the same thing have the same key, so a
// key finds the few phrases worth comparing word by word, and costs only
// those two words. Zero for a phrase of no words. The phrase is read a
// folded letter at a time, so that folded text and a field's bytes are
// keyed alike.
template <typename Letter>
quint64 keyOfLetters(qsizetype size, const Letter &letter)
{
    const auto skipBlanks = [&](qsizetype at) {
        while (at < size && letter(at) == u' ')
            ++at;
        return at;
    };
    const auto wordEnd = [&](qsizetype at) {
        while (at < size && letter(at) != u' ')
            ++at;
        return at;
    };
    qsizetype start = skipBlanks(0);
    qsizetype end = wordEnd(start);
    if (Words::isArticle(letter, start, end - start)) {
        start = skipBlanks(end);
        end = wordEnd(start);
    }
    if (start == end)
        return 0;
    qsizetype last = size;
    while (last > 0 && letter(last - 1) == u' ')
        --last;
    qsizetype lastStart = last;
    while (lastStart > 0 && letter(lastStart - 1) != u' ')
        --lastStart;
    quint64 key = 0xcbf29ce484222325ULL;
    for (const auto &[from, to] : {std::pair{start, rootEnd(letter, start, end)},
                                   std::pair{lastStart, rootEnd(letter, lastStart, last)}}) {
        for (qsizetype at = from; at < to; ++at)
            key = (key ^ letter(at)) * 0x100000001b3ULL;
        key = (key ^ u' ') * 0x100000001b3ULL;
    }
    return key;
}

quint64 keyOf(QStringView phrase)
{
    return keyOfLetters(phrase.size(), [phrase](qsizetype at) { return phrase[at].unicode(); });
}

// The same for a field's bytes, folded one by one: keys of bytes are
// compared only with keys of bytes.
quint64 keyOfBytes(QByteArrayView field)
{
    static constexpr std::array<char16_t, 256> foldedBytes = [] {
        std::array<char16_t, 256> folded{};
        for (std::size_t byte = 0; byte < folded.size(); ++byte)
            folded[byte] = foldedCharacter(char16_t(byte));
        return folded;
    }();
    return keyOfLetters(field.size(),
                        [field](qsizetype at) { return foldedBytes[uchar(field[at])]; });
}

// The first letters of a phrase's first and last words, a leading article
// left out: phrases that name the same thing share them, and they are
// cheaper than a key. Zero for a phrase of no words.
quint32 shelfOf(QStringView phrase)
{
    const QStringView first = Words(phrase).peek();
    if (first.isEmpty())
        return 0;
    const QStringView whole = trimBlanks(phrase);
    qsizetype lastStart = whole.size() - 1;
    while (lastStart > 0 && whole[lastStart - 1] != u' ')
        --lastStart;
    return quint32(first.front().unicode()) << 16 | whole[lastStart].unicode();
}

// What a trimmed statement leads to, as written: the rest after its copula
// (after EN, for ESTA and ESTAN), empty when it leads nowhere; nothing when
// it is no link. Says in isAt whether the copula is ESTA or ESTAN.
std::optional<QStringView> objectOf(QStringView statement, bool &isAt)
{
    const QStringView copula = leadingCopula(statement);
    isAt = copula.size() >= 4;
    if (copula.isEmpty() || copula.size() == statement.size())
        return std::nullopt;
    const QStringView object = trimBlanks(statement.sliced(copula.size()));
    if (!isAt)
        return object;
    const bool en = object.size() > 3 && foldedCharacter(object[0]) == u'E' && object[1] == u'N' &&
                    object[2] == u' ';
    return en ? object.sliced(3) : QStringView();
}

QByteArrayView trimmedBytes(QByteArrayView bytes)
{
    while (bytes.startsWith(' '))
        bytes = bytes.sliced(1);
    while (bytes.endsWith(' '))
        bytes.chop(1);
    return bytes;
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
bool Deduction::write(const Chain &chain, QStringList &lines) const
{
    if (holds(chain)) {
        const QString text = textOf(chain);
        if (!lines.contains(text))
            lines += text;
    }
    return lines.size() < mostLines;
}

// Links are numbered in table order: walking the rows in order and each
// link's successors in order gives the chains in the order they are
// written, so the walk stops at the tenth line.
QStringList Deduction::chainsFrom(const QList<int> &rows) const
{
    QStringList lines;
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
    QStringList lines;
    for (auto first = seconds.begin(); first != seconds.end(); ++first) {
        QList<int> followers = first.value();
        std::sort(followers.begin(), followers.end());
        followers.erase(std::unique(followers.begin(), followers.end()), followers.end());
        for (int second : followers) {
            const bool fromLink = first.key() == link;
            const bool toLink = second == link;
            if ((fromLink || toLink) && !write({first.key(), second}, lines))
                return lines;
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
                    return lines;
            }
        }
    }
    return lines;
}

QStringList chainsThroughLearned(QByteArrayView before, const QList<RecordFields> &fields,
                                 const QList<KnowledgeRecord> &learned)
{
    // A first pass over the file's bytes finds the links without decoding
    // them: a chain through the learned statement can only hold links whose
    // topic or object has the key of what it leads to or comes from, or of
    // what those lead to or come from. The first letter of a phrase's last
    // word, which the key holds, turns most links away before any key is
    // made; only the links that take part are decoded.
    struct Raw
    {
        QByteArrayView topic;
        QByteArrayView statement;
        QByteArrayView object;
        char16_t topicLetter = 0;
        char16_t objectLetter = 0;
    };
    const auto lastLetter = [](QByteArrayView phrase) -> char16_t {
        phrase = trimmedBytes(phrase);
        const qsizetype blank = phrase.lastIndexOf(' ');
        return phrase.isEmpty() ? 0 : foldedCharacter(char16_t(uchar(phrase[blank + 1])));
    };
    const auto rawOf = [&](QByteArrayView topic, QByteArrayView statement) -> std::optional<Raw> {
        statement = trimmedBytes(statement);
        // The copula from the statement's first letters, folded.
        std::array<char16_t, 6> start{};
        const auto size = std::min<qsizetype>(statement.size(), qsizetype(start.size()));
        std::transform(statement.begin(), statement.begin() + size, start.begin(),
                       [](char byte) { return foldedCharacter(char16_t(uchar(byte))); });
        const qsizetype copula = leadingCopula(QStringView(start.data(), size)).size();
        if (copula == 0 || copula == statement.size())
            return std::nullopt;
        QByteArrayView object = trimmedBytes(statement.sliced(copula));
        if (copula >= 4) { // ESTA and ESTAN lead somewhere only with EN
            const bool en = object.size() > 3 &&
                            foldedCharacter(char16_t(uchar(object[0]))) == u'E' &&
                            object[1] == 'N' && object[2] == ' ';
            object = en ? object.sliced(3) : QByteArrayView();
        }
        return Raw{topic, statement, object, lastLetter(topic), lastLetter(object)};
    };
    QList<Raw> links;
    for (const RecordFields &record : fields) {
        if (const auto raw = rawOf(before.sliced(record.topic.start, record.topic.length),
                                   before.sliced(record.statement.start, record.statement.length)))
            links += *raw;
    }
    const QByteArray topic = encodeWindows1252(learned.first().topic);
    const QByteArray rest = encodeWindows1252(learned.first().statement);
    const std::optional<Raw> learnedLink = rawOf(topic, rest);
    if (!learnedLink)
        return {};
    // What may come after the learned link, or after that; what may come
    // before it, or before that: as keys, with their letters.
    const auto matches = [](QByteArrayView phrase, char16_t letter, const QList<char16_t> &letters,
                            const QSet<quint64> &keys) {
        return letter != 0 && letters.contains(letter) && keys.contains(keyOfBytes(phrase));
    };
    QList<char16_t> topicLetters{learnedLink->objectLetter};
    QSet<quint64> topicKeys{keyOfBytes(learnedLink->object)};
    QList<char16_t> objectLetters{learnedLink->topicLetter};
    QSet<quint64> objectKeys{keyOfBytes(learnedLink->topic)};
    const quint64 afterKey = keyOfBytes(learnedLink->object);
    const quint64 beforeKey = keyOfBytes(learnedLink->topic);
    for (const Raw &link : std::as_const(links)) {
        if (link.topicLetter == learnedLink->objectLetter && keyOfBytes(link.topic) == afterKey) {
            if (!topicLetters.contains(link.objectLetter))
                topicLetters += link.objectLetter;
            topicKeys.insert(keyOfBytes(link.object));
        }
        if (link.objectLetter == learnedLink->topicLetter && keyOfBytes(link.object) == beforeKey) {
            if (!objectLetters.contains(link.topicLetter))
                objectLetters += link.topicLetter;
            objectKeys.insert(keyOfBytes(link.topic));
        }
    }
    KnowledgeTable table;
    for (const Raw &link : std::as_const(links)) {
        if ((matches(link.topic, link.topicLetter, topicLetters, topicKeys) ||
             matches(link.object, link.objectLetter, objectLetters, objectKeys)) &&
            !table.isFull())
            table.append(link.topic, link.statement);
    }
    if (table.isFull())
        return {};
    const int row = table.recordCount();
    for (const KnowledgeRecord &record : learned) {
        if (!table.isFull())
            table.append(record);
    }
    return Deduction(table).chainsThrough(row);
}

} // namespace teskaro
