// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>

namespace teskaro {

class KnowledgeMap;

// Which part of the map to show: a thing made its centre, or else the
// things a subject names, or else the whole file; with what lies within
// `depth` arrows of the centre, either way.
struct MapRequest
{
    static constexpr int mostWholeStatements = 150; // shown without a subject
    static constexpr int mostThings = 300;          // shown at once

    QString subject;         // as typed; empty: the whole file
    QString centre;          // the name of the thing chosen as centre; empty: none
    int depth = 2;           // 1 to 3
    bool deductions = false; // the chains the logic rules write for the centre
};

struct ShownThing
{
    QString name;
    QString spoken;      // its name and its arrows in words, for a screen reader
    bool centre = false; // the subject names it, or it was chosen
};

// Things are indexes into the shown things.
struct ShownArrow
{
    int from = -1;
    int to = -1;
    QString copula;
};

struct DeducedArrow
{
    int from = -1; // the first topic of the chain
    int to = -1;   // its last object
    QString line;  // ":) DEDUZCO QUE …", as the rules write it
};

struct ShownMap
{
    QList<ShownThing> things;
    QList<ShownArrow> arrows; // in file order
    QList<DeducedArrow> deductions;
    QString refusal; // why nothing is shown; empty when the map is
};

ShownMap showMap(const KnowledgeMap &map, const MapRequest &request);

// "N cosas, M afirmaciones", each in the singular for one.
QString shownCounts(const ShownMap &shown);

} // namespace teskaro
