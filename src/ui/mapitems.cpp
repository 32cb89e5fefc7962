// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mapitems.h"

#include "map/shownmap.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsSimpleTextItem>
#include <QPainter>
#include <QPalette>
#include <QPen>

namespace teskaro {

using namespace Qt::StringLiterals;

namespace {

constexpr QSizeF padding(10, 6);
constexpr qreal widestText = 220;
constexpr int textFlags = Qt::AlignCenter | Qt::TextWordWrap;
const QColor arrowColour(0x50, 0x50, 0x50);
const QColor deductionColour(0x7a, 0x3e, 0x9d);
const QColor centreColour(0xff, 0xf0, 0xb3);
const QColor borderColour(0x4a, 0x6b, 0x8a);

QPainterPath splineOf(const MapLayout::Line &drawn)
{
    QPainterPath path;
    for (const QList<QPointF> &piece : drawn.pieces) {
        path.moveTo(piece.first());
        for (qsizetype at = 1; at + 2 < piece.size(); at += 3)
            path.cubicTo(piece[at], piece[at + 1], piece[at + 2]);
    }
    return path;
}

// A head from the spline's end to the tip dot gave it.
QPolygonF headOf(const MapLayout::Line &drawn)
{
    const QPointF base = drawn.pieces.last().last();
    const QPointF along = drawn.tip - base;
    const QPointF across(-along.y() / 2.5, along.x() / 2.5);
    return QPolygonF({drawn.tip, base + across, base - across});
}

} // namespace

MapItem::MapItem(int index, QString spoken)
    : m_index(index)
    , m_spoken(std::move(spoken))
{
    setFlag(ItemIsFocusable);
    setAcceptHoverEvents(true);
    setToolTip(m_spoken);
}

void MapItem::focusInEvent(QFocusEvent *event)
{
    QGraphicsObject::focusInEvent(event);
    update();
    Q_EMIT noticed(this);
}

void MapItem::focusOutEvent(QFocusEvent *event)
{
    QGraphicsObject::focusOutEvent(event);
    update();
}

void MapItem::hoverEnterEvent(QGraphicsSceneHoverEvent *event)
{
    m_hovered = true;
    update();
    QGraphicsObject::hoverEnterEvent(event);
    Q_EMIT noticed(this);
}

void MapItem::hoverLeaveEvent(QGraphicsSceneHoverEvent *event)
{
    m_hovered = false;
    update();
    QGraphicsObject::hoverLeaveEvent(event);
}

ThingItem::ThingItem(int index, const ShownThing &thing, const QRectF &box, const QFont &font)
    : MapItem(index, thing.spoken)
    , m_name(thing.name)
    , m_box(box)
    , m_font(font)
    , m_centre(thing.centre)
{
    setCursor(Qt::PointingHandCursor);
}

QSizeF ThingItem::sizeFor(const QString &name, const QFont &font)
{
    const QRectF text =
        QFontMetricsF(font).boundingRect(QRectF(0, 0, widestText, 1000), textFlags, name);
    return text.size() + 2 * padding;
}

QRectF ThingItem::boundingRect() const
{
    return m_box.adjusted(-2, -2, 2, 2);
}

void ThingItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    const QPalette palette = QApplication::palette();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(highlighted() ? QPen(palette.color(QPalette::Highlight), 3)
                                  : QPen(borderColour, 1.2));
    painter->setBrush(m_centre ? centreColour : QColor(Qt::white));
    painter->drawRoundedRect(m_box, 6, 6);
    painter->setFont(m_font);
    painter->setPen(Qt::black);
    painter->drawText(m_box, textFlags, m_name);
}

// A press that ends on the thing chooses it; one that drags pans the map.
void ThingItem::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    event->setAccepted(event->button() == Qt::LeftButton);
}

void ThingItem::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && m_box.contains(event->pos()))
        Q_EMIT chosen(index());
}

DeductionItem::DeductionItem(int index, const QString &line, const MapLayout::Line &drawn)
    : MapItem(index, line)
    , m_path(splineOf(drawn))
    , m_head(headOf(drawn))
{}

QRectF DeductionItem::boundingRect() const
{
    return shape().boundingRect();
}

// Wide enough to point at.
QPainterPath DeductionItem::shape() const
{
    QPainterPathStroker stroker;
    stroker.setWidth(10);
    QPainterPath area = stroker.createStroke(m_path);
    area.addPolygon(m_head);
    return area;
}

void DeductionItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    painter->setRenderHint(QPainter::Antialiasing);
    QPen pen(deductionColour, highlighted() ? 3 : 1.5, Qt::DashLine);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    painter->drawPath(m_path);
    pen.setStyle(Qt::SolidLine);
    painter->setPen(pen);
    painter->setBrush(deductionColour);
    painter->drawPolygon(m_head);
}

void addArrow(QGraphicsScene &scene, const MapLayout::Line &drawn, const QString &copula,
              const QFont &font)
{
    const QPen pen(arrowColour, 1.2);
    scene.addPath(splineOf(drawn), pen);
    scene.addPolygon(headOf(drawn), pen, arrowColour);
    if (copula.isEmpty())
        return;
    auto *label = scene.addSimpleText(copula, font);
    label->setBrush(arrowColour);
    label->setPos(drawn.label - label->boundingRect().center());
}

} // namespace teskaro
