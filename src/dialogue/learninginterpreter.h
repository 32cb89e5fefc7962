// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace teskaro {

// How the learning handler reads one input line. Pure text work: the engine
// carries out what the reading calls for.
struct LearningReading
{
    enum class Kind {
        ConsultCommand, // a word that asks for Consultation mode
        Empty,          // an empty input line
        Exit,           // a word that ends the program
        Question,       // a question: advise to change mode
        QuestionMark,   // holds "?": change to Consultation mode
        NotUnderstood,  // no copula
        Statement,      // subject + copula + rest
    };

    Kind kind = Kind::Empty;
    // For a statement: one blank, the subject, one blank (so it begins with
    // two blanks), and one blank, the copula and the rest, two blanks; both
    // after pronoun inversion.
    QString subjectPhrase;
    QString verbPhrase;
};

LearningReading readLearningInput(const QString &inputLine, bool invertPronouns);

} // namespace teskaro
