// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "systeminformation.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace teskaro {

using namespace Qt::StringLiterals;

QString systemInformationProgram(const QString &searchPath)
{
    // Started detached with no terminal, so only windowed programs qualify.
    // Whole-system summaries first, then hardware detail, then the desktops'
    // system monitors, which show at least the machine's resources.
    static const QStringList programs{u"hardinfo"_s, u"kinfocenter"_s, u"cpu-x"_s,
                                      u"gnome-system-monitor"_s, u"mate-system-monitor"_s};
    const QStringList folders = searchPath.split(u':', Qt::SkipEmptyParts);
    for (const QString &program : programs) {
        for (const QString &folder : folders) {
            const QFileInfo candidate(QDir(folder), program);
            if (candidate.isFile() && candidate.isExecutable())
                return candidate.absoluteFilePath();
        }
    }
    return {};
}

} // namespace teskaro
