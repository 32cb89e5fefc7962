// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mapaccessibility.h"

#include "mapcanvas.h"
#include "mapitems.h"

#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QGraphicsScene>

namespace teskaro {

using namespace Qt::StringLiterals;

namespace {

MapCanvas *canvasOf(const MapItem *item)
{
    const QList<QGraphicsView *> views =
        item->scene() ? item->scene()->views() : QList<QGraphicsView *>();
    return views.isEmpty() ? nullptr : qobject_cast<MapCanvas *>(views.first());
}

class MapItemAccessible final : public QAccessibleObject
{
public:
    explicit MapItemAccessible(MapItem *item)
        : QAccessibleObject(item)
    {}

    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(canvasOf(item()));
    }
    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return item()->spoken();
        if (kind == QAccessible::Description && item()->isThing())
            return u"Intro la pone en el centro del mapa"_s;
        return {};
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.focusable = true;
        const MapCanvas *canvas = canvasOf(item());
        state.focused = item()->hasFocus() && canvas && canvas->hasFocus();
        return state;
    }
    QRect rect() const override
    {
        const MapCanvas *canvas = canvasOf(item());
        if (!canvas)
            return {};
        const QRect shown = canvas->mapFromScene(item()->sceneBoundingRect()).boundingRect();
        return QRect(canvas->viewport()->mapToGlobal(shown.topLeft()), shown.size());
    }

private:
    MapItem *item() const { return static_cast<MapItem *>(object()); }
};

// The canvas, whose children are the items the keyboard reaches.
class MapCanvasAccessible final : public QAccessibleWidget
{
public:
    explicit MapCanvasAccessible(MapCanvas *canvas)
        : QAccessibleWidget(canvas, QAccessible::List)
    {}

    int childCount() const override { return int(canvas()->items().size()); }
    QAccessibleInterface *child(int index) const override
    {
        const QList<MapItem *> &items = canvas()->items();
        return index >= 0 && index < items.size()
                   ? QAccessible::queryAccessibleInterface(items[index])
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return int(canvas()->items().indexOf(qobject_cast<MapItem *>(child->object())));
    }
    QAccessibleInterface *focusChild() const override
    {
        for (MapItem *item : canvas()->items()) {
            if (item->hasFocus())
                return QAccessible::queryAccessibleInterface(item);
        }
        return QAccessibleWidget::focusChild();
    }

private:
    MapCanvas *canvas() const { return static_cast<MapCanvas *>(object()); }
};

} // namespace

QAccessibleInterface *createMapInterface(const QString &, QObject *object)
{
    if (auto *canvas = qobject_cast<MapCanvas *>(object))
        return new MapCanvasAccessible(canvas);
    if (auto *item = qobject_cast<MapItem *>(object))
        return new MapItemAccessible(item);
    return nullptr;
}

} // namespace teskaro
