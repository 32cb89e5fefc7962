// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "terminaltext.h"

#include <QString>

namespace teskaro {

QByteArray terminalText(QStringView text)
{
    QString shown = text.toString();
    for (QChar &c : shown) {
        if (c.category() == QChar::Other_Control && c != u'\n')
            c = u'?';
    }
    return shown.toUtf8();
}

} // namespace teskaro
