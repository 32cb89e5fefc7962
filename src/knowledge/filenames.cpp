// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "filenames.h"

#include "recordformat.h"

namespace teskaro {

QString chosenFilePath(const QString &folderPath, const QString &fileName)
{
    return trimBlanks(folderPath + folderSeparator + fileName).toString();
}

QString saveAsFilePath(const QString &folderPath, const QString &typedName)
{
    QString name =
        trimBlanks(folderPath + folderSeparator + trimBlanks(typedName).toString()).toString();
    if (name.right(4).toLower() != QStringLiteral(".alm"))
        name += QStringLiteral(".alm");
    return name;
}

QString fullKnowledgeFileName(const QString &fileName, const QString &currentFolder)
{
    if (fileName.contains(folderSeparator))
        return fileName;
    return trimBlanks(currentFolder + folderSeparator + fileName).toString();
}

} // namespace teskaro
