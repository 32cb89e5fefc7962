// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

namespace teskaro {

// What the dialogs' drive lists offer on a system without drive letters:
// the mounted file systems a user would choose from, the root first, then
// home and removable or network volumes, in alphabetical order.
QStringList userDrives();

// The same choice made from a list of (mount point, file system type).
QStringList chooseUserDrives(const QList<QPair<QString, QString>> &mounts);

// The drive that holds the path: the longest mount point it lies under.
QString driveOf(const QString &path, const QStringList &drives);

// Whether the drive's folder can be read now.
bool isDriveReadable(const QString &drive);

} // namespace teskaro
