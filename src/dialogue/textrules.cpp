// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "textrules.h"

#include "knowledge/accents.h"
#include "knowledge/windows1252.h"

#include <algorithm>

namespace teskaro {

QString upperCase(QStringView text)
{
    QString upper = text.toString();
    for (QChar &c : upper) {
        const QChar capital = c.toUpper();
        if (capital != c && isWindows1252(capital))
            c = capital;
    }
    return upper;
}

QStringView leadingCopula(QStringView text)
{
    // Every copula begins with ES or SO: most texts are turned away at once.
    if (text.size() < 2 || !((foldedCharacter(text[0]) == u'E' && text[1] == u'S') ||
                             (text[0] == u'S' && foldedCharacter(text[1]) == u'O')))
        return {};
    for (const QStringView word : copulas) {
        if (text.size() < word.size() || (text.size() > word.size() && text[word.size()] != u' '))
            continue;
        const QStringView written = text.first(word.size());
        if (std::equal(written.begin(), written.end(), word.begin(),
                       [](QChar a, QChar b) { return foldedCharacter(a) == b; }))
            return written;
    }
    return {};
}

bool isOneOf(QStringView text, std::span<const char16_t *const> words)
{
    return std::ranges::any_of(words,
                               [text](const char16_t *word) { return text == QStringView(word); });
}

void swapPronouns(QString &phrase, std::span<const PronounPair> pairs)
{
    for (const PronounPair &pair : pairs) {
        const QStringView first(pair.first);
        const QStringView second(pair.second);
        if (const qsizetype at = phrase.indexOf(first); at >= 0)
            phrase.replace(at, first.size(), second.data(), second.size());
        else if (const qsizetype other = phrase.indexOf(second); other >= 0)
            phrase.replace(other, second.size(), first.data(), first.size());
    }
}

} // namespace teskaro
