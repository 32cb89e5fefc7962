// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

namespace teskaro {

// How an outside command ended.
struct ProcessEnd
{
    bool crashed = false; // ended by a signal: the status means nothing
    int status = 0;
    QByteArray output; // its standard output
    QByteArray errors; // its standard error
};

// Runs outside commands whose end the user is told of (repetido) without
// waiting for them: the end is reported later, from the event loop.
class ProcessRunner
{
public:
    virtual ~ProcessRunner() = default;

    // Finds the program as DetachedProcessLauncher does and starts it in the
    // working folder, with no input. False when it cannot be found or
    // started. Once it has ended, `ended` is called from the event loop,
    // unless the receiver is gone by then.
    virtual bool run(const QString &program, const QStringList &arguments, const QObject *receiver,
                     std::function<void(const ProcessEnd &)> ended) = 0;
};

// Commands run as child processes whose output is kept until they end. Ends
// no command it started: at its own end it waits for them.
class ChildProcessRunner final : public ProcessRunner
{
public:
    ChildProcessRunner() = default;
    ~ChildProcessRunner() override;
    Q_DISABLE_COPY_MOVE(ChildProcessRunner)

    bool run(const QString &program, const QStringList &arguments, const QObject *receiver,
             std::function<void(const ProcessEnd &)> ended) override;

    // Waits until every command started has ended and been reported.
    void waitForAll();

private:
    QObject m_processes; // the parent of those still running
};

} // namespace teskaro
