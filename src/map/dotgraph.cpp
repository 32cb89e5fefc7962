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

// "x,y" in dot's points, y upwards.
std::optional<QPointF> pointOf(QStringView text, double top)
{
    const qsizetype comma = text.indexOf(u',');
    bool xOk = false;
    bool yOk = false;
    const double x = text.first(std::max<qsizetype>(comma, 0)).toDouble(&xOk);
    const double y = text.sliced(comma + 1).toDouble(&yOk);
    if (comma < 0 || !xOk || !yOk)
        return std::nullopt;
    return QPointF(x, top - y);
}

// An edge's "pos": "e,x,y" (the arrowhead's end), then the spline's points.
std::optional<MapLayout::Line> lineOf(const QJsonObject &edge, double top)
{
    MapLayout::Line line;
    const QString pos = edge.value(u"pos"_s).toString();
    for (QStringView part : QStringView(pos).split(u' ', Qt::SkipEmptyParts)) {
        const bool end = part.startsWith(u"e,"_s);
        if (part.startsWith(u"s,"_s))
            continue;
        const std::optional<QPointF> point = pointOf(end ? part.sliced(2) : part, top);
        if (!point)
            return std::nullopt;
        if (end)
            line.tip = *point;
        else
            line.spline += *point;
    }
    if (line.spline.size() < 4)
        return std::nullopt;
    if (line.tip.isNull())
        line.tip = line.spline.last();
    const QString label = edge.value(u"lp"_s).toString();
    line.label = label.isEmpty() ? line.spline[line.spline.size() / 2]
                                 : pointOf(label, top).value_or(line.spline.first());
    return line;
}

} // namespace

QByteArray dotText(const ShownMap &shown, const DotLook &look)
{
    const QString font = u"fontname="_s + quoted(look.fontName) + u", fontsize="_s +
                         QString::number(look.fontPoints);
    QString text = u"digraph mapa {\n  graph [rankdir=LR, nodesep=0.3, ranksep=0.6];\n"
                   u"  node [shape=box, style=rounded, margin=\"0.1,0.05\", "_s +
                   font + u"];\n  edge ["_s + font + u"];\n"_s;
    for (qsizetype thing = 0; thing < shown.things.size(); ++thing) {
        const ShownThing &each = shown.things[thing];
        text += u"  t"_s + QString::number(thing) + u" [label="_s + quoted(each.name);
        if (thing < look.thingSizes.size()) {
            const QSizeF size = look.thingSizes[thing] / pointsPerInch;
            text += u", fixedsize=true, width="_s + QString::number(size.width()) + u", height="_s +
                    QString::number(size.height());
        }
        if (each.centre)
            text += u", style=\"rounded,filled\", fillcolor=\"#fff0b3\""_s;
        text += u"];\n"_s;
    }
    for (qsizetype arrow = 0; arrow < shown.arrows.size(); ++arrow) {
        const ShownArrow &each = shown.arrows[arrow];
        text += u"  t"_s + QString::number(each.from) + u" -> t"_s + QString::number(each.to) +
                u" [id=a"_s + QString::number(arrow) + u", label="_s + quoted(each.copula) +
                u"];\n"_s;
    }
    for (qsizetype chain = 0; chain < shown.deductions.size(); ++chain) {
        const DeducedArrow &each = shown.deductions[chain];
        text += u"  t"_s + QString::number(each.from) + u" -> t"_s + QString::number(each.to) +
                u" [id=d"_s + QString::number(chain) +
                u", style=dashed, color=\"#7a3e9d\", constraint=false, tooltip="_s +
                quoted(each.line) + u"];\n"_s;
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
    for (const QJsonValue &value : graph.value(u"objects"_s).toArray()) {
        const QJsonObject node = value.toObject();
        const qsizetype thing = node.value(u"name"_s).toString().mid(1).toInt();
        const std::optional<QPointF> centre = pointOf(node.value(u"pos"_s).toString(), top);
        if (!centre || thing < 0 || thing >= layout.things.size())
            return std::nullopt;
        const QSizeF size(node.value(u"width"_s).toString().toDouble() * pointsPerInch,
                          node.value(u"height"_s).toString().toDouble() * pointsPerInch);
        layout.things[thing] = QRectF(*centre - QPointF(size.width(), size.height()) / 2, size);
        ++placed;
    }
    for (const QJsonValue &value : graph.value(u"edges"_s).toArray()) {
        const QJsonObject edge = value.toObject();
        const QString id = edge.value(u"id"_s).toString();
        QList<MapLayout::Line> &lines = id.startsWith(u'd') ? layout.deductions : layout.arrows;
        const qsizetype index = id.mid(1).toInt();
        const std::optional<MapLayout::Line> line = lineOf(edge, top);
        if (!line || index < 0 || index >= lines.size())
            return std::nullopt;
        lines[index] = *line;
        ++placed;
    }
    if (placed != layout.things.size() + layout.arrows.size() + layout.deductions.size())
        return std::nullopt;
    return layout;
}

} // namespace teskaro
