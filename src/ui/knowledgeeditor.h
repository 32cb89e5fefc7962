// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogue/knowledgeediting.h"

#include <QWidget>

class QFileSystemWatcher;
class QLabel;
class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;
class QUndoStack;

namespace teskaro {

class MessageBoxes;
class StatementsModel;

// "Base de conocimientos — NAME": the statements of a knowledge file, to
// search, forget and correct, with undo and redo while the window is open.
// Every change rewrites the file as it is at that moment; the list follows
// the file when anything else changes it.
class KnowledgeEditor final : public QWidget
{
    Q_OBJECT

public:
    KnowledgeEditor(const QString &fileName, MessageBoxes &messages, QWidget *parent = nullptr);

    QString fileName() const { return m_fileName; }
    // Applies a change to the file; says why when it cannot.
    bool apply(KnowledgeChange &change);

private:
    void reload();
    void forgetSelected();
    void correct(const KnowledgeStatement &statement, const QString &topic, const QString &rest);
    void push(const KnowledgeChange &change, const QString &text);
    QList<int> selectedRows() const;
    void tell(const QString &text);

    QString m_fileName;
    MessageBoxes &m_messages;
    StatementsModel *m_model;
    QSortFilterProxyModel *m_filter;
    QTableView *m_table;
    QLineEdit *m_search;
    QLabel *m_counts;
    QLabel *m_readOnly;
    QPushButton *m_forget;
    QUndoStack *m_history;
    QFileSystemWatcher *m_watcher;
};

} // namespace teskaro
