// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "announcer.h"

#include "accessibility.h"

#include <QAccessible>
#include <QLabel>

namespace teskaro {

Announcer::Announcer(QWidget *window)
    : QObject(window)
    , m_window(window)
{
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    // Out of sight: it is there for screen readers alone.
    m_notification = new NotificationLabel(window);
    m_notification->setFixedSize(0, 0);
#endif
}

void Announcer::add(const QString &text)
{
    for (const QString &line : text.split(u'\n')) {
        if (!line.trimmed().isEmpty())
            m_lines += line.trimmed();
    }
    announceSoon();
}

void Announcer::lead(const QString &text)
{
    m_lead = text;
    announceSoon();
}

void Announcer::announceSoon()
{
    if (m_due || (m_lead.isEmpty() && m_lines.isEmpty()))
        return;
    m_due = true;
    QMetaObject::invokeMethod(this, &Announcer::announce, Qt::QueuedConnection);
}

void Announcer::announce()
{
    QStringList all = m_lines;
    if (!m_lead.isEmpty())
        all.prepend(m_lead);
    m_lead.clear();
    m_lines.clear();
    m_due = false;
    const QString text = all.join(u'\n');
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(m_window, text);
    QAccessible::updateAccessibility(&event);
#else
    m_notification->hide();
    m_notification->setText(text);
    m_notification->show();
#endif
}

} // namespace teskaro
