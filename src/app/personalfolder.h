// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace teskaro {

// A start from the desktop menu works in a folder of the user's own,
// ~/Teskaro, rather than wherever the session happens to start programs.
// The desktop entry says so by setting this variable; a start from a
// terminal does not set it and keeps the terminal's folder, as always.
inline constexpr char personalFolderVariable[] = "TESKARO_CARPETA_PERSONAL";

// Makes `folder` ready to work in: creates it when missing and, when it holds
// no "default.alm", puts there a copy of `sample` that its owner may write.
// A "default.alm" already there is the user's and is never replaced. Returns
// false only when the folder cannot be had; a sample that cannot be copied
// leaves the folder without a knowledge base, which the program starts on as
// an empty memory.
bool preparePersonalFolder(const QString &folder, const QString &sample);

// When the variable is set (to anything but "" or "0"), prepares
// "<homeFolder>/Teskaro" with the sample installed beside the program
// ("<programFolder>/../share/teskaro/default.alm" in the usual layout) and
// makes it the working folder. Returns that folder, or an empty string when
// the working folder stays as it was. The variable is removed either way, so
// the programs started from here do not inherit it.
QString enterPersonalFolderIfAsked(const QString &homeFolder, const QString &programFolder);

} // namespace teskaro
