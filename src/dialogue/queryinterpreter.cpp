// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "queryinterpreter.h"

#include "knowledge/accents.h"
#include "knowledge/recordformat.h"
#include "textrules.h"

#include <algorithm>
#include <array>

namespace teskaro {

namespace {

constexpr std::array<const char16_t *, 2> learningCommands = {u"INPUT", u"APRENDIZAJE"};
constexpr std::array<const char16_t *, 10> exitWords = {u"FIN",    u"ADIOS", u"SALIR",    u"EXIT",
                                                        u"QUIT",   u"END",   u"THEN END", u"ME VOY",
                                                        u"QUITAR", u"CERRAR"};

// Articles and prepositions come before the interrogative phrases, so a
// question is cut at the first of them it holds.
constexpr std::array<const char16_t *, 20> questionForms = {
    u" SOBRE ",    u" DE LOS ",      u" DE LAS ",     u" DEL ",         u" LOS ",
    u" LAS ",      u" DE ",          u" EL ",         u" LA ",          u" QUIEN ES ",
    u" CUAL ES ",  u" COMO ES ",     u" QUE ES ",     u" QUIENES SON ", u" CUALES SON ",
    u" COMO SON ", u" DONDE ESTAN ", u" DONDE ESTA ", u" CONOCES A ",   u" CONOCES "};
constexpr const char16_t *formWithoutLeadingBlank = u" SOBRE ";

// The first article has no leading blank, so it is found at the very start
// of a subject cut after " SOBRE ".
constexpr std::array<const char16_t *, 4> pluralArticles = {u"LOS ", u" LAS ", u" UNAS ",
                                                            u" UNOS "};

constexpr std::array<PronounPair, 2> pronounPairs = {{{u" TU ", u" MI "}, {u" TE ", u" ME "}}};

// A plural subject with its article is searched for without its final "S",
// so that the singular is found too. Says whether it was cut.
bool stripPlural(QString &subject)
{
    if (!subject.endsWith(u'S'))
        return false;
    const QString foldedSubject = folded(subject);
    const bool hasPluralArticle =
        std::any_of(pluralArticles.begin(), pluralArticles.end(), [&](const char16_t *article) {
            return foldedSubject.contains(QStringView(article));
        });
    if (hasPluralArticle)
        subject.chop(1);
    return hasPluralArticle;
}

} // namespace

QueryReading readQuery(const QString &inputLine, bool invertPronouns)
{
    QueryReading reading;
    if (isOneOf(folded(trimBlanks(inputLine)), learningCommands)) {
        reading.kind = QueryReading::Kind::LearningCommand;
        return reading;
    }
    if (inputLine.isEmpty()) {
        reading.kind = QueryReading::Kind::Empty;
        return reading;
    }
    if (isOneOf(folded(inputLine), exitWords)) {
        reading.kind = QueryReading::Kind::Exit;
        return reading;
    }

    // The form is looked for in the folded question, and the question as
    // written cut where it stands.
    const QString questionText = u' ' + trimBlanks(upperCase(inputLine)).toString();
    const QString foldedQuestion = folded(questionText);
    qsizetype formAt = -1;
    QStringView form;
    for (const char16_t *keyword : questionForms) {
        form = keyword;
        formAt = foldedQuestion.indexOf(form);
        if (formAt >= 0)
            break;
    }
    if (formAt < 0) {
        reading.kind = QueryReading::Kind::NotUnderstood;
        return reading;
    }

    // The subject is what follows the form, from the form's final blank on.
    reading.querySubject =
        trimBlanks(QStringView(questionText).sliced(formAt + form.size() - 1)).toString();
    if (form != QStringView(formWithoutLeadingBlank))
        reading.querySubject.prepend(u' ');

    if (invertPronouns)
        swapPronouns(reading.querySubject, pronounPairs);

    reading.pluralStripped = stripPlural(reading.querySubject);
    reading.kind = QueryReading::Kind::Question;
    return reading;
}

QString searchedSubject(QStringView typed)
{
    QString subject = u' ' + trimBlanks(upperCase(typed)).toString();
    stripPlural(subject);
    return folded(subject);
}

QString subjectAsAsked(const QueryReading &reading)
{
    return reading.pluralStripped ? reading.querySubject + u'S' : reading.querySubject;
}

// The shift tables as Charras and Lecroq build them, in time linear in the
// subject. Characters share a bad-character entry by their low byte, which
// only ever makes a shift shorter, never wrong.
SubjectSearch::SubjectSearch(const QString &subject)
    : m_subject(subject)
    , m_goodSuffixShift(subject.size(), subject.size())
{
    const QStringView x = m_subject;
    const qsizetype m = x.size();
    m_badCharacterShift.fill(m);
    for (qsizetype i = 0; i + 1 < m; ++i)
        m_badCharacterShift[x[i].unicode() & 0xFF] = m - 1 - i;
    if (m == 0)
        return;
    // suffix[i]: the longest common suffix of x and x[0..i].
    QList<qsizetype> suffix(m, m);
    for (qsizetype i = m - 2, f = m - 1, g = m - 1; i >= 0; --i) {
        if (i > g && suffix[i + m - 1 - f] < i - g) {
            suffix[i] = suffix[i + m - 1 - f];
        } else {
            g = std::min(g, i);
            f = i;
            while (g >= 0 && x[g] == x[g + m - 1 - f])
                --g;
            suffix[i] = f - g;
        }
    }
    for (qsizetype i = m - 1, j = 0; i >= 0; --i) {
        if (suffix[i] != i + 1)
            continue;
        for (; j < m - 1 - i; ++j) {
            if (m_goodSuffixShift[j] == m)
                m_goodSuffixShift[j] = m - 1 - i;
        }
    }
    for (qsizetype i = 0; i + 2 <= m; ++i)
        m_goodSuffixShift[m - 1 - suffix[i]] = m - 1 - i;
}

qsizetype SubjectSearch::indexIn(QStringView topic) const
{
    const qsizetype m = m_subject.size();
    for (qsizetype j = 0; j + m <= topic.size();) {
        qsizetype i = m - 1;
        while (i >= 0 && m_subject[i] == topic[i + j])
            --i;
        if (i < 0)
            return j;
        j += std::max(m_goodSuffixShift[i],
                      m_badCharacterShift[topic[i + j].unicode() & 0xFF] - m + 1 + i);
    }
    return -1;
}

bool topicHoldsSubject(QStringView topic, const SubjectSearch &querySubject)
{
    const qsizetype matchAt = querySubject.indexIn(topic);
    if (matchAt < 0)
        return false;
    if (matchAt == 0)
        return true;
    const qsizetype after = matchAt + querySubject.size();
    const bool blankAfter = after < topic.size() && topic[after] == u' ';
    return topic[matchAt - 1] == u' ' || blankAfter;
}

} // namespace teskaro
