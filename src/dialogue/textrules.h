// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <array>
#include <span>

namespace teskaro {

// The few text operations both interpreters are built from. Comparisons are
// case-sensitive; keywords carry their own blanks. The words the program
// looks for are compared on folded text (accents off, see accents.h), which
// the callers fold: a keyword found in folded text cuts the text as written
// at the same place. Pronouns compare exactly.

// Upper case, one character for one character: "ñ" becomes "Ñ" and "é"
// becomes "É", but a letter whose capital the knowledge file cannot hold,
// or that would take two characters ("ß"), stays as it is.
QString upperCase(QStringView text);

// The copulas a statement is cut at, in the order learning looks for them:
// the first of them in a sentence wins.
inline constexpr std::array<QStringView, 4> copulas = {u"ESTA", u"ESTAN", u"ES", u"SON"};

// The copula the text begins with as a whole word, accents aside (ESTÁ is
// ESTA), as written and without blanks; empty when it begins with none.
QStringView leadingCopula(QStringView text);
inline bool startsWithCopula(QStringView text)
{
    return !leadingCopula(text).isEmpty();
}

// Whether the text equals one of the words.
bool isOneOf(QStringView text, std::span<const char16_t *const> words);

// Two pronouns of the same length that swap places, such as " TU " and " MI ".
struct PronounPair
{
    const char16_t *first;
    const char16_t *second;
};

// For each pair in order: the first occurrence of the first pronoun becomes
// the second, or else the first occurrence of the second becomes the first.
// The phrase keeps its length.
void swapPronouns(QString &phrase, std::span<const PronounPair> pairs);

} // namespace teskaro
