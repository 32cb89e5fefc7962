// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>

#include <array>

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
    QString querySubject;        // as written, cut, inverted, maybe singular; searched folded
    bool pluralStripped = false; // a final "S" was cut off for the search
};

QueryReading readQuery(const QString &inputLine, bool invertPronouns);

// A subject typed on its own, as a question about it searches for it: in
// capitals, after a blank, without its final "S" after a plural article;
// folded.
QString searchedSubject(QStringView typed);

// The subject as the reply names it: with its "S" back when it was cut.
QString subjectAsAsked(const QueryReading &reading);

// A question's subject, made once per question and searched for in every
// topic. Boyer-Moore with both its shifts, the bad character's and the good
// suffix's, finds the first occurrence in time linear in the topic whatever
// both hold, and skips most of an ordinary topic. The bad character's shift
// alone, as QStringMatcher has, costs topic times subject on runs of one
// letter; std::boyer_moore_searcher takes as long just to be made.
class SubjectSearch
{
public:
    explicit SubjectSearch(const QString &subject);
    Q_DISABLE_COPY_MOVE(SubjectSearch)

    qsizetype indexIn(QStringView topic) const;
    qsizetype size() const { return m_subject.size(); }

private:
    QString m_subject;
    QList<qsizetype> m_goodSuffixShift;               // by where the mismatch is
    std::array<qsizetype, 256> m_badCharacterShift{}; // by the low byte of the character
};

// A topic holds the subject when the subject occurs in it and, unless it
// stands at the very start, has a blank before or after it. Both folded.
bool topicHoldsSubject(QStringView topic, const SubjectSearch &querySubject);

} // namespace teskaro
