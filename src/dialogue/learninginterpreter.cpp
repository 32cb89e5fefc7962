// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "learninginterpreter.h"

#include "knowledge/accents.h"
#include "knowledge/recordformat.h"
#include "knowledge/windows1252.h"
#include "textrules.h"

#include <array>

namespace teskaro {

namespace {

constexpr std::array<const char16_t *, 3> consultCommands = {u"HABLEMOS", u"CONVERSACION",
                                                             u"OUTPUT"};
constexpr std::array<const char16_t *, 7> learningExitWords = {
    u"FIN", u"ADIOS", u"SALIR", u"EXIT", u"QUIT", u"END", u"THEN END"};
constexpr std::array<const char16_t *, 12> questionMarkers = {
    u" SABES ",     u" SABES COMO ",  u" COMO ES ",    u" CUAL ES ",
    u" COMO SON ",  u" QUIEN ES ",    u" CUALES SON ", u" QUIENES SON ",
    u" QUE SABES ", u" QUE CONOCES ", u" ACERCA DE ",  u" HABLAME "};

constexpr std::array<PronounPair, 3> pronounPairs = {
    {{u" TU ", u" MI "}, {u" TUS ", u" MIS "}, {u" TE ", u" ME "}}};

// A statement is stored as typed but for what the file cannot carry: a
// double quote would end its field early, a character outside the code page
// would come back as another one, and a control character (a CR above all)
// would read as a line end to one reader and not to another.
QString storable(QStringView sentence)
{
    QString text = fitToWindows1252(sentence);
    text.replace(u'"', u'\'');
    for (QChar &c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = u' ';
    }
    return text;
}

} // namespace

LearningReading readLearningInput(const QString &inputLine, bool invertPronouns)
{
    LearningReading reading;
    if (isOneOf(folded(trimBlanks(inputLine)), consultCommands)) {
        reading.kind = LearningReading::Kind::ConsultCommand;
        return reading;
    }
    if (inputLine.isEmpty()) {
        reading.kind = LearningReading::Kind::Empty;
        return reading;
    }

    QString sentence = trimBlanks(upperCase(inputLine)).toString();
    if (isOneOf(folded(sentence), learningExitWords)) {
        reading.kind = LearningReading::Kind::Exit;
        return reading;
    }
    sentence = u' ' + sentence + u' ';
    const QString foldedQuestion = folded(sentence);
    for (const char16_t *marker : questionMarkers) {
        if (foldedQuestion.contains(QStringView(marker))) {
            reading.kind = LearningReading::Kind::Question;
            return reading;
        }
    }
    if (sentence.contains(u'?')) {
        reading.kind = LearningReading::Kind::QuestionMark;
        return reading;
    }

    sentence = storable(sentence);
    // The first copula of the list that occurs wins, wherever it stands;
    // the sentence is cut as written where it stands in the folded one.
    const QString foldedSentence = folded(sentence);
    qsizetype copulaAt = -1;
    for (const QStringView copula : copulas) {
        copulaAt = foldedSentence.indexOf(u' ' + copula.toString() + u' ');
        if (copulaAt >= 0)
            break;
    }
    if (copulaAt < 0) {
        reading.kind = LearningReading::Kind::NotUnderstood;
        return reading;
    }

    // The subject ends before the copula's blank; the verb phrase starts
    // after it, so each gets one blank more than the sentence gives it.
    reading.kind = LearningReading::Kind::Statement;
    reading.subjectPhrase = u' ' + sentence.first(copulaAt) + u' ';
    reading.verbPhrase = u' ' + sentence.sliced(copulaAt + 1) + u' ';
    if (invertPronouns) {
        swapPronouns(reading.verbPhrase, pronounPairs);
        swapPronouns(reading.subjectPhrase, pronounPairs);
    }
    return reading;
}

} // namespace teskaro
