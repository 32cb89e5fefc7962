// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLineEdit>

namespace teskaro {

// The input line: every character typed passes through the dialogue's key
// filter before it reaches the line, whether from a key or from an input
// method or a dead key ("´" then "a"); pasted text does not.
class InputLine final : public QLineEdit
{
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
};

} // namespace teskaro
