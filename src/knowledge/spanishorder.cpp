#include "spanishorder.h"

#include <QChar>
#include <QString>

#include <array>

namespace teskaro {

namespace {

enum : quint32 {
    blankRank = 0,
    punctuationRank = 0x100, // + the character's code
    digitRank = 0x10000,     // + the digit
    letterRank = 0x10100,    // + the letter's place in the Spanish alphabet
    otherRank = 0x20000,     // + the character's code
};

// The letter without its accent, or a null QChar for anything that is not
// one of the Latin letters the Spanish alphabet orders.
QChar decomposedLetter(QChar c)
{
    const QChar upper = c.toUpper();
    if (upper == u'Ñ')
        return upper;
    const QString decomposed = QString(upper).normalized(QString::NormalizationForm_D);
    const QChar base = decomposed.isEmpty() ? upper : decomposed.at(0);
    return base >= u'A' && base <= u'Z' ? base : QChar();
}

// Latin letters with accents all lie below U+0250; decomposing them once
// keeps sorting a large file quick.
QChar baseLetter(QChar c)
{
    static const auto table = [] {
        std::array<char16_t, 0x250> letters{};
        for (char16_t code = 0; code < letters.size(); ++code)
            letters[code] = decomposedLetter(QChar(code)).unicode();
        return letters;
    }();
    return c.unicode() < table.size() ? QChar(table[c.unicode()]) : decomposedLetter(c);
}

quint32 primaryWeight(QChar c)
{
    if (c == u' ' || c == u'\t')
        return blankRank;
    if (c >= u'0' && c <= u'9')
        return digitRank + quint32(c.unicode() - u'0');
    const QChar letter = baseLetter(c);
    if (!letter.isNull()) {
        if (letter == u'Ñ')
            return letterRank + 2 * (u'N' - u'A') + 1;
        return letterRank + 2 * quint32(letter.unicode() - u'A');
    }
    if (c.unicode() < 0x80 || c.isPunct() || c.isSymbol() || c.isSpace())
        return punctuationRank + c.unicode();
    return otherRank + c.unicode();
}

// Among texts equal letter for letter: unaccented before accented, then
// upper case before lower case.
quint32 secondaryWeight(QChar c)
{
    const QChar letter = baseLetter(c);
    if (letter.isNull())
        return 0;
    const bool accented = c.toUpper() != letter;
    const bool lower = c != c.toUpper();
    return (accented ? 2u : 0u) + (lower ? 1u : 0u);
}

} // namespace

int compareSpanish(QStringView left, QStringView right)
{
    const qsizetype common = std::min(left.size(), right.size());
    for (qsizetype i = 0; i < common; ++i) {
        const quint32 a = primaryWeight(left[i]);
        const quint32 b = primaryWeight(right[i]);
        if (a != b)
            return a < b ? -1 : 1;
    }
    if (left.size() != right.size())
        return left.size() < right.size() ? -1 : 1;
    for (qsizetype i = 0; i < common; ++i) {
        const quint32 a = secondaryWeight(left[i]);
        const quint32 b = secondaryWeight(right[i]);
        if (a != b)
            return a < b ? -1 : 1;
    }
    return QStringView(left).compare(right);
}

} // namespace teskaro
