// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

namespace teskaro::testing {

// A fresh temporary folder that is the working folder while it lives.
class TestFolder
{
public:
    TestFolder();
    ~TestFolder();
    Q_DISABLE_COPY_MOVE(TestFolder)

    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

    void write(const QString &name, const QByteArray &bytes,
               QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner) const;
    QByteArray read(const QString &name) const;

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

// A knowledge file of n records " TOPIC i "," STATEMENT i ", CR LF each.
QByteArray numberedRecords(int count);

// A name no shell passes on whole: blanks, quotes, a command, letters beyond Latin-1.
inline const QString hostileName = QStringLiteral("mi base \"de\" 'datos'; touch x > ñ Жизнь.alm");

} // namespace teskaro::testing
