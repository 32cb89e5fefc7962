// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

namespace teskaro {

// One of the program's pictures on a rounded tile in the transcript's paper
// colour.
class PictureTile final : public QWidget
{
public:
    PictureTile(const QString &pictureName, int pictureSize, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace teskaro
