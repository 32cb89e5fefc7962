// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "measuredrun.h"

#include <QElapsedTimer>
#include <QFile>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

MeasuredRun runMeasured(const QString &program, const QStringList &arguments, const QString &folder)
{
    // Everything the child needs is prepared before fork.
    const QByteArray path = QFile::encodeName(program);
    const QByteArray directory = QFile::encodeName(folder);
    std::vector<QByteArray> storage{path};
    for (const QString &argument : arguments)
        storage.push_back(argument.toLocal8Bit());
    std::vector<char *> argv;
    argv.reserve(storage.size() + 1);
    for (QByteArray &argument : storage)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    QElapsedTimer clock;
    clock.start();
    const pid_t child = ::fork();
    if (child == 0) {
        const int nothing = ::open("/dev/null", O_RDWR);
        ::dup2(nothing, 0);
        ::dup2(nothing, 1);
        ::dup2(nothing, 2);
        if (::chdir(directory.constData()) != 0)
            ::_exit(126);
        ::execv(path.constData(), argv.data());
        ::_exit(127);
    }
    if (child < 0)
        return {};
    int status = 0;
    rusage usage{};
    if (::wait4(child, &status, 0, &usage) != child)
        return {};
    return {WIFEXITED(status) && WEXITSTATUS(status) == 0, double(clock.nsecsElapsed()) / 1e9,
            usage.ru_maxrss};
}
