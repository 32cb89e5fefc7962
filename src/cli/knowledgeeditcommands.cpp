// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "knowledgeeditcommands.h"

#include "dialogue/session.h"
#include "dialogue/textrules.h"

namespace teskaro {

using namespace Qt::StringLiterals;

KnowledgeEditCommands::KnowledgeEditCommands(const Session &session,
                                             std::function<void(const QString &)> print)
    : m_session(session)
    , m_print(std::move(print))
{}

void KnowledgeEditCommands::list(const QString &text)
{
    m_listedFile = m_session.knowledgeFile();
    m_listing = listStatements(m_listedFile);
    m_listed.clear();
    if (!m_listing.setAside.isEmpty())
        m_print(m_listing.setAside);
    if (!m_listing.failure.isEmpty()) {
        m_print(u"No se puede leer "_s + m_listedFile + u": "_s + m_listing.failure);
        return;
    }
    for (const KnowledgeStatement &statement : std::as_const(m_listing.statements)) {
        if (!statementMatches(statement, text))
            continue;
        m_listed += statement;
        m_print(QString::number(m_listed.size()) + u". "_s + trimmedBlanks(statement.shown.topic) +
                u" | "_s + trimmedBlanks(statement.shown.statement) +
                (statement.mirrorRow < 0 ? u"   (sin registro espejo)"_s : QString()));
    }
    m_print(QString::number(m_listing.statements.size()) + u" afirmaciones, "_s +
            QString::number(m_listing.records.size()) + u" registros"_s);
    if (!m_listing.readOnly.isEmpty())
        m_print(u"Solo lectura: "_s + m_listing.readOnly);
}

std::optional<QList<KnowledgeStatement>> KnowledgeEditCommands::numbered(const QStringList &numbers)
{
    QList<KnowledgeStatement> statements;
    for (const QString &word : numbers) {
        bool ok = false;
        const int number = word.toInt(&ok);
        if (!ok || number < 1 || number > m_listed.size()) {
            m_print(u"No hay ninguna afirmación "_s + word +
                    u" en la última lista: use /listar y los números que muestra"_s);
            return std::nullopt;
        }
        statements += m_listed[number - 1];
    }
    if (statements.isEmpty()) {
        m_print(u"Falta el número de la afirmación: use /listar y los números que muestra"_s);
        return std::nullopt;
    }
    if (!m_listing.readOnly.isEmpty()) {
        m_print(u"No se puede modificar "_s + m_listedFile + u": "_s + m_listing.readOnly);
        return std::nullopt;
    }
    return statements;
}

void KnowledgeEditCommands::forget(const QString &numbers)
{
    const auto statements = numbered(numbers.split(u' ', Qt::SkipEmptyParts));
    if (!statements)
        return;
    KnowledgeChange change = forgetting(m_listing, *statements);
    if (apply(m_listedFile, change)) {
        m_done += {m_listedFile, change};
        m_undone.clear();
        m_print(u"Olvidadas: "_s + QString::number(statements->size()));
    }
}

void KnowledgeEditCommands::correct(const QString &argument)
{
    const qsizetype bar = argument.indexOf(u'|');
    const QStringList words = argument.left(bar).split(u' ', Qt::SkipEmptyParts);
    if (bar < 0 || words.isEmpty()) {
        m_print(u"Use /corregir N TEMA | RESTO"_s);
        return;
    }
    const auto statement = numbered(words.first(1));
    if (!statement)
        return;
    const QString topic = words.sliced(1).join(u' ');
    KnowledgeChange change;
    const QString refusal =
        correcting(m_listing, statement->first(), topic, argument.mid(bar + 1), change);
    if (!refusal.isEmpty())
        m_print(refusal);
    else if (apply(m_listedFile, change)) {
        m_done += {m_listedFile, change};
        m_undone.clear();
        m_print(u"Corregida: "_s + trimmedBlanks(change.added.first().topic) + u" | "_s +
                trimmedBlanks(change.added.first().statement));
    }
}

void KnowledgeEditCommands::undo()
{
    if (m_done.isEmpty()) {
        m_print(u"No hay nada que deshacer"_s);
        return;
    }
    KnowledgeChange change = undoing(m_done.last().change);
    if (apply(m_done.last().file, change)) {
        m_undone += m_done.takeLast();
        m_print(u"Deshecho"_s);
    }
}

void KnowledgeEditCommands::redo()
{
    if (m_undone.isEmpty()) {
        m_print(u"No hay nada que rehacer"_s);
        return;
    }
    Change change = m_undone.last();
    if (apply(change.file, change.change)) {
        m_undone.removeLast();
        m_done += change;
        m_print(u"Rehecho"_s);
    }
}

// A change goes to the file that was listed, which the session may have
// left since.
bool KnowledgeEditCommands::apply(const QString &file, KnowledgeChange &change)
{
    const QString failure = applyChange(file, change);
    if (!failure.isEmpty()) {
        m_print(u"No se ha cambiado nada en "_s + file + u": "_s + failure);
        return false;
    }
    return true;
}

} // namespace teskaro
