// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/messageboxes.h"

class QIODevice;

namespace teskaro {

// Message boxes on a terminal: the title, then the text, written to the
// stream of everything that is not the transcript. Nobody is there to press
// a button, so a box that asks Retry or Cancel is cancelled, and a question
// answered No.
class ConsoleMessageBoxes final : public MessageBoxes
{
public:
    explicit ConsoleMessageBoxes(QIODevice &out)
        : m_out(out)
    {}

    MessageAnswer show(const Message &message) override;

private:
    QIODevice &m_out;
};

} // namespace teskaro
