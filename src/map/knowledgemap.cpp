// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "knowledgemap.h"

#include "dialogue/knowledgelisting.h"
#include "dialogue/naming.h"
#include "dialogue/queryinterpreter.h"
#include "dialogue/tableloading.h"
#include "dialogue/textrules.h"
#include "knowledge/accents.h"
#include "knowledge/knowledgeloader.h"
#include "knowledge/recordformat.h"

#include <numeric>

namespace teskaro {

using namespace Qt::StringLiterals;

CutStatement cutStatement(QStringView statement)
{
    const QStringView trimmed = trimBlanks(statement);
    bool isAt = false;
    const std::optional<QStringView> object = objectOf(trimmed, isAt);
    if (!object)
        return {{}, trimmed.toString()};
    if (isAt && !object->isEmpty()) {
        // ESTA EN: the copula runs up to where the object starts.
        const qsizetype objectAt = object->data() - trimmed.data();
        return {trimBlanks(trimmed.first(objectAt)).toString(), object->toString()};
    }
    const QStringView copula = leadingCopula(trimmed);
    return {copula.toString(), trimBlanks(trimmed.sliced(copula.size())).toString()};
}

KnowledgeMap::KnowledgeMap(KnowledgeTable table)
    : m_table(std::move(table))
{
    QList<KnowledgeRecord> records;
    records.reserve(m_table.recordCount());
    for (int row = 0; row < m_table.recordCount(); ++row)
        records += m_table.record(row);

    // Arrows between phrases first, each phrase once in file order.
    QStringList names;
    const auto phraseOf = [&](QStringView asStored) {
        const QString phrase = folded(asStored);
        const auto found = m_phraseIndex.constFind(phrase);
        if (found != m_phraseIndex.cend())
            return *found;
        m_phraseIndex.insert(phrase, int(m_phrases.size()));
        m_phrases += phrase;
        names += asStored.toString();
        return int(m_phrases.size() - 1);
    };
    for (const KnowledgeStatement &statement : pairStatements(records)) {
        QStringView topic = trimBlanks(statement.shown.topic);
        CutStatement cut = cutStatement(statement.shown.statement);
        // A mirror image left without its statement reads as that statement.
        if (cut.copula.isEmpty()) {
            if (CutStatement mirrored = cutStatement(topic); !mirrored.copula.isEmpty()) {
                topic = trimBlanks(statement.shown.statement);
                cut = std::move(mirrored);
            }
        }
        const int from = phraseOf(topic);
        m_arrows += {from, phraseOf(cut.rest), cut.copula, statement.shownRow};
    }

    // Phrases that name the same thing share a key; of those, the ones the
    // test links are one thing, named by its first phrase.
    QList<int> firstOf(m_phrases.size());
    std::iota(firstOf.begin(), firstOf.end(), 0);
    joinThings(firstOf);
    m_phraseThings.resize(m_phrases.size());
    for (int phrase = 0; phrase < m_phrases.size(); ++phrase) {
        if (firstOf[phrase] == phrase) {
            m_phraseThings[phrase] = int(m_things.size());
            m_things += MapThing{names[phrase]};
        } else {
            m_phraseThings[phrase] = m_phraseThings[firstOf[phrase]];
        }
    }
    m_arrowsAt.resize(m_things.size());
    for (int arrow = 0; arrow < m_arrows.size(); ++arrow) {
        MapArrow &drawn = m_arrows[arrow];
        drawn.from = m_phraseThings[drawn.from];
        drawn.to = m_phraseThings[drawn.to];
        m_arrowsAt[drawn.from] += arrow;
        if (drawn.to != drawn.from)
            m_arrowsAt[drawn.to] += arrow;
    }
}

// Leaves in firstOf, for each phrase, the first phrase of its thing.
void KnowledgeMap::joinThings(QList<int> &firstOf) const
{
    const auto first = [&firstOf](int phrase) {
        while (firstOf[phrase] != phrase)
            phrase = firstOf[phrase] = firstOf[firstOf[phrase]];
        return phrase;
    };
    QHash<quint64, QList<int>> byKey;
    for (int phrase = 0; phrase < m_phrases.size(); ++phrase) {
        if (const quint64 key = keyOf(m_phrases[phrase]); key != 0)
            byKey[key] += phrase;
    }
    for (const QList<int> &sharing : std::as_const(byKey)) {
        for (qsizetype a = 0; a < sharing.size(); ++a) {
            for (qsizetype b = a + 1; b < sharing.size(); ++b) {
                const int one = first(sharing[a]);
                const int other = first(sharing[b]);
                if (one != other && nameSameThing(m_phrases[sharing[a]], m_phrases[sharing[b]]))
                    firstOf[std::max(one, other)] = std::min(one, other);
            }
        }
    }
    for (int phrase = 0; phrase < m_phrases.size(); ++phrase)
        firstOf[phrase] = first(phrase);
}

int KnowledgeMap::thingOf(QStringView foldedPhrase) const
{
    const auto found = m_phraseIndex.constFind(foldedPhrase.toString());
    return found == m_phraseIndex.cend() ? -1 : m_phraseThings[*found];
}

// Phrases are stored with a blank either side, and matched so.
QList<int> KnowledgeMap::thingsAbout(const SubjectSearch &subject, QStringView typed) const
{
    QList<bool> holds(m_things.size(), false);
    for (int phrase = 0; phrase < m_phrases.size(); ++phrase) {
        if (topicHoldsSubject(u' ' + m_phrases[phrase] + u' ', subject) ||
            nameSameThing(typed, m_phrases[phrase]))
            holds[m_phraseThings[phrase]] = true;
    }
    QList<int> things;
    for (int thing = 0; thing < holds.size(); ++thing) {
        if (holds[thing])
            things += thing;
    }
    return things;
}

int KnowledgeMap::objectThing(int row) const
{
    return thingOf(folded(cutStatement(m_table.record(row).statement).rest));
}

KnowledgeMap readKnowledgeMap(const QString &fileName, QString &note)
{
    KnowledgeTable table;
    note = loadNote(fileName, loadKnowledgeTable(fileName, table));
    if (note.startsWith(u"$ "_s))
        note.remove(0, 2);
    return KnowledgeMap(std::move(table));
}

} // namespace teskaro
