// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTextEdit>

namespace teskaro {

// The conversation so far: read-only and selectable. It shows its end
// whenever text is added, and keeps showing it while the window is resized
// or the text is laid out again, until the user scrolls away from it.
class Transcript final : public QTextEdit
{
    Q_OBJECT

public:
    explicit Transcript(QWidget *parent = nullptr);

    // Adds the text at the end, whatever the user has selected, and moves
    // the cursor there.
    void appendText(const QString &text);

private:
    void showEnd();

    bool m_followsEnd = true;
};

} // namespace teskaro
