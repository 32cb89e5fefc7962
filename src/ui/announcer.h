// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QStringList>

class QLabel;
class QWidget;

namespace teskaro {

// Tells a screen reader what Teskaro answered, once for each thing the user
// does. The transcript is not where the focus is, so a reader would not read
// what it gains. Each action runs to completion before control is back in
// the event loop: what is added meanwhile is gathered and told there, in one
// announcement.
class Announcer final : public QObject
{
    Q_OBJECT

public:
    explicit Announcer(QWidget *window);

    // Lines of text, told without the blank ones and the blanks around them.
    void add(const QString &text);
    // Told first, before whatever else the action added.
    void lead(const QString &text);

private:
    void announceSoon();
    void announce();

    QWidget *m_window;
    // Where Qt has no announcement event, a reader tells a notification each
    // time it is shown.
    QLabel *m_notification = nullptr;
    QString m_lead;
    QStringList m_lines;
    bool m_due = false;
};

} // namespace teskaro
