// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shownmap.h"

#include "dialogue/deduction.h"
#include "dialogue/queryinterpreter.h"
#include "dialogue/textrules.h"
#include "knowledge/accents.h"
#include "knowledge/recordformat.h"
#include "knowledgemap.h"

#include <QQueue>
#include <QSet>

namespace teskaro {

using namespace Qt::StringLiterals;

namespace {

QString counted(qsizetype count, const QString &one, const QString &many)
{
    return QString::number(count) + u' ' + (count == 1 ? one : many);
}

// The centre's things, and the rows whose chains the logic rules write for
// it: those a question about the subject answers, and those whose topic
// names a thing of the centre. Without a centre, both are empty.
struct Centre
{
    QList<int> things;
    QList<int> rows;
};

Centre centreOf(const KnowledgeMap &map, const MapRequest &request)
{
    Centre centre;
    const KnowledgeTable &table = map.table();
    const int chosen =
        request.centre.isEmpty() ? -1 : map.thingOf(folded(trimBlanks(request.centre)));
    if (chosen >= 0) {
        centre.things = {chosen};
        for (int row = 0; row < table.recordCount(); ++row) {
            if (map.thingOf(trimBlanks(table.foldedTopic(row))) == chosen)
                centre.rows += row;
        }
    } else if (!trimBlanks(request.subject).isEmpty()) {
        const SubjectSearch subject(searchedSubject(request.subject));
        centre.things = map.thingsAbout(subject, folded(trimBlanks(upperCase(request.subject))));
        const QSet<int> things(centre.things.cbegin(), centre.things.cend());
        for (int row = 0; row < table.recordCount(); ++row) {
            const QStringView topic = table.foldedTopic(row);
            if (topicHoldsSubject(topic, subject) ||
                things.contains(map.thingOf(trimBlanks(topic))))
                centre.rows += row;
        }
    }
    return centre;
}

// What the centre's things reach within the depth, as a distance for each
// thing (-1: not shown) and the arrows shown: those that leave a thing
// nearer than the depth.
QList<int> reach(const KnowledgeMap &map, const QList<int> &centres, int depth, QList<int> &arrows)
{
    QList<int> distance(map.things().size(), -1);
    QList<bool> arrowShown(map.arrows().size(), false);
    QQueue<int> next;
    for (int thing : centres) {
        distance[thing] = 0;
        next.enqueue(thing);
    }
    while (!next.isEmpty()) {
        const int thing = next.dequeue();
        if (distance[thing] >= depth)
            continue;
        for (int arrow : map.arrowsAt(thing)) {
            arrowShown[arrow] = true;
            const MapArrow &drawn = map.arrows()[arrow];
            const int other = drawn.from == thing ? drawn.to : drawn.from;
            if (distance[other] < 0) {
                distance[other] = distance[thing] + 1;
                next.enqueue(other);
            }
        }
    }
    for (int arrow = 0; arrow < arrowShown.size(); ++arrow) {
        if (arrowShown[arrow])
            arrows += arrow;
    }
    return distance;
}

// Each thing's name, then its arrows in words: "EL GATO: ES UN FELINO;
// ESTA EN LA CASA", and those that reach it as "EL PERRO ES".
void describe(ShownMap &shown)
{
    QList<QStringList> words(shown.things.size());
    for (const ShownArrow &arrow : std::as_const(shown.arrows)) {
        const QString copula = arrow.copula.isEmpty() ? QString() : arrow.copula + u' ';
        words[arrow.from] += copula + shown.things[arrow.to].name;
        if (arrow.to != arrow.from)
            words[arrow.to] += (shown.things[arrow.from].name + u' ' + arrow.copula).trimmed();
    }
    for (qsizetype thing = 0; thing < shown.things.size(); ++thing) {
        ShownThing &each = shown.things[thing];
        each.spoken =
            words[thing].isEmpty() ? each.name : each.name + u": "_s + words[thing].join(u"; "_s);
    }
}

} // namespace

ShownMap showMap(const KnowledgeMap &map, const MapRequest &request)
{
    ShownMap shown;
    const Centre centre = centreOf(map, request);
    const QString subject = trimBlanks(upperCase(request.subject)).toString();
    if (centre.things.isEmpty() && !subject.isEmpty()) {
        shown.refusal = u"Ninguna afirmación trata de "_s + subject + u'.';
        return shown;
    }
    const qsizetype statements = map.arrows().size();
    if (centre.things.isEmpty() && statements > MapRequest::mostWholeStatements) {
        shown.refusal = u"El archivo tiene "_s + QString::number(statements) +
                        u" afirmaciones, más de las "_s +
                        QString::number(MapRequest::mostWholeStatements) +
                        u" que el mapa muestra enteras: escriba un tema para ver su parte."_s;
        return shown;
    }

    QList<int> arrows;
    QList<int> distance;
    if (centre.things.isEmpty()) {
        distance.fill(0, map.things().size());
        for (int arrow = 0; arrow < statements; ++arrow)
            arrows += arrow;
    } else {
        distance = reach(map, centre.things, request.depth, arrows);
    }
    // Deductions end where they end, however far that is.
    QList<DeducedArrow> deduced; // between the map's things
    if (request.deductions && !centre.rows.isEmpty()) {
        const KnowledgeTable &table = map.table();
        for (const Deduction::Found &chain : Deduction(table).chainEndsFrom(centre.rows)) {
            const int from = map.thingOf(trimBlanks(table.foldedTopic(chain.firstRow)));
            const int to = map.objectThing(chain.lastRow);
            if (from < 0 || to < 0)
                continue;
            for (int end : {from, to}) {
                if (distance[end] < 0)
                    distance[end] = request.depth + 1;
            }
            deduced += {from, to, u":) DEDUZCO QUE "_s + chain.text};
        }
    }

    QList<int> shownIndex(distance.size(), -1);
    for (int thing = 0; thing < distance.size(); ++thing) {
        if (distance[thing] >= 0) {
            shownIndex[thing] = int(shown.things.size());
            const bool atCentre = !centre.things.isEmpty() && distance[thing] == 0;
            shown.things += {map.things()[thing].name, {}, atCentre};
        }
    }
    if (shown.things.size() > MapRequest::mostThings) {
        shown.refusal = u"Esa parte del mapa tiene "_s + QString::number(shown.things.size()) +
                        u" cosas, más de las "_s + QString::number(MapRequest::mostThings) +
                        u" que muestra a la vez: elija un tema más preciso o menos profundidad."_s;
        shown.things.clear();
        return shown;
    }
    for (int arrow : std::as_const(arrows)) {
        const MapArrow &drawn = map.arrows()[arrow];
        shown.arrows += {shownIndex[drawn.from], shownIndex[drawn.to], drawn.copula};
    }
    for (const DeducedArrow &arrow : std::as_const(deduced))
        shown.deductions += {shownIndex[arrow.from], shownIndex[arrow.to], arrow.line};
    describe(shown);
    return shown;
}

QString shownCounts(const ShownMap &shown)
{
    return counted(shown.things.size(), u"cosa"_s, u"cosas"_s) + u", "_s +
           counted(shown.arrows.size(), u"afirmación"_s, u"afirmaciones"_s);
}

} // namespace teskaro
