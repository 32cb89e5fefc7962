// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>
#include <QTextBrowser>

namespace teskaro {

// A label that screen readers announce, as a notification, each time it is
// shown; what they announce is its text.
class NotificationLabel final : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;
};

// A page that screen readers read as plain text, a line on screen at a time.
class ReadablePage final : public QTextBrowser
{
    Q_OBJECT

public:
    using QTextBrowser::QTextBrowser;

protected:
    void doSetSource(const QUrl &url, QTextDocument::ResourceType type) override;
};

// Has Qt describe the two classes above to screen readers as they say, the
// knowledge map thing by thing, and the program's own windows that are
// neither dialogs nor main windows as windows rather than as anonymous panes. Once is enough; the
// first call installs it.
void installAccessibleInterfaces();

} // namespace teskaro
