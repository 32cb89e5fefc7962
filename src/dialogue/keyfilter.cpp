// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "keyfilter.h"

#include "textrules.h"

namespace teskaro {

QChar filterTypedCharacter(QChar typed)
{
    if (typed == u'?' || typed == u'¿')
        return u' ';
    return upperCase(QStringView(&typed, 1)).front();
}

} // namespace teskaro
