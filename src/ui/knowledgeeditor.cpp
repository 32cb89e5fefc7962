// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "knowledgeeditor.h"

#include "dialogue/dialogueengine.h"
#include "inputline.h"
#include "platform/messageboxes.h"
#include "statementsmodel.h"

#include <QAction>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSortFilterProxyModel>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

namespace teskaro {

using namespace Qt::StringLiterals;

namespace {

// Shows the statements that hold the search text, ignoring case and
// accents; consultations never see it.
class StatementFilter final : public QSortFilterProxyModel
{
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void setText(const QString &text)
    {
        m_text = text;
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex &) const override
    {
        const auto *model = static_cast<const StatementsModel *>(sourceModel());
        return statementMatches(model->statement(row), m_text);
    }

private:
    QString m_text;
};

// Edits in place through the input line's key filter.
class FilteredEditing final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &,
                          const QModelIndex &) const override
    {
        return new InputLine(parent);
    }
};

// Statements are told apart by their shown record and how many equal ones
// come before them in the file.
QList<QPair<KnowledgeRecord, int>> identities(const StatementsModel &model, const QList<int> &rows)
{
    QList<QPair<KnowledgeRecord, int>> result;
    for (int row : rows) {
        const KnowledgeRecord &shown = model.statement(row).shown;
        int before = 0;
        for (int other = 0; other < row; ++other)
            before += model.statement(other).shown == shown;
        result += {shown, before};
    }
    return result;
}

} // namespace

KnowledgeEditor::KnowledgeEditor(DialogueEngine &engine, MessageBoxes &messages, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_engine(engine)
    , m_fileName(engine.session().knowledgeFile())
    , m_messages(messages)
    , m_model(new StatementsModel([this](const KnowledgeStatement &statement, const QString &topic,
                                         const QString &rest) { correct(statement, topic, rest); },
                                  this))
    , m_filter(new StatementFilter(this))
    , m_table(new QTableView(this))
    , m_search(new QLineEdit(this))
    , m_counts(new QLabel(this))
    , m_readOnly(new QLabel(this))
    , m_forget(new QPushButton(u"&Olvidar"_s, this))
    , m_watcher(new QFileSystemWatcher(this))
{
    setObjectName(u"knowledgeEditor"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(u"Base de conocimientos — "_s + m_fileName);

    m_search->setObjectName(u"knowledgeSearch"_s);
    m_search->setAccessibleName(u"Buscar"_s);
    m_search->setPlaceholderText(u"Buscar (sin distinguir mayúsculas ni acentos)"_s);
    m_search->setClearButtonEnabled(true);
    m_filter->setSourceModel(m_model);
    m_filter->setSortRole(Qt::EditRole);
    m_table->setObjectName(u"statements"_s);
    m_table->setAccessibleName(u"Afirmaciones"_s);
    // Tab leaves the table rather than walking its cells.
    m_table->setTabKeyNavigation(false);
    m_table->setModel(m_filter);
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(StatementsModel::Number, Qt::AscendingOrder);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked);
    m_table->setItemDelegate(new FilteredEditing(m_table));
    m_table->verticalHeader()->hide();
    m_table->setWordWrap(false);
    QHeaderView *header = m_table->horizontalHeader();
    header->setSectionResizeMode(StatementsModel::Number, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(StatementsModel::Rest, QHeaderView::Stretch);
    header->setSectionResizeMode(StatementsModel::Mirror, QHeaderView::ResizeToContents);
    header->resizeSection(StatementsModel::Topic, 220);
    m_forget->setObjectName(u"forgetButton"_s);
    m_counts->setObjectName(u"statementCounts"_s);
    m_readOnly->setWordWrap(true);

    auto *undoButton = new QPushButton(u"&Deshacer"_s, this);
    auto *redoButton = new QPushButton(u"&Rehacer"_s, this);
    auto *undo = new QAction(u"Deshacer"_s, this);
    undo->setShortcut(QKeySequence::Undo);
    auto *redo = new QAction(u"Rehacer"_s, this);
    redo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));
    connect(undo, &QAction::triggered, this, [this] { tell(m_engine.undoEdit()); });
    connect(redo, &QAction::triggered, this, [this] { tell(m_engine.redoEdit()); });
    connect(undoButton, &QPushButton::clicked, undo, &QAction::trigger);
    connect(redoButton, &QPushButton::clicked, redo, &QAction::trigger);
    const auto showHistory = [undo, redo, undoButton, redoButton](bool canUndo, bool canRedo) {
        undo->setEnabled(canUndo);
        undoButton->setEnabled(canUndo);
        redo->setEnabled(canRedo);
        redoButton->setEnabled(canRedo);
    };
    const Session &session = engine.session();
    showHistory(session.canUndoEdit(), session.canRedoEdit());
    connect(&session, &Session::editHistoryChanged, this, showHistory);
    auto *forget = new QAction(u"Olvidar"_s, this);
    forget->setShortcut(QKeySequence::Delete);
    forget->setShortcutContext(Qt::WidgetShortcut);
    m_table->addAction(forget);
    // F2 edits the topic, or the rest when that is where the user is.
    auto *edit = new QAction(u"Corregir"_s, this);
    edit->setShortcut(QKeySequence(Qt::Key_F2));
    edit->setShortcutContext(Qt::WidgetShortcut);
    m_table->addAction(edit);
    connect(edit, &QAction::triggered, this, [this] {
        const QModelIndex current = m_table->currentIndex();
        if (current.isValid())
            m_table->edit(current.siblingAtColumn(current.column() == StatementsModel::Rest
                                                      ? StatementsModel::Rest
                                                      : StatementsModel::Topic));
    });
    addActions({undo, redo});

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_counts, 1);
    buttons->addWidget(m_forget);
    buttons->addWidget(undoButton);
    buttons->addWidget(redoButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_search);
    layout->addWidget(m_readOnly);
    layout->addWidget(m_table, 1);
    layout->addLayout(buttons);
    setTabOrder(m_search, m_table); // then the buttons, as made
    resize(760, 520);

    connect(m_search, &QLineEdit::textChanged, this, [this](const QString &text) {
        static_cast<StatementFilter *>(m_filter)->setText(text);
    });
    connect(m_forget, &QPushButton::clicked, this, &KnowledgeEditor::forgetSelected);
    connect(forget, &QAction::triggered, this, &KnowledgeEditor::forgetSelected);
    connect(&session, &Session::statementsListed, this, &KnowledgeEditor::showListing);
    connect(&session, &Session::statementsEdited, this,
            [this](const KnowledgeEdit &done) { tell(done.note); });
    // A rewrite renames a new file over the old one: the watch is renewed.
    // The folder is watched too, for a file made after the editor opened.
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this,
            [this] { m_engine.relistStatements(); });
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this,
            [this] { m_engine.relistStatements(); });
    m_watcher->addPath(QFileInfo(m_fileName).absolutePath());
    placeOver(parent);
    m_engine.listStatements();
    m_table->scrollToBottom();
    m_search->setFocus();
}

