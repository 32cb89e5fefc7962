// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mapcanvas.h"

#include "map/shownmap.h"
#include "mapitems.h"

#include <QAccessible>
#include <QBuffer>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGraphicsScene>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QSvgGenerator>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace teskaro {

using namespace Qt::StringLiterals;

namespace {

constexpr qreal margin = 12;
constexpr qreal smallestFirstZoom = 0.4;

// What tells an item apart from one redrawn: a thing's name, a deduction's line.
QString identity(const MapItem *item)
{
    if (!item)
        return {};
    return item->isThing() ? static_cast<const ThingItem *>(item)->name() : item->spoken();
}

} // namespace

MapCanvas::MapCanvas(QWidget *parent)
    : QGraphicsView(new QGraphicsScene, parent)
{
    scene()->setParent(this);
    setDragMode(ScrollHandDrag);
    setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    setFocusPolicy(Qt::StrongFocus);
    setBackgroundBrush(Qt::white);
}

DotLook MapCanvas::look() const
{
    DotLook look;
    look.measure = [font = font()](const QString &text, bool isThing) {
        return isThing ? ThingItem::sizeFor(text, font)
                       : QFontMetricsF(font).size(0, text) + QSizeF(6, 2);
    };
    look.fontName = font().family();
    look.fontPoints = QFontInfo(font()).pixelSize();
    return look;
}

void MapCanvas::draw(const ShownMap &shown, const MapLayout &layout, bool redrawn)
{
    const QString focused = identity(focusedItem());
    clearMap();
    // The centre's things come first, where the keyboard comes in.
    qsizetype centres = 0;
    for (qsizetype thing = 0; thing < shown.things.size(); ++thing) {
        auto *item = new ThingItem(int(thing), shown.things[thing], layout.things[thing], font());
        scene()->addItem(item);
        m_items.insert(shown.things[thing].centre ? centres++ : m_items.size(), item);
        connect(item, &MapItem::chosen, this, &MapCanvas::thingChosen);
    }
    m_centre = centres > 0 ? m_items.first() : nullptr;
    for (qsizetype arrow = 0; arrow < shown.arrows.size(); ++arrow)
        addArrow(*scene(), layout.arrows[arrow], shown.arrows[arrow].copula, font());
    for (qsizetype chain = 0; chain < shown.deductions.size(); ++chain) {
        auto *item =
            new DeductionItem(int(chain), shown.deductions[chain].line, layout.deductions[chain]);
        scene()->addItem(item);
        m_items += item;
    }
    for (MapItem *item : std::as_const(m_items)) {
        connect(item, &MapItem::noticed, this, [this](MapItem *noticed) {
            Q_EMIT this->noticed(noticed->spoken());
            if (noticed->hasFocus()) {
                QAccessibleEvent event(noticed, QAccessible::Focus);
                QAccessible::updateAccessibility(&event);
            }
        });
    }
    setSceneRect(layout.bounds.adjusted(-margin, -margin, margin, margin));
    // Shown whole where that leaves its names readable; else around its centre.
    if (!redrawn) {
        resetTransform();
        if (sceneRect().width() > viewport()->width() ||
            sceneRect().height() > viewport()->height())
            fit();
        if (transform().m11() < smallestFirstZoom)
            setTransform(QTransform::fromScale(smallestFirstZoom, smallestFirstZoom));
    }
    if (m_centre)
        centerOn(m_centre);
    if (hasFocus()) {
        const auto same = std::find_if(m_items.cbegin(), m_items.cend(), [&](const MapItem *item) {
            return identity(item) == focused;
        });
        focusItem(same != m_items.cend() ? *same : m_items.value(0));
    }
}

void MapCanvas::clearMap()
{
    m_items.clear();
    m_centre = nullptr;
    scene()->clear();
}

void MapCanvas::zoomBy(qreal factor)
{
    const qreal scale = transform().m11() * factor;
    if (scale > 0.05 && scale < 8)
        QGraphicsView::scale(factor, factor);
}

void MapCanvas::fit()
{
    fitInView(sceneRect(), Qt::KeepAspectRatio);
}

