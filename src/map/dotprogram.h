// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <chrono>
#include <functional>

namespace teskaro {

class FilterRunner;

// Graphviz's dot, run as a program of its own (its libraries are not
// linked): the map in DOT on its standard input, the layout (format
// "json0") or the picture ("svg") on its output.
inline constexpr std::chrono::seconds dotTimeLimit{20};

// Reports dot's output, or why there is none, from the event loop.
void runDot(FilterRunner &runner, const QByteArray &dot, const QString &format,
            const QObject *receiver,
            std::function<void(const QByteArray &output, const QString &failure)> done);
// The same, waiting for it to end.
QByteArray runDotToEnd(FilterRunner &runner, const QByteArray &dot, const QString &format,
                       QString &failure);

// Writes the bytes as the whole file, which changes only once they are all
// written. Returns why it could not, or an empty text.
QString writeWholeFile(const QString &fileName, const QByteArray &bytes);

} // namespace teskaro
