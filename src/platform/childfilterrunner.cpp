// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "filterrunner.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

#include <memory>

namespace teskaro {

ChildFilterRunner::~ChildFilterRunner()
{
    for (QProcess *process : m_processes.findChildren<QProcess *>()) {
        process->disconnect();
        process->kill();
        process->waitForFinished(-1);
    }
}

void ChildFilterRunner::run(const QString &program, const QStringList &arguments,
                            const QByteArray &input, std::chrono::milliseconds timeLimit,
                            const QObject *receiver, std::function<void(const FilterEnd &)> ended)
{
    const QString found = QStandardPaths::findExecutable(program);
    if (found.isEmpty()) {
        QTimer::singleShot(0, receiver, [ended = std::move(ended)] {
            ended({FilterEnd::Status::Missing, {}, {}});
        });
        return;
    }
    auto *process = new QProcess(&m_processes);
    auto *limit = new QTimer(process);
    limit->setSingleShot(true);
    // Whether the time limit killed it, for the report of its end.
    auto timedOut = std::make_shared<bool>(false);
    QObject::connect(limit, &QTimer::timeout, process, [process, timedOut] {
        *timedOut = true;
        process->kill();
    });
    // Reported once, whichever comes: an end, or a start that failed.
    auto report = std::make_shared<std::function<void(const FilterEnd &)>>(std::move(ended));
    const auto finish = [process, report](const FilterEnd &end) {
        if (*report)
            (*report)(end);
        *report = nullptr;
        process->deleteLater();
    };
    QObject::connect(process, &QProcess::finished, receiver,
                     [process, timedOut, finish](int status, QProcess::ExitStatus exit) {
                         FilterEnd end;
                         end.status = *timedOut ? FilterEnd::Status::TimedOut
                                      : exit == QProcess::NormalExit && status == 0
                                          ? FilterEnd::Status::Done
                                          : FilterEnd::Status::Failed;
                         end.output = process->readAllStandardOutput();
                         end.errors = process->readAllStandardError();
                         finish(end);
                     });
    QObject::connect(process, &QProcess::errorOccurred, receiver,
                     [finish](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart)
                             finish({FilterEnd::Status::Missing, {}, {}});
                     });
    // Nobody is told any more: the process goes, and its work with it.
    QObject::connect(receiver, &QObject::destroyed, process, [process] {
        process->disconnect();
        process->kill();
        process->waitForFinished(-1);
        process->deleteLater();
    });
    process->start(found, arguments);
    process->write(input);
    process->closeWriteChannel();
    limit->start(timeLimit);
}

} // namespace teskaro
