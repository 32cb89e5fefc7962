// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QChar>

namespace teskaro {

// What a character typed into the input line becomes: letters a to z and ñ
// their capitals, both question marks a blank; everything else as typed.
QChar filterTypedCharacter(QChar typed);

} // namespace teskaro
