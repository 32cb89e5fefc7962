// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

namespace teskaro {

// Knowledge files hold one byte per character in the Windows-1252 code page;
// in memory everything is Unicode. These functions are the only crossing.
QString decodeWindows1252(QByteArrayView bytes);

// The same into an existing string, reusing its memory: a table reloaded
// for every question then allocates nothing. Says whether the bytes hold a
// letter from À to Ü, which folding (see accents.h) may change.
bool decodeWindows1252(QByteArrayView bytes, QString &into);
// What the bytes decoded to, folded, into room for as many characters.
void foldDecodedWindows1252(QByteArrayView bytes, const char16_t *decoded, char16_t *into);

// Characters the code page cannot hold are written as '?'.
QByteArray encodeWindows1252(QStringView text);

// True when the character survives a round trip through the code page.
bool isWindows1252(QChar c);

// The text with every character the code page cannot hold replaced by '?'
// (a surrogate pair counts as one character), so that what is written to a
// knowledge file reads back exactly as this text.
QString fitToWindows1252(QStringView text);

} // namespace teskaro
