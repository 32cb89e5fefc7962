#pragma once

#include <QString>
#include <QStringMatcher>

namespace teskaro {

// How the query handler reads one question. Pure text work: the engine
// reloads the knowledge, compares and replies.
struct QueryReading
{
    enum class Kind {
        LearningCommand, // a word that asks for Learning mode
        Empty,           // an empty input line
        Exit,            // a word that ends the program
        NotUnderstood,   // no question form
        Question,        // a subject to look up
    };

    Kind kind = Kind::Empty;
    QString querySubject;        // as searched for: cut, inverted, maybe singular
    bool pluralStripped = false; // a final "S" was cut off for the search
};

QueryReading readQuery(const QString &inputLine, bool invertPronouns);

// The subject as the reply names it: with its "S" back when it was cut.
QString subjectAsAsked(const QueryReading &reading);

// A topic holds the subject when the subject occurs in it and, unless it
// stands at the very start, has a blank before or after it. The matcher,
// built once per question, finds the subject in every topic quickly.
bool topicHoldsSubject(QStringView topic, const QStringMatcher &querySubject);

} // namespace teskaro
