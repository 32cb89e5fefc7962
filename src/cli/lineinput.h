// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogue/keyfilter.h"

#include <QString>

#include <optional>

namespace teskaro {

// Where the lines a user types come from.
class LineInput
{
public:
    virtual ~LineInput() = default;

    // The next line without its line end, or nothing once input has ended.
    // The prompt is shown only where someone can see it.
    virtual std::optional<QString> readLine(const QString &prompt) = 0;
};

// What typing the text into the input line gives: each character through
// its key filter, as a key typed in the window.
inline QString typedText(QStringView text)
{
    QString typed;
    typed.reserve(text.size());
    for (const QChar character : text)
        typed += filterTypedCharacter(character);
    return typed;
}

} // namespace teskaro
