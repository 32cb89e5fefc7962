// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArrayView>
#include <QStringView>

#include <optional>

namespace teskaro {

// How the logic rules read phrases: which name the same thing, what a
// statement leads to, and the keys that find the phrases worth comparing.
// Phrases are folded (see accents.h) unless said otherwise.

// Whether two phrases name the same thing: the same words once a leading
// article is dropped, each word equal to the other's or its plural (with S,
// ES, or Z made CES). Blanks are spaces; case counts. Give it folded text,
// so that PAÍS and PAISES name the same thing.
bool nameSameThing(QStringView first, QStringView second);

// The roots of a phrase's first and last words, a leading article left
// out, hashed: phrases that name the same thing have the same key. Zero
// for a phrase of no words.
quint64 keyOf(QStringView phrase);
// The same for a field's bytes, folded one by one; compare it only with
// keys of bytes.
quint64 keyOfBytes(QByteArrayView field);

// The first letters of a phrase's first and last words, a leading article
// left out: phrases that name the same thing share them, and they cost
// less than a key. Zero for a phrase of no words.
quint32 shelfOf(QStringView phrase);

// What a trimmed statement leads to, as written: the rest after its copula
// (after EN, for ESTA and ESTAN), empty when it leads nowhere; nothing when
// it is no link. Says in isAt whether the copula is ESTA or ESTAN.
std::optional<QStringView> objectOf(QStringView statement, bool &isAt);

} // namespace teskaro
