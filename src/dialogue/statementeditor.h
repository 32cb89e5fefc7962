// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "knowledgelisting.h"

#include <QList>
#include <QString>

#include <memory>

namespace teskaro {

class Session;
struct KnowledgeChange;

// The knowledge editor's work: lists a file's statements, forgets and
// corrects them, and undoes and redoes those changes, with one history for
// every front end. Each change is found by content in the file as it is
// then, so what others learned meanwhile is kept. Refusals come back as
// sentences to show; the session hears of listings, changes and the state
// of the history.
class StatementEditor
{
public:
    explicit StatementEditor(Session &session);
    ~StatementEditor();
    Q_DISABLE_COPY_MOVE(StatementEditor)

    void list(const QString &fileName);
    // The listed file again, as it is now.
    void relist();
    // Statements from a listing of the listed file; one chosen twice counts once.
    QString forget(const QList<KnowledgeStatement> &chosen);
    QString correct(const KnowledgeStatement &statement, const QString &topic, const QString &rest);
    QString undo();
    QString redo();

private:
    struct History;

    QString refusalToChange() const;
    QString apply(const QString &fileName, KnowledgeChange &change);
    // A change reached the file: the listing, the counter and the history
    // follow it.
    void changed(const KnowledgeEdit &edit);

    Session &m_session;
    std::unique_ptr<History> m_history;
};

} // namespace teskaro
