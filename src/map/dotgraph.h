// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <functional>
#include <optional>

namespace teskaro {

struct ShownMap;

// The shown map in Graphviz's DOT language, laid out left to right by dot;
// and where dot placed it, read back from its JSON. Things are named t0,
// t1… in the order shown; arrow N is an edge aN, and for a copula a box lN
// with it in the middle, reached by an edge "aN-" without a head, so that
// dot packs what is not connected side by side and keeps the copula;
// deduction N is a dashed edge dN.

// How the map looks to dot: the size, in points, of the box that holds a
// text, a thing's name or a copula, when the window's fonts fix it;
// without it, dot sizes each box to its text.
struct DotLook
{
    std::function<QSizeF(const QString &text, bool isThing)> measure;
    QString fontName = QStringLiteral("Sans");
    double fontPoints = 11;
};

QByteArray dotText(const ShownMap &shown, const DotLook &look = {});

// Where dot placed the map, in points, y downwards.
struct MapLayout
{
    struct Line
    {
        // B-spline control points: a start, then three for each piece; a
        // statement's arrow has two pieces, one either side of its copula.
        QList<QList<QPointF>> pieces;
        QPointF tip;   // where the arrowhead ends
        QPointF label; // the centre of its copula, if it has one
    };
    QRectF bounds;
    QList<QRectF> things;
    QList<Line> arrows;
    QList<Line> deductions;
};

// Nothing when the JSON (dot -Tjson0) is not a layout of the whole map.
std::optional<MapLayout> readLayout(const QByteArray &json, const ShownMap &shown);

} // namespace teskaro
