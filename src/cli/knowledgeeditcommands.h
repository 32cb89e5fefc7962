// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogue/knowledgelisting.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

namespace teskaro {

class DialogueEngine;

// The knowledge editor as commands: /listar, /olvidar, /corregir, /deshacer
// and /rehacer. Statements are named by their numbers in the last listing;
// the engine keeps the changes for undo and redo while the program runs.
class KnowledgeEditCommands
{
public:
    KnowledgeEditCommands(DialogueEngine &engine, std::function<void(const QString &)> print);
    ~KnowledgeEditCommands();
    Q_DISABLE_COPY_MOVE(KnowledgeEditCommands)

    void list(const QString &text);
    void forget(const QString &numbers);
    void correct(const QString &typed);
    void undo();
    void redo();

private:
    // The statements the numbers name, or nothing after saying why.
    std::optional<QList<KnowledgeStatement>> numbered(const QStringList &numbers);
    void tell(const QString &refusal);
    void edited(const KnowledgeEdit &edit);

    DialogueEngine &m_engine;
    std::function<void(const QString &)> m_print;
    QList<KnowledgeStatement> m_listed;
    QMetaObject::Connection m_editReports;
};

} // namespace teskaro
