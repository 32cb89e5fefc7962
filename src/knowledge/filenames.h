// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace teskaro {

// How the open and save-as dialogs form file names. Names are joined as
// typed, with "/" between folder and name; a folder that already ends with
// "/" (the root) gives a doubled separator, and the name is used so.
inline constexpr char16_t folderSeparator = u'/';

// The open dialog: folder, separator, selected file (empty when none is
// selected), without outer blanks.
QString openDialogName(const QString &folderPath, const QString &fileName);

// The save-as dialog: folder, separator, typed name without outer blanks;
// ".alm" is appended unless the name already ends with it in any case.
QString saveDialogName(const QString &folderPath, const QString &typedName);

// The active file as a full path: a name without a folder is taken from the
// current folder; a name that holds a folder is left as it is.
QString fullKnowledgeFileName(const QString &fileName, const QString &currentFolder);

} // namespace teskaro
