// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QChar>

namespace teskaro {

// What a character typed into the input line becomes: a lower-case letter
// its capital where the knowledge file can hold it ("á" "Á", "ü" "Ü", "ñ"
// "Ñ"; "ß" stays), both question marks a blank; everything else as typed.
QChar filterTypedCharacter(QChar typed);

} // namespace teskaro
