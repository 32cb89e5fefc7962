// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace teskaro {

// The program's pictures, drawn from the SVG files built into it.
QPixmap picture(const QString &name, int size, qreal devicePixelRatio = 1.0);
QIcon pictureIcon(const QString &name);

} // namespace teskaro
