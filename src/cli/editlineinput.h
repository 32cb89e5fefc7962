// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "lineinput.h"

namespace teskaro {

// Lines typed at a terminal, with libedit's line editing and a history of
// the session's lines (arrow up and down, Ctrl+R).
class EditLineInput final : public LineInput
{
public:
    EditLineInput();
    ~EditLineInput() override;
    Q_DISABLE_COPY_MOVE(EditLineInput)

    std::optional<QString> readLine(const QString &prompt) override;

private:
    QString m_lastLine;
};

} // namespace teskaro
