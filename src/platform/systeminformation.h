// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace teskaro {

// The system information program the about box starts: the absolute path of
// the first of hardinfo, kinfocenter, cpu-x, gnome-system-monitor and
// mate-system-monitor that is an executable file in a folder of the search
// path (each program looked for along the whole path before the next), or
// an empty string when there is none.
QString systemInformationProgram(const QString &searchPath = qEnvironmentVariable("PATH"));

} // namespace teskaro
