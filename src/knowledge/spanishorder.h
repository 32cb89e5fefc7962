#pragma once

#include <QStringView>

namespace teskaro {

// Spanish alphabetical order: blanks first, then punctuation, then digits,
// then the letters A to N, Ñ, O to Z. Case and accents count only between
// texts that are otherwise equal (unaccented and upper case first); letters
// of other alphabets come after Z.
int compareSpanish(QStringView left, QStringView right);

} // namespace teskaro
