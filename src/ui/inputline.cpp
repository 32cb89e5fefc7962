// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "inputline.h"

#include "dialogue/keyfilter.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

namespace teskaro {

void InputLine::keyPressEvent(QKeyEvent *event)
{
    // An Alt chord is for the menus: it never types its letter.
    const QString text = event->text();
    if ((event->modifiers() & Qt::AltModifier) && text.size() == 1 && text.at(0).isPrint()) {
        event->ignore();
        return;
    }
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

void InputLine::inputMethodEvent(QInputMethodEvent *event)
{
    QString committed = event->commitString();
    if (isReadOnly() || committed.isEmpty()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    for (QChar &c : committed)
        c = filterTypedCharacter(c);
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(committed, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&filtered);
    event->setAccepted(filtered.isAccepted());
}

} // namespace teskaro
