#include "consolemessageboxes.h"

#include "linebreaks.h"

#include <QIODevice>

namespace teskaro {

MessageAnswer ConsoleMessageBoxes::show(const MessageBoxSpec &box)
{
    QString text = box.title + u'\n' + withLineFeeds(box.text);
    if (!text.endsWith(u'\n'))
        text += u'\n';
    m_out.write(text.toUtf8());
    return box.buttons == MessageBoxSpec::Buttons::RetryCancel ? MessageAnswer::Cancel
                                                               : MessageAnswer::Ok;
}

} // namespace teskaro
