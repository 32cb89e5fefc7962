#include "inputline.h"

#include "dialogue/keyfilter.h"

#include <QKeyEvent>

namespace teskaro {

namespace {

bool isModeShortcut(const QKeyEvent *key)
{
    const Qt::KeyboardModifiers modifiers =
        key->modifiers() &
        (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier | Qt::ShiftModifier);
    return modifiers == Qt::ControlModifier && (key->key() == Qt::Key_A || key->key() == Qt::Key_C);
}

} // namespace

bool InputLine::event(QEvent *event)
{
    // A line edit claims Ctrl+A and Ctrl+C for select-all and copy before the
    // window's shortcuts see them; here they switch the mode instead.
    if (event->type() == QEvent::ShortcutOverride &&
        isModeShortcut(static_cast<QKeyEvent *>(event))) {
        event->ignore();
        return false;
    }
    return QLineEdit::event(event);
}

void InputLine::keyPressEvent(QKeyEvent *event)
{
    const QString text = event->text();
    const bool typedCharacter = text.size() == 1 && text.at(0).isPrint() &&
                                !(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
    if (typedCharacter && !isReadOnly()) {
        const QChar filtered = filterTypedCharacter(text.at(0));
        if (filtered != text.at(0)) {
            insert(QString(filtered));
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace teskaro
