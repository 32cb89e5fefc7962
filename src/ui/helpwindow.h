// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogue/helppages.h"

#include <QWidget>

class QTextBrowser;
class QTreeWidget;

namespace teskaro {

// The help pages in one window beside the main one: their contents on the
// left (each page and its sections), the page on the right, links between
// pages followed in place. Esc closes it.
class HelpWindow final : public QWidget
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget *parent = nullptr);

    void showPage(HelpPage page);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void showContentsItem();
    void markPage(HelpPage page);

    QTreeWidget *m_contents;
    QTextBrowser *m_page;
};

} // namespace teskaro
