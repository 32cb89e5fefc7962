// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessibility.h"
#include "mapaccessibility.h"

#include <QAccessibleWidget>
#include <QDialog>
#include <QMainWindow>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextTable>

namespace teskaro {

using namespace Qt::StringLiterals;

namespace {

class NotificationInterface final : public QAccessibleWidget
{
public:
    explicit NotificationInterface(QLabel *label)
        : QAccessibleWidget(label, QAccessible::Notification)
    {}

    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? static_cast<const QLabel *>(widget())->text()
                                         : QAccessibleWidget::text(kind);
    }
};

// Qt's own text interface hands screen readers the characters its documents
// mark the cells of a table with (U+FDD0, U+FDD1), and they read them out.
// This one gives the plain text, where each of them is a line break: one
// character for one, so that offsets stay the document's.
class PageInterface final : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit PageInterface(QTextBrowser *page)
        : QAccessibleWidget(page, QAccessible::EditableText)
    {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Value ? page()->toPlainText() : QAccessibleWidget::text(kind);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.multiLine = true;
        state.selectableText = true;
        return state;
    }

    void selection(int, int *start, int *end) const override
    {
        const QTextCursor cursor = page()->textCursor();
        *start = cursor.selectionStart();
        *end = cursor.selectionEnd();
    }
    int selectionCount() const override { return page()->textCursor().hasSelection() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override { setCursorPosition(cursorPosition()); }
    void setSelection(int, int start, int end) override
    {
        QTextCursor cursor(page()->document());
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        page()->setTextCursor(cursor);
    }
    int cursorPosition() const override { return page()->textCursor().position(); }
    void setCursorPosition(int position) override { setSelection(0, position, position); }

    QString text(int start, int end) const override
    {
        return page()->toPlainText().mid(start, end - start);
    }
    // A line is what the screen shows on one, not a whole paragraph; the last
    // of a paragraph ends with its line break, as readers expect. In a table,
    // a line is a row, its cells in order.
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int *start,
                         int *end) const override
    {
        if (boundary == QAccessible::LineBoundary && offset >= 0 && offset < characterCount()) {
            QTextCursor at(page()->document());
            at.setPosition(offset);
            const QTextTable *table = at.currentTable();
            const QTextTableCell cell = table ? table->cellAt(offset) : QTextTableCell();
            if (table && cell.isValid()) {
                const int row = cell.row();
                *start = table->cellAt(row, 0).firstCursorPosition().position();
                *end = table->cellAt(row, table->columns() - 1).lastCursorPosition().position() + 1;
                return text(*start, *end);
            }
        }
        const QTextBlock block = page()->document()->findBlock(offset);
        const QTextLine line = block.isValid() && block.layout()
                                   ? block.layout()->lineForTextPosition(offset - block.position())
                                   : QTextLine();
        if (boundary != QAccessible::LineBoundary || !line.isValid())
            return QAccessibleTextInterface::textAtOffset(offset, boundary, start, end);
        *start = block.position() + line.textStart();
        *end = *start + line.textLength();
        if (line.lineNumber() == block.layout()->lineCount() - 1)
            *end = std::min(*end + 1, characterCount());
        return text(*start, *end);
    }
    int characterCount() const override { return page()->document()->characterCount() - 1; }

    QRect characterRect(int offset) const override
    {
        QTextCursor cursor(page()->document());
        cursor.setPosition(offset);
        const QRect caret = page()->cursorRect(cursor);
        return {page()->viewport()->mapToGlobal(caret.topLeft()),
                QSize(page()->fontMetrics().averageCharWidth(), caret.height())};
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        return page()->cursorForPosition(page()->viewport()->mapFromGlobal(point)).position();
    }
    void scrollToSubstring(int start, int) override
    {
        setCursorPosition(start);
        page()->ensureCursorVisible();
    }
    // No attributes, in one run over the whole text: runs that held nothing
    // made Orca leave out the last character of each line.
    QString attributes(int, int *start, int *end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    QTextBrowser *page() const { return static_cast<QTextBrowser *>(widget()); }
};

QAccessibleInterface *createInterface(const QString &className, QObject *object)
{
    if (className == QLatin1StringView(NotificationLabel::staticMetaObject.className()))
        return new NotificationInterface(static_cast<QLabel *>(object));
    if (className == QLatin1StringView(ReadablePage::staticMetaObject.className()))
        return new PageInterface(static_cast<QTextBrowser *>(object));
    // Asked first for the most derived class: the program's own.
    auto *widget = qobject_cast<QWidget *>(object);
    if (widget && widget->isWindow() && className.startsWith(u"teskaro::"_s) &&
        !qobject_cast<QDialog *>(widget) && !qobject_cast<QMainWindow *>(widget))
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

} // namespace

// Built in place, a page would reach screen readers piece by piece as
// inserted text, with Qt's table marks in it. Loaded quietly, it is told by
// the caret's move to its start, and read through the interface above.
void ReadablePage::doSetSource(const QUrl &url, QTextDocument::ResourceType type)
{
    const QSignalBlocker quiet(document());
    QTextBrowser::doSetSource(url, type);
}

void installAccessibleInterfaces()
{
    static const bool installed = [] {
        QAccessible::installFactory(createInterface);
        QAccessible::installFactory(createMapInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace teskaro
