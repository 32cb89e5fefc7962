// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accents.h"

#include <algorithm>

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
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return foldedCharacter(c.unicode()) != c.unicode(); });
}

bool equalFolded(QByteArrayView first, QByteArrayView second)
{
    return std::equal(first.begin(), first.end(), second.begin(), second.end(), [](char a, char b) {
        return foldedCharacter(uchar(a)) == foldedCharacter(uchar(b));
    });
}

} // namespace teskaro
