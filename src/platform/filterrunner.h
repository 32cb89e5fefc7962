// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>

namespace teskaro {

// How a filter ended.
struct FilterEnd
{
    enum class Status {
        Done,     // it exited with status 0
        Missing,  // it could not be found or started
        Failed,   // it exited with another status, or was killed by a signal
        TimedOut, // it ran past its time limit and was killed
    };
    Status status = Status::Done;
    QByteArray output; // its standard output
    QByteArray errors; // its standard error
};

// Runs programs that read their standard input and write their standard
// output (Graphviz's dot), without waiting for them: the end is reported
// later, from the event loop, so a window stays responsive meanwhile.
class FilterRunner
{
public:
    virtual ~FilterRunner() = default;

    // Runs the program, found on PATH, with the input on its standard input.
    // Once it has ended, or been killed past the time limit, `ended` is
    // called from the event loop, unless the receiver is gone by then; a
    // receiver that goes kills the program.
    virtual void run(const QString &program, const QStringList &arguments, const QByteArray &input,
                     std::chrono::milliseconds timeLimit, const QObject *receiver,
                     std::function<void(const FilterEnd &)> ended) = 0;
};

// Filters run as child processes. Kills those still running at its end.
class ChildFilterRunner final : public FilterRunner
{
public:
    ChildFilterRunner() = default;
    ~ChildFilterRunner() override;
    Q_DISABLE_COPY_MOVE(ChildFilterRunner)

    void run(const QString &program, const QStringList &arguments, const QByteArray &input,
             std::chrono::milliseconds timeLimit, const QObject *receiver,
             std::function<void(const FilterEnd &)> ended) override;

private:
    QObject m_processes; // the parent of those still running
};

} // namespace teskaro
