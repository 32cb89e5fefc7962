#pragma once

#include <QLineEdit>

namespace teskaro {

// The input line: every character typed on the keyboard passes through the
// dialogue's key filter before it reaches the line (pasted text does not),
// and Ctrl+A and Ctrl+C are left to the window's menu shortcuts instead of
// selecting or copying text.
class InputLine final : public QLineEdit
{
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace teskaro
