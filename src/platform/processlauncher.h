// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

namespace teskaro {

// Starts outside commands ("IND.BAT", the system information tool) without
// waiting for them.
class ProcessLauncher
{
public:
    virtual ~ProcessLauncher() = default;

    // Finds the program and starts it in the working folder, its environment
    // ours with the variables given as NAME=value set on top. False when it
    // cannot be found or started.
    virtual bool start(const QString &program, const QStringList &arguments,
                       const QStringList &environment) = 0;
};

// Finds a program the way a Windows program finds a bare command name: in
// the folder of the running program first, then in the working folder, then
// along PATH. Starts it detached, without a shell, with its input and output
// going nowhere, so it can neither block nor write into our own output.
class DetachedProcessLauncher final : public ProcessLauncher
{
public:
    bool start(const QString &program, const QStringList &arguments,
               const QStringList &environment) override;

    static QString locate(const QString &program, const QString &ownFolder,
                          const QString &workingFolder, const QString &path);
    // locate() from this program's folder and the working folder now.
    static QString locate(const QString &program);
};

} // namespace teskaro
