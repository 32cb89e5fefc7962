// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace teskaro {

// The paths of the knowledge files chosen in the open and save-as dialogs
// and by teskaro-cli's /abrir and /guardar. Folder and name are joined as
// typed, with "/" between them; a folder that already ends with "/" (the
// root) gives a doubled separator, and the path is used so.
inline constexpr char16_t folderSeparator = u'/';

// The file chosen to open: folder, separator, file name (empty when none is
// selected), without outer blanks.
QString chosenFilePath(const QString &folderPath, const QString &fileName);

// The file a save-as writes: folder, separator, typed name without outer
// blanks; ".alm" is appended unless the name already ends with it in any case.
QString saveAsFilePath(const QString &folderPath, const QString &typedName);

// The active file as a full path: a name without a folder is taken from the
// current folder; a name that holds a folder is left as it is.
QString fullKnowledgeFileName(const QString &fileName, const QString &currentFolder);

} // namespace teskaro
