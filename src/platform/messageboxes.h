// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

namespace teskaro {

// A message for the user in a modal box.
struct Message
{
    enum class Icon {
        None,
        Exclamation
    };
    enum class Buttons {
        Ok,
        RetryCancel,
        OkCancel, // asks before something is done
        YesNo,    // asks a question; No is the default
    };

    QString title;
    QString text; // "\n" marks a line break; it holds no CR
    Icon icon = Icon::None;
    Buttons buttons = Buttons::Ok;
    // The window that asks, which the box belongs to; none: the main window.
    QObject *asker = nullptr;
};

enum class MessageAnswer {
    Ok,
    Retry,
    Cancel,
    Yes,
    No
};

// Modal message boxes: the window shows them, the terminal front end prints
// them, tests answer them.
class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;
    virtual MessageAnswer show(const Message &message) = 0;
};

} // namespace teskaro
