#include "dialogueengine.h"

#include "knowledge/knowledgewriter.h"
#include "knowledge/recordformat.h"
#include "learninginterpreter.h"

namespace teskaro {

using namespace Qt::StringLiterals;

void DialogueEngine::aprendizaje_Click()
{
    if (m_ended)
        return;
    showHandlerLook(DialogueMode::Learning,
                    u" Entre información para enseñar al sistema siguiendo la sintaxis "
                    u"establecida para el modo APRENDIZAJE "_s);

    const QString input = m_view.inputLine();
    const LearningReading reading = readLearningInput(input, m_state.invertPronouns);
    using Kind = LearningReading::Kind;
    if (reading.kind == Kind::ConsultCommand) {
        Option2_Click();
        return;
    }
    if (reading.kind != Kind::Empty)
        echo(input);

    switch (reading.kind) {
    case Kind::ConsultCommand:
    case Kind::Empty:
        break;
    case Kind::Exit:
        endProgram(0);
        return;
    case Kind::Question:
        append(u":) CAMBIA A MODO CONSULTA SI DESEAS FORMULAR ALGUNA PREGUNTA \r\n"_s);
        break;
    case Kind::QuestionMark:
        Option2_Click();
        return;
    case Kind::NotUnderstood:
        m_state.replyText = m_state.phrases.notUnderstoodPhrases[pickPhrase()];
        append(m_state.replyText + u"\r\n"_s);
        speakIfOn(m_state.replyText);
        break;
    case Kind::Statement:
        learnStatement(reading);
        break;
    }
    tidyUp();
}

// The statement is written to the file before it is acknowledged, so that
// the user is never told something was learned that is not on disk.
void DialogueEngine::learnStatement(const LearningReading &reading)
{
    const int phraseIndex = pickPhrase();
    const QString &subjectPhrase = reading.subjectPhrase;
    const QString &verbPhrase = reading.verbPhrase;
    const QString acknowledgement =
        m_state.phrases.learnedPhrases[phraseIndex] + subjectPhrase + u"... "_s + u"\r\n"_s;

    KnowledgeTable &table = m_state.table;
    if (!table.isFull()) {
        table.topicColumn[table.recordCount] = subjectPhrase;
        table.statementColumn[table.recordCount] = verbPhrase;
    }
    const QString mirrorTopic = trimBlanks(verbPhrase).toString();
    const QString &mirrorStatement = subjectPhrase;
    const QList<KnowledgeRecord> records{
        {paddedField(subjectPhrase), paddedField(verbPhrase)},
        {paddedField(mirrorTopic), paddedField(mirrorStatement)},
    };
    const AppendOutcome outcome = table.isFull() ? AppendOutcome{AppendOutcome::Status::Full, {}}
                                                 : appendRecords(m_state.activeFileName, records);

    switch (outcome.status) {
    case AppendOutcome::Status::Appended:
        m_state.replyText = acknowledgement;
        append(m_state.replyText + u"\r\n"_s);
        ++table.recordCount;
        ++m_state.displayedCount;
        setCountLabel(countCaption(m_state.displayedCount));
        speakIfOn(m_state.replyText);
        break;
    case AppendOutcome::Status::Full:
        m_state.replyText = u":( MI BASE DE CONOCIMIENTOS ESTA LLENA. NO PUEDO APRENDER NADA "
                            u"MAS EN ESTE ARCHIVO "_s;
        append(m_state.replyText + u"\r\n"_s);
        speakIfOn(m_state.replyText);
        break;
    case AppendOutcome::Status::Failed:
        append(u"$ No he podido guardar lo aprendido en "_s + m_state.activeFileName + u": "_s +
               outcome.reason + u". No se ha aprendido nada.\r\n"_s);
        break;
    }
}

} // namespace teskaro
