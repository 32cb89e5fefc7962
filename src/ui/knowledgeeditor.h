// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogue/knowledgelisting.h"

#include <QWidget>

class QFileSystemWatcher;
class QLabel;
class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;

namespace teskaro {

class DialogueEngine;
class MessageBoxes;
class StatementsModel;

// "Base de conocimientos — NAME": the statements of the knowledge file in
// use, to search, forget and correct, with the engine's undo and redo. The
// list follows the file when anything else changes it, or makes it. It
// opens over the window given, and its boxes belong to it.
class KnowledgeEditor final : public QWidget
{
    Q_OBJECT

public:
    KnowledgeEditor(DialogueEngine &engine, MessageBoxes &messages, QWidget *parent = nullptr);

    QString fileName() const { return m_fileName; }

protected:
    // Escape closes the editor, as it does the help window.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void placeOver(const QWidget *window);
    void showListing(const KnowledgeListing &listing);
    void forgetSelected();
    void correct(const KnowledgeStatement &statement, const QString &topic, const QString &rest);
    QList<int> selectedRows() const;
    // Shows why the engine changed nothing, if it did not.
    void tell(const QString &refusal);

    DialogueEngine &m_engine;
    QString m_fileName;
    MessageBoxes &m_messages;
    StatementsModel *m_model;
    QSortFilterProxyModel *m_filter;
    QTableView *m_table;
    QLineEdit *m_search;
    QLabel *m_counts;
    QLabel *m_readOnly;
    QPushButton *m_forget;
    QFileSystemWatcher *m_watcher;
};

} // namespace teskaro
