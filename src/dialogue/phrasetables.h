#pragma once

#include <QString>

#include <array>

namespace teskaro {

// A table of canned texts. Slots 1 to phraseCount are filled; slot 0 and the
// slots above stay empty and are never picked.
using PhraseTable = std::array<QString, 51>;

struct PhraseTables
{
    PhraseTable recallPhrases;        // lead-in of an answer from a record
    PhraseTable ignorancePhrases;     // nothing is known about the subject
    PhraseTable learnedPhrases;       // acknowledgement of a learned statement
    PhraseTable notUnderstoodPhrases; // the input follows no known form
    PhraseTable teachPrompts;         // invites a statement
    PhraseTable askPrompts;           // invites a question
};

inline constexpr int phraseCountAtStart = 15;

// Fills slots 1 to 15 of every table with the program's texts.
void fillPhraseTables(PhraseTables &tables);

} // namespace teskaro
