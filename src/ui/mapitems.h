// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "map/dotgraph.h"

#include <QFont>
#include <QGraphicsObject>
#include <QPainterPath>

class QGraphicsScene;

namespace teskaro {

struct ShownThing;

// What the knowledge map draws that the keyboard reaches: a thing, or a
// deduction's dashed arrow. Each says in words what it is, for a screen
// reader and for the window's line of detail.
class MapItem : public QGraphicsObject
{
    Q_OBJECT

public:
    MapItem(int index, QString spoken);

    int index() const { return m_index; }
    QString spoken() const { return m_spoken; }
    virtual bool isThing() const = 0;

Q_SIGNALS:
    // Focused, or under the pointer: what to tell of it.
    void noticed(teskaro::MapItem *item);
    // Clicked; for a thing, it becomes the centre.
    void chosen(int index);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void hoverEnterEvent(QGraphicsSceneHoverEvent *event) override;
    void hoverLeaveEvent(QGraphicsSceneHoverEvent *event) override;
    bool highlighted() const { return m_hovered || hasFocus(); }

private:
    int m_index;
    QString m_spoken;
    bool m_hovered = false;
};

// A thing: its name in a rounded box, filled when it is the centre.
class ThingItem final : public MapItem
{
    Q_OBJECT

public:
    ThingItem(int index, const ShownThing &thing, const QRectF &box, const QFont &font);

    // The box a name needs in the font, wrapped to a reasonable width.
    static QSizeF sizeFor(const QString &name, const QFont &font);

    bool isThing() const override { return true; }
    QString name() const { return m_name; }
    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;

private:
    QString m_name;
    QRectF m_box;
    QFont m_font;
    bool m_centre;
};

// A deduction: a dashed arrow from the chain's first topic to its last object.
class DeductionItem final : public MapItem
{
    Q_OBJECT

public:
    DeductionItem(int index, const QString &line, const MapLayout::Line &drawn);

    bool isThing() const override { return false; }
    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

private:
    QPainterPath m_path;
    QPolygonF m_head;
};

// An arrow of a statement, with its copula: drawn, never focused.
void addArrow(QGraphicsScene &scene, const MapLayout::Line &drawn, const QString &copula,
              const QFont &font);

} // namespace teskaro
