#pragma once

#include <QString>

#include <span>

namespace teskaro {

// The few text operations both interpreters are built from. Positions are
// 1-based and 0 means absent; comparisons are exact and case-sensitive.

// Upper case, one character for one character: "ñ" becomes "Ñ" and "é"
// becomes "É", but a letter whose capital the knowledge file cannot hold,
// or that would take two characters ("ß"), stays as it is.
QString upperCase(QStringView text);

// Removes blanks (code 32) at both ends, and nothing else.
QString trimmedBlanks(QStringView text);

// 1-based position of the first occurrence of needle in text, 0 if absent.
qsizetype position(QStringView text, QStringView needle);

// Overwrites the characters of text from the 1-based position on with the
// replacement, keeping the text's length.
void overwriteAt(QString &text, qsizetype position, QStringView replacement);

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
