// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "knowledge/knowledgeloader.h"

#include <QString>

namespace teskaro {

class Session;

// Reads the active knowledge file into the session's table afresh and shows
// its record count. Returns what the user must be told, as a status line
// without its line end: empty when the whole file was read or when there is
// no file (an empty knowledge base, which the first statement creates).
QString reloadTable(Session &session);
// What the user must be told of a file loaded with that outcome, the same way.
QString loadNote(const QString &file, const LoadOutcome &outcome);

} // namespace teskaro
