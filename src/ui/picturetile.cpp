// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picturetile.h"

#include "pictures.h"

#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace teskaro {

namespace {

constexpr int margin = 12;

} // namespace

PictureTile::PictureTile(const QString &pictureName, int pictureSize, QWidget *parent)
    : QWidget(parent)
{
    setFixedSize(pictureSize + 2 * margin, pictureSize + 2 * margin);
    auto *image = new QLabel(this);
    image->setPixmap(picture(pictureName, pictureSize, devicePixelRatioF()));
    image->setFixedSize(pictureSize, pictureSize);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->addWidget(image);
}

void PictureTile::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient paper(0, 0, 0, height());
    paper.setColorAt(0, QColor(251, 242, 232));
    paper.setColorAt(1, QColor(242, 219, 194));
    painter.setPen(QColor(214, 188, 160));
    painter.setBrush(paper);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 14, 14);
}

} // namespace teskaro
