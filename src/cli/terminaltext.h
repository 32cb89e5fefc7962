// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QStringView>

namespace teskaro {

// Text as it may reach a terminal: UTF-8, with every control character but
// the line end written as "?". A knowledge file or a typed line may hold
// escape sequences, which would otherwise set the title, clear the screen
// or worse.
QByteArray terminalText(QStringView text);

} // namespace teskaro
