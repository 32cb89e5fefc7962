// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogue/mode.h"

#include <QString>

namespace teskaro {

class Session;

// How the side panel of the window is told on a terminal.

// "Aprendizaje" or "Consulta", as the mode options read.
QString modeName(Mode mode);

// The knowledge panel and the mode in one line, for "/estado".
QString statusLine(const Session &session);

// The prompt at a terminal: the mode, the knowledge file and its count.
QString promptLine(const Session &session);

} // namespace teskaro
