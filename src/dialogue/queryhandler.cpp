#include "dialogueengine.h"

#include "knowledge/knowledgeloader.h"
#include "queryinterpreter.h"
#include "textrules.h"

namespace teskaro {

using namespace Qt::StringLiterals;

void DialogueEngine::conversacion_Click()
{
    if (m_ended)
        return;
    showHandlerLook(DialogueMode::Consultation,
                    u" Realice su consulta al sistema siguiendo la sintaxis establecida para el "
                    u"modo CONSULTA "_s);

    const QString input = m_view.inputLine();
    const QueryReading reading = readQuery(input, m_state.invertPronouns);
    using Kind = QueryReading::Kind;
    if (reading.kind == Kind::LearningCommand) {
        Option1_Click();
        return;
    }

    reloadForQuestion();
    if (!input.isEmpty())
        echo(input);

    switch (reading.kind) {
    case Kind::LearningCommand:
    case Kind::Empty:
        break;
    case Kind::Exit:
        endProgram(0);
        return;
    case Kind::NotUnderstood:
        m_state.replyText = m_state.phrases.notUnderstoodPhrases[pickPhrase()];
        putOutReply();
        break;
    case Kind::Question:
        answerQuestion(reading);
        break;
    }
    tidyUp();
}

// The file is the master copy: every question reads it again. A missing file
// is an empty knowledge base (the first learned statement creates it); any
// other trouble is reported and the question is answered from what could be
// read.
void DialogueEngine::reloadForQuestion()
{
    KnowledgeTable &table = m_state.table;
    table.recordCount = 0;
    const QString problem = loadProblem(loadKnowledgeTable(m_state.activeFileName, table));
    if (!problem.isEmpty())
        append(problem + u"\r\n"_s);
    setCountLabel(countCaption(table.recordCount));
}

// What a load that did not read the whole file tells the user, as a status
// line without its line end; empty when there is nothing to tell.
QString DialogueEngine::loadProblem(const LoadOutcome &outcome) const
{
    const QString &file = m_state.activeFileName;
    switch (outcome.status) {
    case LoadOutcome::Status::Loaded:
    case LoadOutcome::Status::Missing:
        return {};
    case LoadOutcome::Status::Unreadable:
        return u"$ No es posible leer la base de conocimientos "_s + file + u": "_s +
               outcome.reason;
    case LoadOutcome::Status::Overflow:
        return u"$ La base de conocimientos "_s + file + u" tiene más de "_s +
               QString::number(KnowledgeTable::capacity) + u" registros: solo se han leído los "_s +
               QString::number(KnowledgeTable::capacity) + u" primeros"_s;
    case LoadOutcome::Status::Incomplete:
        return u"$ El último registro de "_s + file +
               u" está incompleto y no se ha tenido en cuenta"_s;
    }
    return {};
}

void DialogueEngine::answerQuestion(const QueryReading &reading)
{
    const KnowledgeTable &table = m_state.table;
    const QStringMatcher subject(reading.querySubject);
    int answerCount = 0;
    for (int recordIndex = 0; recordIndex < table.recordCount; ++recordIndex) {
        const QString &topic = table.topicColumn[recordIndex];
        if (!topicHoldsSubject(topic, subject))
            continue;
        m_state.replyText = m_state.phrases.recallPhrases[pickPhrase()] + trimmedBlanks(topic) +
                            u' ' + trimmedBlanks(table.statementColumn[recordIndex]) + u' ';
        putOutReply();
        ++answerCount;
    }
    if (answerCount == 0) {
        m_state.replyText =
            m_state.phrases.ignorancePhrases[pickPhrase()] + subjectAsAsked(reading) + u' ';
        putOutReply();
    }
}

void DialogueEngine::putOutReply()
{
    append(m_state.replyText + u"\r\n"_s);
    m_speech.beforeAnswer();
    speakIfOn(m_state.replyText);
}

} // namespace teskaro
