// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "helpwindow.h"

#include "accessibility.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTreeWidget>

namespace teskaro {

using namespace Qt::StringLiterals;

namespace {

QUrl urlOf(HelpPage page)
{
    return QUrl(u"qrc"_s + helpPagePath(page));
}

} // namespace

HelpWindow::HelpWindow(QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_contents(new QTreeWidget(this))
    , m_page(new ReadablePage(this))
{
    setObjectName(u"helpWindow"_s);
    setWindowTitle(u"TESKARO - Ayuda"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    m_contents->setObjectName(u"helpContents"_s);
    m_contents->setAccessibleName(u"Contenido"_s);
    m_contents->setHeaderHidden(true);
    m_page->setObjectName(u"helpPage"_s);
    m_page->setAccessibleName(u"Página de ayuda"_s);
    m_page->setOpenLinks(true);
    // A caret that the arrows move, a line at a time, for screen readers to
    // follow.
    m_page->setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);

    // Each page, and under it the sections its "## " headings start.
    static const QRegularExpression section(u"^## (.*)$"_s, QRegularExpression::MultilineOption);
    for (const HelpPageInfo &info : helpPages()) {
        auto *item = new QTreeWidgetItem(m_contents, {info.title});
        item->setData(0, Qt::UserRole, int(info.page));
        for (auto it = section.globalMatch(helpPageMarkdown(info.page)); it.hasNext();) {
            auto *child = new QTreeWidgetItem(item, {it.next().captured(1)});
            child->setData(0, Qt::UserRole, int(info.page));
        }
    }
    m_contents->expandAll();

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_contents);
    layout->addWidget(m_page, 1);
    resize(900, 620);

    connect(m_contents, &QTreeWidget::itemActivated, this, &HelpWindow::showContentsItem);
    connect(m_contents, &QTreeWidget::itemClicked, this, &HelpWindow::showContentsItem);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        const QList<QTreeWidgetItem *> selected = m_contents->selectedItems();
        if (now == m_contents && !selected.isEmpty() &&
            selected.first() != m_contents->currentItem()) {
            const QSignalBlocker quiet(m_contents);
            m_contents->setCurrentItem(selected.first());
        }
    });
    connect(m_page, &QTextBrowser::sourceChanged, this, [this](const QUrl &url) {
        for (const HelpPageInfo &info : helpPages()) {
            if (url.path() == urlOf(info.page).path())
                markPage(info.page);
        }
    });
}

void HelpWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else
        QWidget::keyPressEvent(event);
}

void HelpWindow::showPage(HelpPage page)
{
    m_page->setSource(urlOf(page), QTextDocument::MarkdownResource);
}

// A page opens at its top; a section at its heading.
void HelpWindow::showContentsItem()
{
    QTreeWidgetItem *item = m_contents->currentItem();
    if (!item)
        return;
    showPage(HelpPage(item->data(0, Qt::UserRole).toInt()));
    QTextBlock block = m_page->document()->firstBlock();
    while (item->parent() && block.isValid() &&
           !(block.blockFormat().headingLevel() == 2 && block.text() == item->text(0)))
        block = block.next();
    // From the end back to the heading, so that the heading comes to the top.
    m_page->moveCursor(QTextCursor::End);
    m_page->setTextCursor(QTextCursor(block.isValid() ? block : m_page->document()->firstBlock()));
    m_page->ensureCursorVisible();
}

// A tree tells screen readers that its new current item has the focus,
// wherever the focus is: away from the tree, the page's item is selected,
// and made current once the tree has the focus.
void HelpWindow::markPage(HelpPage page)
{
    QTreeWidgetItem *item = m_contents->topLevelItem(int(page));
    const QList<QTreeWidgetItem *> selected = m_contents->selectedItems();
    if (!selected.isEmpty() && (selected.first() == item || selected.first()->parent() == item))
        return;
    const QSignalBlocker quiet(m_contents);
    if (m_contents->hasFocus()) {
        m_contents->setCurrentItem(item);
    } else {
        m_contents->clearSelection();
        item->setSelected(true);
    }
}

} // namespace teskaro