QByteArray MapCanvas::picture(const QString &format) const
{
    const QRectF area = sceneRect();
    const QRectF target(QPointF(), area.size());
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    if (format == u"svg"_s) {
        QSvgGenerator svg;
        svg.setOutputDevice(&bytes);
        svg.setSize(area.size().toSize());
        svg.setViewBox(target);
        svg.setTitle(window()->windowTitle());
        QPainter painter(&svg);
        scene()->render(&painter, target, area);
    } else {
        QImage image(area.size().toSize(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHints(renderHints());
        scene()->render(&painter, target, area);
        painter.end();
        image.save(&bytes, "PNG");
    }
    return bytes.data();
}

// Tab walks the items, then leaves the canvas.
bool MapCanvas::focusNextPrevChild(bool next)
{
    qsizetype at = m_items.indexOf(focusedItem());
    at = at < 0 ? (next ? 0 : m_items.size() - 1) : at + (next ? 1 : -1);
    if (hasFocus() && at >= 0 && at < m_items.size()) {
        focusItem(m_items[at]);
        return true;
    }
    // Past the items, on to the next widget: the scene would go back to the
    // item it last focused.
    scene()->clearFocus();
    return QWidget::focusNextPrevChild(next); // NOLINT(bugprone-parent-virtual-call)
}

// Coming in, the keyboard lands on the first item, the centre if there is
// one; from behind, on the last.
void MapCanvas::focusInEvent(QFocusEvent *event)
{
    QGraphicsView::focusInEvent(event);
    if (focusedItem() || m_items.isEmpty())
        return;
    focusItem(event->reason() == Qt::BacktabFocusReason ? m_items.last() : m_items.first());
}

MapItem *MapCanvas::focusedItem() const
{
    QGraphicsItem *item = scene()->focusItem();
    return item ? qobject_cast<MapItem *>(item->toGraphicsObject()) : nullptr;
}

void MapCanvas::keyPressEvent(QKeyEvent *event)
{
    const MapItem *item = focusedItem();
    const int key = event->key();
    if (item && (key == Qt::Key_Return || key == Qt::Key_Enter) && item->isThing()) {
        Q_EMIT thingChosen(item->index());
    } else if (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up ||
               key == Qt::Key_Down) {
        if (MapItem *next = nextInDirection(key))
            focusItem(next);
    } else {
        QGraphicsView::keyPressEvent(event);
    }
}

// The wheel zooms about the pointer; the keys about the middle.
void MapCanvas::wheelEvent(QWheelEvent *event)
{
    setTransformationAnchor(AnchorUnderMouse);
    zoomBy(std::pow(1.0015, event->angleDelta().y()));
    setTransformationAnchor(AnchorViewCenter);
}

void MapCanvas::focusItem(MapItem *item)
{
    if (!item)
        return;
    scene()->setFocusItem(item, Qt::OtherFocusReason);
    ensureVisible(item, 20, 20);
}

// The nearest item whose centre lies that way, within a right angle.
MapItem *MapCanvas::nextInDirection(int key) const
{
    const QGraphicsItem *current = scene()->focusItem();
    if (!current)
        return m_items.value(0);
    const QPointF from = current->sceneBoundingRect().center();
    MapItem *best = nullptr;
    qreal bestDistance = 0;
    for (MapItem *item : m_items) {
        const QPointF to = item->sceneBoundingRect().center() - from;
        const qreal ahead = key == Qt::Key_Right  ? to.x()
                            : key == Qt::Key_Left ? -to.x()
                            : key == Qt::Key_Down ? to.y()
                                                  : -to.y();
        const qreal aside = key == Qt::Key_Right || key == Qt::Key_Left ? to.y() : to.x();
        if (item == current || ahead <= 0 || std::abs(aside) > ahead)
            continue;
        const qreal distance = ahead + 2 * std::abs(aside);
        if (!best || distance < bestDistance) {
            best = item;
            bestDistance = distance;
        }
    }
    return best;
}

} // namespace teskaro
