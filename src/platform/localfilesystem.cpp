// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "filesystem.h"

#include <QDir>
#include <QFileInfo>

namespace teskaro {

bool LocalFileSystem::fileExists(const QString &fileName) const
{
    const QFileInfo info(fileName);
    return info.exists() && !info.isDir();
}

QString LocalFileSystem::currentFolder() const
{
    return QDir::currentPath();
}

} // namespace teskaro
