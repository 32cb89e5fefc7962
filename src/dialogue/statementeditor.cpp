// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "statementeditor.h"

#include "knowledge/recordformat.h"
#include "knowledgeediting.h"
#include "session.h"
#include "textrules.h"

#include <QFileInfo>

#include <algorithm>

namespace teskaro {

using namespace Qt::StringLiterals;

namespace {

// Records an undo or a redo kept, told as statements: a mirror record goes
// without saying when its statement is told.
QString keptNote(const QList<KnowledgeRecord> &kept)
{
    QList<KnowledgeRecord> ordered = kept;
    std::stable_partition(ordered.begin(), ordered.end(), [](const KnowledgeRecord &record) {
        return startsWithCopula(trimBlanks(record.statement));
    });
    QList<KnowledgeRecord> told;
    QStringList statements;
    for (const KnowledgeRecord &record : ordered) {
        if (told.contains(KnowledgeRecord{record.statement, record.topic}))
            continue;
        told += record;
        statements += trimBlanks(record.topic).toString() + u" | "_s +
                      trimBlanks(record.statement).toString();
    }
    if (statements.isEmpty())
        return {};
    return u"Se ha conservado "_s + statements.join(u"; "_s) +
           u": el archivo ha cambiado desde entonces y no se distingue de lo que pudo aprenderse "
           u"después"_s;
}

} // namespace

// Each change keeps the file it was made to: the session may have listed
// another since.
struct StatementEditor::History
{
    struct Step
    {
        QString fileName;
        KnowledgeChange change;
    };
    QList<Step> done;
    QList<Step> undone;
};

StatementEditor::StatementEditor(Session &session)
    : m_session(session)
    , m_history(std::make_unique<History>())
{}

StatementEditor::~StatementEditor() = default;

void StatementEditor::list(const QString &fileName)
{
    m_session.setStatementListing(listStatements(fileName));
}

void StatementEditor::relist()
{
    list(m_session.statementListing().fileName);
}

QString StatementEditor::forget(const QList<KnowledgeStatement> &chosen)
{
    if (QString refusal = refusalToChange(); !refusal.isEmpty())
        return refusal;
    // A statement chosen twice is forgotten once.
    QList<KnowledgeStatement> statements;
    for (const KnowledgeStatement &statement : chosen) {
        if (std::ranges::none_of(statements, [&statement](const KnowledgeStatement &taken) {
                return taken.shownRow == statement.shownRow;
            }))
            statements += statement;
    }
    const QString fileName = m_session.statementListing().fileName;
    KnowledgeChange change = removalOf(statements);
    if (QString failure = apply(fileName, change); !failure.isEmpty())
        return failure;
    m_history->done += {fileName, change};
    m_history->undone.clear();
    changed({KnowledgeEdit::Kind::Forget, statements.size(), {}, {}});
    return {};
}

QString StatementEditor::correct(const KnowledgeStatement &statement, const QString &topic,
                                 const QString &rest)
{
    if (QString refusal = refusalToChange(); !refusal.isEmpty())
        return refusal;
    QString refusal;
    std::optional<KnowledgeChange> change = correctionOf(statement, topic, rest, refusal);
    if (!change)
        return refusal;
    const QString fileName = m_session.statementListing().fileName;
    if (QString failure = apply(fileName, *change); !failure.isEmpty())
        return failure;
    m_history->done += {fileName, *change};
    m_history->undone.clear();
    changed({KnowledgeEdit::Kind::Correct, 1, change->added.first(), {}});
    return {};
}

// A step that cannot be taken back now stays where it is, to be tried again.
QString StatementEditor::undo()
{
    if (m_history->done.isEmpty())
        return u"No hay nada que deshacer"_s;
    const History::Step &step = m_history->done.last();
    KnowledgeChange inverse = inverseOf(step.change);
    if (QString failure = apply(step.fileName, inverse); !failure.isEmpty())
        return failure;
    History::Step undone = m_history->done.takeLast();
    undone.change.since = inverse.after;
    m_history->undone += undone;
    changed({KnowledgeEdit::Kind::Undo, 0, {}, keptNote(inverse.kept)});
    return {};
}

QString StatementEditor::redo()
{
    if (m_history->undone.isEmpty())
        return u"No hay nada que rehacer"_s;
    History::Step step = m_history->undone.last();
    if (QString failure = apply(step.fileName, step.change); !failure.isEmpty())
        return failure;
    m_history->undone.removeLast();
    m_history->done += step;
    changed({KnowledgeEdit::Kind::Redo, 0, {}, keptNote(step.change.kept)});
    return {};
}

QString StatementEditor::refusalToChange() const
{
    const KnowledgeListing &listing = m_session.statementListing();
    if (listing.readOnly.isEmpty())
        return {};
    return u"No se puede modificar "_s + listing.fileName + u": "_s + listing.readOnly;
}

QString StatementEditor::apply(const QString &fileName, KnowledgeChange &change)
{
    const QString failure = applyChange(fileName, change);
    if (failure.isEmpty())
        return {};
    // Often the file changed under the listing: it is shown as it is now.
    relist();
    return u"No se ha cambiado nada en "_s + fileName + u": "_s + failure;
}

void StatementEditor::changed(const KnowledgeEdit &edit)
{
    relist();
    // The counter counts the records of the file in use, as a load would.
    const KnowledgeListing &listing = m_session.statementListing();
    if (listing.failure.isEmpty() &&
        QFileInfo(listing.fileName) == QFileInfo(m_session.knowledgeFile()))
        m_session.setLearnedCount(int(listing.records.size()));
    m_session.reportEdit(edit);
    m_session.setEditHistory(!m_history->done.isEmpty(), !m_history->undone.isEmpty());
}

} // namespace teskaro
