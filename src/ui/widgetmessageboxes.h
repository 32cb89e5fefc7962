// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/messageboxes.h"

class QWidget;

namespace teskaro {

// Message boxes as modal Qt dialogs over the window that asks, or else over
// the given one.
class WidgetMessageBoxes final : public MessageBoxes
{
public:
    explicit WidgetMessageBoxes(QWidget *parent = nullptr)
        : m_parent(parent)
    {}

    void setParent(QWidget *parent) { m_parent = parent; }
    MessageAnswer show(const Message &message) override;

private:
    QWidget *m_parent;
};

} // namespace teskaro
