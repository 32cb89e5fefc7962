// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

// Runs a program to its end in a folder, its input empty and its output
// discarded, and tells how long it took and the most memory it held.
struct MeasuredRun
{
    bool ok = false;
    double seconds = 0;
    long peakKilobytes = 0;
};

MeasuredRun runMeasured(const QString &program, const QStringList &arguments,
                        const QString &folder);
