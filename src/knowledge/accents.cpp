// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accents.h"

#include <algorithm>
#include <array>

namespace teskaro {

QString folded(QStringView text)
{
    QString result(text.size(), Qt::Uninitialized);
    std::transform(text.utf16(), text.utf16() + text.size(),
                   reinterpret_cast<char16_t *>(result.data()),
                   [](char16_t c) { return foldedCharacter(c); });
    return result;
}

bool foldingChanges(QStringView text)
{
    // A quick pass (vector code) for any letter of the block À to Ü first:
    // most texts have none.
    const char16_t *__restrict units = text.utf16();
    char16_t inBlock = 0;
    for (qsizetype i = 0; i < text.size(); ++i)
        inBlock |= char16_t(char16_t(units[i] - 0xC0) <= 0xDC - 0xC0);
    return inBlock != 0 && std::any_of(text.begin(), text.end(), [](QChar c) {
               return foldedCharacter(c.unicode()) != c.unicode();
           });
}

bool equalFolded(QByteArrayView first, QByteArrayView second)
{
    static constexpr std::array<char16_t, 256> foldedBytes = [] {
        std::array<char16_t, 256> folded{};
        for (std::size_t byte = 0; byte < folded.size(); ++byte)
            folded[byte] = foldedCharacter(char16_t(byte));
        return folded;
    }();
    return std::equal(first.begin(), first.end(), second.begin(), second.end(), [](char a, char b) {
        return a == b || foldedBytes[uchar(a)] == foldedBytes[uchar(b)];
    });
}

} // namespace teskaro
