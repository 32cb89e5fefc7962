#include "widgetmessageboxes.h"

#include <QMessageBox>

namespace teskaro {

MessageAnswer WidgetMessageBoxes::show(const MessageBoxSpec &box)
{
    // The texts mark line breaks with CR alone; a Qt label wants LF.
    QString text = box.text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');

    QMessageBox dialog(m_parent);
    dialog.setWindowTitle(box.title);
    dialog.setText(text);
    dialog.setTextFormat(Qt::PlainText);
    dialog.setIcon(box.icon == MessageBoxSpec::Icon::Exclamation ? QMessageBox::Warning
                                                                 : QMessageBox::NoIcon);
    if (box.buttons == MessageBoxSpec::Buttons::RetryCancel) {
        dialog.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
        dialog.setDefaultButton(QMessageBox::Retry);
    } else {
        dialog.setStandardButtons(QMessageBox::Ok);
    }
    switch (dialog.exec()) {
    case QMessageBox::Retry:
        return MessageAnswer::Retry;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    default:
        return MessageAnswer::Ok;
    }
}

} // namespace teskaro
