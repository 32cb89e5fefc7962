// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "modekeys.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTextEdit>

namespace teskaro {

namespace {

bool isModeShortcut(const QKeyEvent *key)
{
    const Qt::KeyboardModifiers modifiers =
        key->modifiers() &
        (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier | Qt::ShiftModifier);
    return modifiers == Qt::ControlModifier && (key->key() == Qt::Key_A || key->key() == Qt::Key_C);
}

QString keysText(QKeyCombination keys)
{
    return QKeySequence(keys).toString(QKeySequence::NativeText);
}

// The standard menus name their items with Qt's translated texts, with the
// keys after a tab; an item is known by its text without them.
void adaptMenu(QMenu *menu)
{
    const QStringList copyTexts{QCoreApplication::translate("QLineEdit", "&Copy"),
                                QCoreApplication::translate("QWidgetTextControl", "&Copy")};
    const QStringList modeKeys{keysText(Qt::CTRL | Qt::Key_A), keysText(Qt::CTRL | Qt::Key_C)};
    for (QAction *item : menu->actions()) {
        const QString caption = item->text().section(u'\t', 0, 0);
        if (copyTexts.contains(caption))
            item->setText(caption + u'\t' + keysText(Qt::CTRL | Qt::Key_Insert));
        else if (modeKeys.contains(item->text().section(u'\t', 1)))
            item->setText(caption);
    }
}

template <class Edit>
void showMenu(Edit *edit, QWidget *area, QPoint position)
{
    QMenu *menu = edit->createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    adaptMenu(menu);
    menu->popup(area->mapToGlobal(position));
}

} // namespace

ModeKeysGuard::ModeKeysGuard(QWidget *window)
    : QObject(window)
    , m_window(window)
{}

bool ModeKeysGuard::eventFilter(QObject *watched, QEvent *event)
{
    // Left unaccepted, the override lets the key go on to the shortcuts.
    if (event->type() == QEvent::ShortcutOverride && watched->isWidgetType() &&
        static_cast<QWidget *>(watched)->window() == m_window &&
        isModeShortcut(static_cast<QKeyEvent *>(event))) {
        event->ignore();
        return true;
    }
    return false;
}

void useModeSafeEditMenu(QLineEdit *edit)
{
    edit->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(edit, &QWidget::customContextMenuRequested, edit,
                     [edit](QPoint position) { showMenu(edit, edit, position); });
}

void useModeSafeEditMenu(QTextEdit *edit)
{
    edit->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(edit, &QWidget::customContextMenuRequested, edit,
                     [edit](QPoint position) { showMenu(edit, edit->viewport(), position); });
}

} // namespace teskaro
