// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <optional>

namespace teskaro {

struct ShownMap;

// The shown map in Graphviz's DOT language, laid out left to right by dot;
// and where dot placed it, read back from its JSON. Things are named t0,
// t1… in the order shown, arrows a0…, deductions d0… (dashed).

// How the map looks to dot: the boxes' sizes, in points, when the window's
// fonts fix them; without them, dot sizes each box to its name.
struct DotLook
{
    QList<QSizeF> thingSizes; // one per shown thing, or none
    QString fontName = QStringLiteral("Sans");
    double fontPoints = 11;
};

QByteArray dotText(const ShownMap &shown, const DotLook &look = {});

// Where dot placed the map, in points, y downwards.
struct MapLayout
{
    struct Line
    {
        QList<QPointF> spline; // B-spline control points: a start, then three for each piece
        QPointF tip;           // where the arrowhead ends
        QPointF label;         // the centre of its label
    };
    QRectF bounds;
    QList<QRectF> things;
    QList<Line> arrows;
    QList<Line> deductions;
};

// Nothing when the JSON (dot -Tjson0) is not a layout of the whole map.
std::optional<MapLayout> readLayout(const QByteArray &json, const ShownMap &shown);

} // namespace teskaro
