// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "processlauncher.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>

namespace teskaro {

namespace {

bool isRunnable(const QString &fileName)
{
    const QFileInfo info(fileName);
    return info.isFile() && info.isExecutable();
}

} // namespace

QString DetachedProcessLauncher::locate(const QString &program, const QString &ownFolder,
                                        const QString &workingFolder, const QString &path)
{
    if (program.contains(u'/'))
        return isRunnable(program) ? program : QString();
    QStringList folders{ownFolder, workingFolder};
    folders += path.split(u':', Qt::SkipEmptyParts);
    for (const QString &folder : std::as_const(folders)) {
        if (folder.isEmpty())
            continue;
        const QString candidate = QDir(folder).filePath(program);
        if (isRunnable(candidate))
            return QDir(folder).absoluteFilePath(program);
    }
    return {};
}

QString DetachedProcessLauncher::locate(const QString &program)
{
    return locate(program, QCoreApplication::applicationDirPath(), QDir::currentPath(),
                  qEnvironmentVariable("PATH"));
}

bool DetachedProcessLauncher::start(const QString &program, const QStringList &arguments,
                                    const QStringList &environment)
{
    const QString found = locate(program);
    if (found.isEmpty())
        return false;
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    for (const QString &variable : environment)
        variables.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
    QProcess process;
    process.setProgram(found);
    process.setArguments(arguments);
    process.setProcessEnvironment(variables);
    process.setWorkingDirectory(QDir::currentPath());
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    return process.startDetached();
}

} // namespace teskaro
