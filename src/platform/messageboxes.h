#pragma once

#include <QString>

namespace teskaro {

struct MessageBoxSpec
{
    enum class Icon {
        None,
        Exclamation
    };
    enum class Buttons {
        Ok,
        RetryCancel
    };

    QString title;
    QString text; // CR characters mark line breaks
    Icon icon = Icon::None;
    Buttons buttons = Buttons::Ok;
};

enum class MessageAnswer {
    Ok,
    Retry,
    Cancel
};

// Modal message boxes: the window shows them, the terminal front end prints
// them, tests answer them.
class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;
    virtual MessageAnswer show(const MessageBoxSpec &box) = 0;
};

} // namespace teskaro
