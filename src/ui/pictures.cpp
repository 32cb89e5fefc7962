// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pictures.h"

#include <QPainter>
#include <QSvgRenderer>

namespace teskaro {

using namespace Qt::StringLiterals;

namespace {

QString resourceOf(const QString &name)
{
    return u":/pictures/"_s + name + u".svg"_s;
}

} // namespace

QPixmap picture(const QString &name, int size, qreal devicePixelRatio)
{
    QSvgRenderer renderer(resourceOf(name));
    QPixmap pixmap(QSize(size, size) * devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

QIcon pictureIcon(const QString &name)
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(picture(name, size));
    return icon;
}

} // namespace teskaro
