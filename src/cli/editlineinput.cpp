// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editlineinput.h"

#include "terminaltext.h"

#include <cstdio>
#include <cstdlib>

#include <editline/readline.h>

namespace teskaro {

EditLineInput::EditLineInput()
{
    // Lets a user's ~/.editrc give settings to this program alone.
    rl_readline_name = "teskaro-cli";
    using_history();
}

EditLineInput::~EditLineInput()
{
    clear_history();
}

std::optional<QString> EditLineInput::readLine(const QString &prompt)
{
    const QByteArray promptBytes = terminalText(prompt);
    char *typed = ::readline(promptBytes.constData());
    if (!typed) {
        // Ctrl+D leaves the cursor after the prompt.
        std::fputs("\n", stdout);
        return std::nullopt;
    }
    const QString line = QString::fromUtf8(typed);
    std::free(typed);
    if (!line.isEmpty() && line != m_lastLine) {
        add_history(line.toUtf8().constData());
        m_lastLine = line;
    }
    return line;
}

} // namespace teskaro
