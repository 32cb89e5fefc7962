#pragma once

#include <QLineEdit>

#include <functional>

namespace teskaro {

// The input line: every character typed on the keyboard passes through a
// filter before it reaches the line (pasted text does not), and Ctrl+A and
// Ctrl+C are left to the window's menu shortcuts instead of selecting or
// copying text.
class InputLine : public QLineEdit
{
    Q_OBJECT

public:
    explicit InputLine(QWidget *parent = nullptr);

    void setKeyFilter(std::function<QChar(QChar)> filter) { m_filter = std::move(filter); }

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    std::function<QChar(QChar)> m_filter;
};

} // namespace teskaro
