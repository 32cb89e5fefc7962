// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "map/dotgraph.h"

#include <QGraphicsView>

namespace teskaro {

class MapItem;
struct ShownMap;

// Where the knowledge map is drawn, as dot laid it out. The wheel and
// zoomBy() zoom, a drag pans, fit() shows it whole. The keyboard walks its
// things and deductions: Tab and the arrow keys move between them, Intro
// makes a thing the centre. A redraw keeps the thing focused.
class MapCanvas final : public QGraphicsView
{
    Q_OBJECT

public:
    explicit MapCanvas(QWidget *parent = nullptr);

    // How dot is to size what the canvas draws in its font.
    DotLook look() const;
    // A map drawn anew is shown at its size, or made smaller to fit, within
    // reason; one redrawn keeps the zoom.
    void draw(const ShownMap &shown, const MapLayout &layout, bool redrawn);
    void clearMap();
    void zoomBy(qreal factor);
    void fit();

    // What the keyboard reaches, in the order Tab walks it: the centre's
    // things, the other things, the deductions.
    const QList<MapItem *> &items() const { return m_items; }
    // The picture of the map as it is drawn, "png" or "svg".
    QByteArray picture(const QString &format) const;

Q_SIGNALS:
    void thingChosen(int thing);
    // What to tell of the item focused or pointed at.
    void noticed(const QString &text);

protected:
    bool focusNextPrevChild(bool next) override;
    void focusInEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    MapItem *focusedItem() const;
    void focusItem(MapItem *item);
    MapItem *nextInDirection(int key) const;

    QList<MapItem *> m_items;
    MapItem *m_centre = nullptr; // the first thing at the centre, if any
};

} // namespace teskaro
