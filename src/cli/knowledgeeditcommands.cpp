// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "knowledgeeditcommands.h"

#include "dialogue/dialogueengine.h"
#include "knowledge/recordformat.h"
#include "lineinput.h"

namespace teskaro {

using namespace Qt::StringLiterals;

namespace {

QString shown(const KnowledgeRecord &record)
{
    return trimBlanks(record.topic).toString() + u" | "_s + trimBlanks(record.statement).toString();
}

} // namespace

KnowledgeEditCommands::KnowledgeEditCommands(DialogueEngine &engine,
                                             std::function<void(const QString &)> print)
    : m_engine(engine)
    , m_print(std::move(print))
{
    m_editReports =
        QObject::connect(&engine.session(), &Session::statementsEdited, &engine.session(),
                         [this](const KnowledgeEdit &edit) { edited(edit); });
}

KnowledgeEditCommands::~KnowledgeEditCommands()
{
    QObject::disconnect(m_editReports);
}

void KnowledgeEditCommands::list(const QString &text)
{
    m_engine.listStatements();
    const KnowledgeListing &listing = m_engine.session().statementListing();
    m_listed.clear();
    if (!listing.setAside.isEmpty())
        m_print(listing.setAside);
    if (!listing.failure.isEmpty()) {
        m_print(u"No se puede leer "_s + listing.fileName + u": "_s + listing.failure);
        return;
    }
    for (const KnowledgeStatement &statement : listing.statements) {
        if (!statementMatches(statement, text))
            continue;
        m_listed += statement;
        m_print(QString::number(m_listed.size()) + u". "_s + shown(statement.shown) +
                (statement.mirrorRow < 0 ? u"   (sin registro espejo)"_s : QString()));
    }
    m_print(listingCounts(listing));
    if (!listing.readOnly.isEmpty())
        m_print(u"Solo lectura: "_s + listing.readOnly);
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
    return statements;
}

void KnowledgeEditCommands::forget(const QString &numbers)
{
    if (const auto statements = numbered(numbers.split(u' ', Qt::SkipEmptyParts)))
        tell(m_engine.forgetStatements(*statements));
}

// The new topic and rest are typed, as in the window's editor.
void KnowledgeEditCommands::correct(const QString &typed)
{
    const QString argument = typedText(typed);
    const qsizetype bar = argument.indexOf(u'|');
    const QStringList words = argument.left(bar).split(u' ', Qt::SkipEmptyParts);
    if (bar < 0 || words.isEmpty()) {
        m_print(u"Use /corregir N TEMA | RESTO"_s);
        return;
    }
    if (const auto statement = numbered(words.first(1)))
        tell(m_engine.correctStatement(statement->first(), words.sliced(1).join(u' '),
                                       argument.mid(bar + 1)));
}

void KnowledgeEditCommands::undo()
{
    tell(m_engine.undoEdit());
}

void KnowledgeEditCommands::redo()
{
    tell(m_engine.redoEdit());
}

void KnowledgeEditCommands::tell(const QString &refusal)
{
    if (!refusal.isEmpty())
        m_print(refusal);
}

void KnowledgeEditCommands::edited(const KnowledgeEdit &edit)
{
    switch (edit.kind) {
    case KnowledgeEdit::Kind::Forget:
        m_print(u"Olvidadas: "_s + QString::number(edit.statements));
        break;
    case KnowledgeEdit::Kind::Correct:
        m_print(u"Corregida: "_s + shown(edit.corrected));
        break;
    case KnowledgeEdit::Kind::Undo:
        m_print(u"Deshecho"_s);
        break;
    case KnowledgeEdit::Kind::Redo:
        m_print(u"Rehecho"_s);
        break;
    }
    tell(edit.note);
}

} // namespace teskaro
