#pragma once

#include <QChar>

namespace teskaro {

// What a character typed into the input line becomes: letters a to z and ñ
// their capitals, both question marks a blank; everything else as typed.
QChar filterTypedCharacter(QChar typed);

} // namespace teskaro
