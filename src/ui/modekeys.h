// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class QLineEdit;
class QTextEdit;

namespace teskaro {

// Ctrl+A and Ctrl+C switch the mode anywhere in the main window. Text
// controls would claim them for select-all and copy; these keep them for the
// window's menu shortcuts, and copying is left to Ctrl+Ins.

// Installed on the application: in the given window, no control claims
// Ctrl+A or Ctrl+C before the shortcuts see them.
class ModeKeysGuard final : public QObject
{
    Q_OBJECT

public:
    explicit ModeKeysGuard(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
};

// The control's own right-click menu, in the application's language, with
// Copy showing Ctrl+Ins and nothing showing Ctrl+A or Ctrl+C.
void useModeSafeEditMenu(QLineEdit *edit);
void useModeSafeEditMenu(QTextEdit *edit);

} // namespace teskaro
