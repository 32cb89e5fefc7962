// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "consolemessageboxes.h"

#include "terminaltext.h"

#include <QIODevice>

namespace teskaro {

MessageAnswer ConsoleMessageBoxes::show(const Message &message)
{
    QString text = message.title + u'\n' + message.text;
    if (!text.endsWith(u'\n'))
        text += u'\n';
    m_out.write(terminalText(text));
    switch (message.buttons) {
    case Message::Buttons::RetryCancel:
        return MessageAnswer::Cancel;
    case Message::Buttons::YesNo:
        return MessageAnswer::No;
    default:
        return MessageAnswer::Ok;
    }
}

} // namespace teskaro
