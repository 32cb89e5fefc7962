// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

#include <optional>

class QCoreApplication;

namespace teskaro {

struct ConsoleOptions
{
    // Seeds the choice of canned texts, so that a session can be replayed.
    std::optional<quint32> seed;
};

// Reads the command line. "--help" and "--version" are answered here and
// end the program with status 0; anything not understood ends it with
// status 2 after saying why.
ConsoleOptions readOptions(const QCoreApplication &application);

} // namespace teskaro
