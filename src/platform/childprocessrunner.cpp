// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "processlauncher.h"
#include "processrunner.h"

#include <QDir>
#include <QProcess>

namespace teskaro {

ChildProcessRunner::~ChildProcessRunner()
{
    // A command killed half-way would leave its work undone.
    waitForAll();
}

bool ChildProcessRunner::run(const QString &program, const QStringList &arguments,
                             const QObject *receiver, std::function<void(const ProcessEnd &)> ended)
{
    const QString found = DetachedProcessLauncher::locate(program);
    if (found.isEmpty())
        return false;
    auto *process = new QProcess(&m_processes);
    process->setProgram(found);
    process->setArguments(arguments);
    process->setWorkingDirectory(QDir::currentPath());
    process->setStandardInputFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::finished, receiver,
                     [process, ended = std::move(ended)](int status, QProcess::ExitStatus exit) {
                         ended({exit == QProcess::CrashExit, status,
                                process->readAllStandardOutput(), process->readAllStandardError()});
                     });
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    process->start();
    if (process->waitForStarted())
        return true;
    delete process;
    return false;
}

void ChildProcessRunner::waitForAll()
{
    for (QProcess *process : m_processes.findChildren<QProcess *>())
        process->waitForFinished(-1);
}

} // namespace teskaro
