// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "testfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

namespace teskaro::testing {

TestFolder::TestFolder()
    : m_previous(QDir::currentPath())
{
    QVERIFY2(m_dir.isValid(), "no temporary folder");
    QDir::setCurrent(m_dir.path());
}

TestFolder::~TestFolder()
{
    QDir::setCurrent(m_previous);
}

void TestFolder::write(const QString &name, const QByteArray &bytes,
                       QFile::Permissions permissions) const
{
    QFile file(filePath(name));
    QVERIFY(QDir().mkpath(QFileInfo(file).path()) && file.open(QIODevice::WriteOnly));
    QVERIFY(file.write(bytes) == bytes.size() && file.setPermissions(permissions));
}

QByteArray TestFolder::read(const QString &name) const
{
    QFile file(filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray numberedRecords(int count)
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += "\" TOPIC " + QByteArray::number(i) + " \",\" STATEMENT " + QByteArray::number(i) +
                 " \"\r\n";
    return bytes;
}

} // namespace teskaro::testing
