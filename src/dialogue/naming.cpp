// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "naming.h"

#include "knowledge/accents.h"
#include "knowledge/recordformat.h"
#include "textrules.h"

#include <array>

namespace teskaro {

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

} // namespace

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

} // namespace teskaro