void KnowledgeEditor::showListing(const KnowledgeListing &listing)
{
    const auto selected = identities(*m_model, selectedRows());
    m_model->setListing(listing);
    if (!m_watcher->files().contains(m_fileName))
        m_watcher->addPath(m_fileName);

    if (!listing.setAside.isEmpty())
        tell(listing.setAside + u'.');
    m_counts->setText(listingCounts(listing));
    const QString why = !listing.failure.isEmpty() ? listing.failure : listing.readOnly;
    m_readOnly->setText(why.isEmpty() ? QString() : u"Solo lectura: "_s + why + u'.');
    m_readOnly->setVisible(!why.isEmpty());
    m_forget->setEnabled(why.isEmpty());

    for (int row = 0; row < m_model->rowCount(); ++row) {
        if (selected.contains(identities(*m_model, {row}).first())) {
            m_table->selectionModel()->select(m_filter->mapFromSource(m_model->index(row, 0)),
                                              QItemSelectionModel::Select |
                                                  QItemSelectionModel::Rows);
        }
    }
}

QList<int> KnowledgeEditor::selectedRows() const
{
    QList<int> rows;
    if (!m_table->selectionModel())
        return rows;
    for (const QModelIndex &index : m_table->selectionModel()->selectedRows())
        rows += m_filter->mapToSource(index).row();
    // The row with the keyboard focus counts as chosen when none is marked.
    if (rows.isEmpty() && m_table->currentIndex().isValid())
        rows += m_filter->mapToSource(m_table->currentIndex()).row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

void KnowledgeEditor::forgetSelected()
{
    const QList<int> rows = selectedRows();
    if (rows.isEmpty() || !m_forget->isEnabled())
        return;
    Message question;
    question.title = u"Olvidar"_s;
    question.text =
        rows.size() == 1
            ? u"¿Olvidar la afirmación elegida? Se quitan sus dos registros del archivo."_s
            : u"¿Olvidar las "_s + QString::number(rows.size()) +
                  u" afirmaciones elegidas? Se quitan sus dos registros del archivo."_s;
    question.icon = Message::Icon::Exclamation;
    question.buttons = Message::Buttons::OkCancel;
    question.asker = this;
    if (m_messages.show(question) != MessageAnswer::Ok)
        return;
    QList<KnowledgeStatement> statements;
    for (int row : rows)
        statements += m_model->statement(row);
    tell(m_engine.forgetStatements(statements));
}

void KnowledgeEditor::correct(const KnowledgeStatement &statement, const QString &topic,
                              const QString &rest)
{
    tell(m_engine.correctStatement(statement, topic, rest));
}

void KnowledgeEditor::tell(const QString &refusal)
{
    if (refusal.isEmpty())
        return;
    Message message;
    message.title = u"Base de conocimientos"_s;
    message.text = refusal;
    message.icon = Message::Icon::Exclamation;
    message.asker = this;
    m_messages.show(message);
}

void KnowledgeEditor::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else
        QWidget::keyPressEvent(event);
}

// Centred over the window, and, title bar and all, on its screen.
void KnowledgeEditor::placeOver(const QWidget *window)
{
    if (!window)
        return;
    const QRect room = window->screen()->availableGeometry().adjusted(
        0, style()->pixelMetric(QStyle::PM_TitleBarHeight), 0, 0);
    QRect place(QPoint(), size().boundedTo(room.size()));
    place.moveCenter(window->frameGeometry().center());
    place.moveLeft(std::clamp(place.left(), room.left(), room.right() - place.width() + 1));
    place.moveTop(std::clamp(place.top(), room.top(), room.bottom() - place.height() + 1));
    setGeometry(place);
}

} // namespace teskaro
