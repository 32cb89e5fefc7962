// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drives.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include <algorithm>

namespace teskaro {

using namespace Qt::StringLiterals;

namespace {

// Home folders and the places removable and network volumes are mounted.
bool isUserFolder(const QString &mountPoint)
{
    static const QStringList prefixes{u"/home/"_s, u"/media/"_s, u"/mnt/"_s, u"/run/media/"_s};
    return mountPoint == u"/home"_s ||
           std::any_of(prefixes.begin(), prefixes.end(), [&mountPoint](const QString &prefix) {
               return mountPoint.startsWith(prefix);
           });
}

bool isPseudoFileSystem(const QString &type)
{
    static const QStringList pseudo{
        u"proc"_s,    u"sysfs"_s,    u"devtmpfs"_s,   u"devpts"_s,  u"tmpfs"_s,
        u"cgroup"_s,  u"cgroup2"_s,  u"securityfs"_s, u"debugfs"_s, u"tracefs"_s,
        u"mqueue"_s,  u"pstore"_s,   u"bpf"_s,        u"autofs"_s,  u"binfmt_misc"_s,
        u"fusectl"_s, u"configfs"_s, u"hugetlbfs"_s,  u"squashfs"_s};
    return pseudo.contains(type);
}

} // namespace

QStringList chooseUserDrives(const QList<QPair<QString, QString>> &mounts)
{
    QStringList drives{u"/"_s};
    for (const auto &[mountPoint, type] : mounts) {
        if (mountPoint != u"/"_s && isUserFolder(mountPoint) && !isPseudoFileSystem(type) &&
            !drives.contains(mountPoint))
            drives += mountPoint;
    }
    std::sort(drives.begin() + 1, drives.end());
    return drives;
}

QStringList userDrives()
{
    QList<QPair<QString, QString>> mounts;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady())
            mounts += {volume.rootPath(), QString::fromLatin1(volume.fileSystemType())};
    }
    return chooseUserDrives(mounts);
}

QString driveOf(const QString &path, const QStringList &drives)
{
    QString best = u"/"_s;
    for (const QString &drive : drives) {
        const bool holds =
            path == drive || path.startsWith(drive.endsWith(u'/') ? drive : drive + u'/');
        if (holds && drive.size() > best.size())
            best = drive;
    }
    return best;
}

bool isDriveReadable(const QString &drive)
{
    const QFileInfo info(drive);
    return info.isDir() && info.isReadable() && QDir(drive).exists();
}

} // namespace teskaro
