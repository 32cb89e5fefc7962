// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace teskaro {

// Qt's own texts (the standard right-click menus, the buttons of message
// boxes) in Spanish, like the rest of the windows. Left in English when
// Qt's translations are not installed.
void installSpanishQtTexts();

} // namespace teskaro
