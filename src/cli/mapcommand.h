// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

namespace teskaro {

class FilterRunner;
class Session;

// "/mapa [TEXTO] ARCHIVO.svg": the knowledge map of the session's file, the
// part a subject names (the whole file without one), drawn by dot into an
// SVG file. Returns the lines to print: a "$" line naming the file, or why
// there is none.
QStringList drawKnowledgeMap(FilterRunner &dot, const Session &session, const QString &argument);

} // namespace teskaro
