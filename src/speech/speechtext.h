// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace teskaro {

// Turns a reply as the dialogue displays it into the text espeak-ng reads aloud.
//
// Replies are written in capitals, open with a smiley and may end in CR LF. The smiley is
// dropped (espeak-ng would pause on its punctuation) and the text is put in sentence case:
// a capitalised word next to lower-case ones is taken for an abbreviation and spelled ("TU" as
// "te u"), while a full stop followed by a lower-case word is not taken for the end of a
// sentence. A full stop squeezed between two letters would be read out as "punto".
QString spokenText(const QString &displayed);

} // namespace teskaro
