// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "personalfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace teskaro {

using namespace Qt::StringLiterals;

namespace {

bool asked()
{
    const QByteArray value = qgetenv(personalFolderVariable);
    return !value.isEmpty() && value != "0";
}

} // namespace

bool preparePersonalFolder(const QString &folder, const QString &sample)
{
    const QDir dir(folder);
    if (!dir.mkpath(u"."_s))
        return false;
    const QString knowledge = dir.filePath(u"default.alm"_s);
    // A link counts as the user's file even when it leads nowhere: copying
    // over it would replace what the user set up.
    const QFileInfo existing(knowledge);
    if (existing.exists() || existing.isSymLink())
        return true;
    // QFile::copy() never replaces a file. The copy must take what is learned
    // even when the installed sample is read-only and its mode is carried over.
    if (QFile::copy(sample, knowledge)) {
        QFile::setPermissions(knowledge,
                              QFile::permissions(knowledge) | QFile::ReadOwner | QFile::WriteOwner);
    }
    return true;
}

QString enterPersonalFolderIfAsked(const QString &homeFolder, const QString &programFolder)
{
    const bool wanted = asked();
    qunsetenv(personalFolderVariable);
    if (!wanted || homeFolder.isEmpty())
        return {};
    const QString folder = QDir(homeFolder).filePath(u"Teskaro"_s);
    // Where the sample lies relative to the program's own folder once
    // installed; worked out by the build from the installation folders.
    const QString sample =
        QDir::cleanPath(QDir(programFolder).filePath(QStringLiteral(TESKARO_SAMPLE_FROM_BINDIR)));
    if (!preparePersonalFolder(folder, sample) || !QDir::setCurrent(folder))
        return {};
    return QDir(folder).absolutePath();
}

} // namespace teskaro
