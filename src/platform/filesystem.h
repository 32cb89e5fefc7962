// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace teskaro {

// What the dialogue asks of the file system beyond reading and writing
// knowledge files.
class FileSystem
{
public:
    virtual ~FileSystem() = default;

    // True when the name leads to an entry that is not a folder.
    virtual bool fileExists(const QString &fileName) const = 0;

    // The working folder as an absolute path.
    virtual QString currentFolder() const = 0;
};

class LocalFileSystem final : public FileSystem
{
public:
    bool fileExists(const QString &fileName) const override;
    QString currentFolder() const override;
};

} // namespace teskaro
