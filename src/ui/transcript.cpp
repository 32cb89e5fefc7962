// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "transcript.h"

#include "modekeys.h"

#include <QScrollBar>

namespace teskaro {

using namespace Qt::StringLiterals;

Transcript::Transcript(QWidget *parent)
    : QTextEdit(parent)
{
    setObjectName(u"transcript"_s);
    setAccessibleName(u"Conversación"_s);
    setReadOnly(true);
    setAcceptRichText(false);
    setUndoRedoEnabled(false);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    useModeSafeEditMenu(this);

    // A new width lays the text out again, and a long text is laid out a
    // piece at a time: the range grows after the text was added.
    QScrollBar *bar = verticalScrollBar();
    connect(bar, &QScrollBar::rangeChanged, this, [this] {
        if (m_followsEnd)
            showEnd();
    });
    connect(bar, &QScrollBar::valueChanged, this,
            [this, bar](int value) { m_followsEnd = value == bar->maximum(); });
}

void Transcript::appendText(const QString &text)
{
    QTextCursor end(document());
    end.movePosition(QTextCursor::End);
    end.insertText(text);
    moveCursor(QTextCursor::End);
    m_followsEnd = true;
    showEnd();
}

void Transcript::showEnd()
{
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

} // namespace teskaro
