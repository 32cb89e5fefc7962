// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogue/knowledgeediting.h"

#include <QList>
#include <QString>

#include <functional>

namespace teskaro {

class Session;

// The knowledge editor as commands: /listar, /olvidar, /corregir, /deshacer
// and /rehacer. Statements are named by their numbers in the last listing;
// changes are kept for undo and redo while the program runs.
class KnowledgeEditCommands
{
public:
    KnowledgeEditCommands(const Session &session, std::function<void(const QString &)> print);

    void list(const QString &text);
    void forget(const QString &numbers);
    void correct(const QString &argument);
    void undo();
    void redo();

private:
    // The statements the numbers name, or nothing after saying why.
    std::optional<QList<KnowledgeStatement>> numbered(const QStringList &numbers);
    bool apply(const QString &file, KnowledgeChange &change);

    struct Change
    {
        QString file;
        KnowledgeChange change;
    };

    const Session &m_session;
    std::function<void(const QString &)> m_print;
    QString m_listedFile;
    KnowledgeListing m_listing;
    QList<KnowledgeStatement> m_listed;
    QList<Change> m_done;
    QList<Change> m_undone;
};

} // namespace teskaro
