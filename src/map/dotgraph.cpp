// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dotgraph.h"

#include "shownmap.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace teskaro {

using namespace Qt::StringLiterals;

namespace {

constexpr double pointsPerInch = 72;

QString quoted(const QString &text)
{
    QString escaped = text;
    escaped.replace(u'\\', u"\\\\"_s).replace(u'"', u"\\\""_s);
    return u'"' + escaped + u'"';
}

// A box's label, and its size when the look fixes it.
QString box(const QString &text, bool isThing, const DotLook &look)
{
    QString attributes = u"label="_s + quoted(text);
    if (look.measure) {
        const QSizeF size = look.measure(text, isThing) / pointsPerInch;
        attributes += u", fixedsize=true, width="_s + QString::number(size.width()) +
                      u", height="_s + QString::number(size.height());
    }
    return attributes;
}

QString edge(const QString &from, const QString &to, const QString &attributes)
{
    return u"  "_s + from + u" -> "_s + to + u" ["_s + attributes + u"];\n"_s;
}

// "x,y" in dot's points, y upwards.
std::optional<QPointF> pointOf(QStringView text, double top)
{
    const qsizetype comma = text.indexOf(u',');
    if (comma < 0)
        return std::nullopt;
    bool xOk = false;
    bool yOk = false;
    const double x = text.first(comma).toDouble(&xOk);
    const double y = text.sliced(comma + 1).toDouble(&yOk);
    if (!xOk || !yOk)
        return std::nullopt;
    return QPointF(x, top - y);
}

// An edge's "pos": "e,x,y" (where its head ends), then its spline's points.
bool readPiece(const QJsonObject &edge, double top, MapLayout::Line &line)
{
    QList<QPointF> piece;
    const QString pos = edge.value(u"pos"_s).toString();
    for (QStringView part : QStringView(pos).split(u' ', Qt::SkipEmptyParts)) {
        const bool end = part.startsWith(u"e,"_s);
        const std::optional<QPointF> point =
            pointOf(end || part.startsWith(u"s,"_s) ? part.sliced(2) : part, top);
        if (!point)
            return false;
        if (end)
            line.tip = *point;
        else if (!part.startsWith(u"s,"_s))
            piece += *point;
    }
    if (piece.size() < 4 || (piece.size() - 1) % 3 != 0)
        return false;
    line.pieces += piece;
    return true;
}

} // namespace

QByteArray dotText(const ShownMap &shown, const DotLook &look)
{
    const QString font = u"fontname="_s + quoted(look.fontName) + u", fontsize="_s +
                         QString::number(look.fontPoints);
    QString text = u"digraph mapa {\n  graph [rankdir=LR, pack=true, nodesep=0.3, ranksep=0.4];\n"
                   u"  node [shape=box, style=rounded, margin=\"0.1,0.05\", "_s +
                   font + u"];\n  edge ["_s + font + u"];\n"_s;
    for (qsizetype thing = 0; thing < shown.things.size(); ++thing) {
        const ShownThing &each = shown.things[thing];
        text += u"  t"_s + QString::number(thing) + u" ["_s + box(each.name, true, look) +
                (each.centre ? u", style=\"rounded,filled\", fillcolor=\"#fff0b3\""_s : QString()) +
                u"];\n"_s;
    }
    for (qsizetype arrow = 0; arrow < shown.arrows.size(); ++arrow) {
        const ShownArrow &each = shown.arrows[arrow];
        const QString number = QString::number(arrow);
        QString from = u't' + QString::number(each.from);
        if (!each.copula.isEmpty()) {
            text += u"  l"_s + number + u" [shape=plaintext, margin=0.02, width=0, height=0, "_s +
                    box(each.copula, false, look) + u"];\n"_s;
            text += edge(from, u'l' + number, u"id=\"a"_s + number + u"-\", arrowhead=none"_s);
            from = u'l' + number;
        }
        text += edge(from, u't' + QString::number(each.to), u"id=a"_s + number);
    }
    for (qsizetype chain = 0; chain < shown.deductions.size(); ++chain) {
        const DeducedArrow &each = shown.deductions[chain];
        text += edge(u't' + QString::number(each.from), u't' + QString::number(each.to),
                     u"id=d"_s + QString::number(chain) +
                         u", style=dashed, color=\"#7a3e9d\", weight=0, tooltip="_s +
                         quoted(each.line));
    }
    return (text + u"}\n"_s).toUtf8();
}

std::optional<MapLayout> readLayout(const QByteArray &json, const ShownMap &shown)
{
    const QJsonObject graph = QJsonDocument::fromJson(json).object();
    const QStringList bounds = graph.value(u"bb"_s).toString().split(u',');
    if (bounds.size() != 4)
        return std::nullopt;
    MapLayout layout;
    const double top = bounds[3].toDouble();
    layout.bounds = QRectF(0, 0, bounds[2].toDouble(), top);
    layout.things.resize(shown.things.size());
    layout.arrows.resize(shown.arrows.size());
    layout.deductions.resize(shown.deductions.size());
    qsizetype placed = 0;
    for (const auto &value : graph.value(u"objects"_s).toArray()) {
        const QJsonObject node = value.toObject();
        const QString name = node.value(u"name"_s).toString();
        const qsizetype index = name.mid(1).toInt();
        const std::optional<QPointF> centre = pointOf(node.value(u"pos"_s).toString(), top);
        const bool isThing = name.startsWith(u't');
        if (!centre || index < 0 ||
            index >= (isThing ? layout.things.size() : layout.arrows.size()))
            return std::nullopt;
        if (!isThing) {
            layout.arrows[index].label = *centre;
            continue;
        }
        const QSizeF size(node.value(u"width"_s).toString().toDouble() * pointsPerInch,
                          node.value(u"height"_s).toString().toDouble() * pointsPerInch);
        layout.things[index] = QRectF(*centre - QPointF(size.width(), size.height()) / 2, size);
        ++placed;
    }
    // The piece before a copula comes first, whichever order dot gives them.
    for (const auto &value : graph.value(u"edges"_s).toArray()) {
        const QJsonObject edge = value.toObject();
        const QString id = edge.value(u"id"_s).toString();
        const bool first = id.endsWith(u'-');
        QList<MapLayout::Line> &lines = id.startsWith(u'd') ? layout.deductions : layout.arrows;
        const qsizetype index = id.mid(1, first ? id.size() - 2 : -1).toInt();
        if (index < 0 || index >= lines.size())
            return std::nullopt;
        MapLayout::Line &line = lines[index];
        const QPointF tip = line.tip;
        if (!readPiece(edge, top, line))
            return std::nullopt;
        if (first) {
            line.pieces.prepend(line.pieces.takeLast());
            line.tip = tip;
        } else {
            ++placed;
        }
    }
    if (placed != layout.things.size() + layout.arrows.size() + layout.deductions.size())
        return std::nullopt;
    return layout;
}

} // namespace teskaro
