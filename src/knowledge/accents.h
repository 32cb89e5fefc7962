// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArrayView>
#include <QString>

namespace teskaro {

// Folding, so that words written with or without accents meet: Á À Â Ä
// become A, É È Ê Ë E, Í Ì Î Ï I, Ó Ò Ô Ö O, Ú Ù Û Ü U. Nothing else
// changes: Ñ, Ç and Ã stay, and so do lower-case letters. One character
// for one, so a position in folded text is the same in the text as written.

constexpr char16_t foldedCharacter(char16_t c)
{
    if (c < 0xC0 || c > 0xDC) // nearly every character: one test
        return c;
    const auto in = [c](char16_t first, char16_t last) {
        return char16_t(c - first) <= char16_t(last - first);
    };
    char16_t folded = c;
    folded = in(0xC0, 0xC2) || c == 0xC4 ? u'A' : folded; // À Á Â, Ä
    folded = in(0xC8, 0xCB) ? u'E' : folded;              // È É Ê Ë
    folded = in(0xCC, 0xCF) ? u'I' : folded;              // Ì Í Î Ï
    folded = in(0xD2, 0xD4) || c == 0xD6 ? u'O' : folded; // Ò Ó Ô, Ö
    folded = in(0xD9, 0xDC) ? u'U' : folded;              // Ù Ú Û Ü
    return folded;
}
inline QChar foldedCharacter(QChar c)
{
    return foldedCharacter(c.unicode());
}
QString folded(QStringView text);
// Whether folding changes anything in the text.
bool foldingChanges(QStringView text);
// Whether two fields of a knowledge file (Windows-1252 bytes) are equal once
// folded, without decoding them: the folded letters are the same bytes.
bool equalFolded(QByteArrayView first, QByteArrayView second);

} // namespace teskaro
