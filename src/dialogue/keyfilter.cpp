// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "keyfilter.h"

namespace teskaro {

QChar filterTypedCharacter(QChar typed)
{
    char16_t code = typed.unicode();
    if (code >= u'a' && code <= u'z')
        code -= 32;
    if (code == u'ñ')
        code = u'Ñ';
    if (code == u'?')
        code = u' ';
    if (code == u'¿')
        code = u' ';
    return QChar(code);
}

} // namespace teskaro
