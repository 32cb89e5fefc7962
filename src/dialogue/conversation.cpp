// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "conversation.h"

#include "deduction.h"

#include "knowledge/accents.h"
#include "knowledge/knowledgeloader.h"
#include "knowledge/knowledgewriter.h"
#include "knowledge/recordformat.h"
#include "learninginterpreter.h"
#include "phrases.h"
#include "queryinterpreter.h"
#include "session.h"
#include "tableloading.h"
#include "textrules.h"

namespace teskaro {

using namespace Qt::StringLiterals;

namespace {

const QString lineEnd = u"\r\n"_s;
const QString fullReply =
    u":( MI BASE DE CONOCIMIENTOS ESTA LLENA. NO PUEDO APRENDER NADA MAS EN ESTE ARCHIVO "_s;

} // namespace

Conversation::Conversation(Session &session, const Services &services)
    : m_session(session)
    , m_services(services)
{}

void Conversation::submit(const QString &line)
{
    if (m_session.mode() == Mode::Learning)
        learn(line);
    else
        answer(line);
}

void Conversation::switchMode(Mode mode)
{
    const bool learning = mode == Mode::Learning;
    m_session.setMode(mode);
    const Phrases &phrases = Phrases::standard();
    const QString &prompt =
        pickPhrase(m_services.random, learning ? phrases.teachPrompts : phrases.askPrompts);
    const QString banner = learning ? u"$   ... cambiando a modo aprendizaje..."_s
                                    : u"$   ... cambiando a modo consulta ..."_s;
    m_session.append(lineEnd + banner + lineEnd + lineEnd + prompt + lineEnd);
    speakIfOn(prompt);
}

void Conversation::endProgram(int status)
{
    m_session.markEnded();
    m_services.platform.exit.endProgram(status);
}

void Conversation::learn(const QString &line)
{
    const LearningReading reading = readLearningInput(line, m_session.pronounInversionApplied());
    using Kind = LearningReading::Kind;
    switch (reading.kind) {
    case Kind::ConsultCommand:
        switchMode(Mode::Consultation);
        return;
    case Kind::Empty:
        return;
    default:
        break;
    }

    echo(line);
    switch (reading.kind) {
    case Kind::ConsultCommand:
    case Kind::Empty:
        break;
    case Kind::Exit:
        endProgram(0);
        break;
    case Kind::Question:
        m_session.append(u":) CAMBIA A MODO CONSULTA SI DESEAS FORMULAR ALGUNA PREGUNTA "_s +
                         lineEnd);
        break;
    case Kind::QuestionMark:
        switchMode(Mode::Consultation);
        break;
    case Kind::NotUnderstood:
        reply(pickPhrase(m_services.random, Phrases::standard().notUnderstood));
        break;
    case Kind::Statement:
        learnStatement(reading);
        break;
    }
}

// The statement is on disk before it is acknowledged, so the user is never
// told something was learned that is not there.
void Conversation::learnStatement(const LearningReading &reading)
{
    const QString &subject = reading.subjectPhrase;
    const QString &verbPhrase = reading.verbPhrase;
    // The direct record, then its mirror image, so that the statement is
    // found from either side.
    const QList<KnowledgeRecord> records{
        {paddedField(subject), paddedField(verbPhrase)},
        {paddedField(verbPhrase), paddedField(subject)},
    };
    const bool logic = m_session.realTimeLogicApplied();
    KnowledgeTable &table = m_session.table();
    const AppendOutcome outcome = table.isFull() ? AppendOutcome{AppendOutcome::Status::Full, {}}
                                                 : appendRecords(m_session.knowledgeFile(), records,
                                                                 KnowledgeTable::capacity, logic);
    if (!outcome.setAside.isEmpty())
        m_session.append(u"$ "_s + setAsideNote(m_session.knowledgeFile(), outcome.setAside) +
                         lineEnd);
    if (outcome.status == AppendOutcome::Status::Known) {
        reply(u":) YA LO SABIA: "_s + trimBlanks(subject).toString() + u' ' +
              trimBlanks(verbPhrase).toString() + u' ');
        m_session.append(lineEnd);
        return;
    }
    // Drawn whether or not the statement could be kept, so that the replies
    // that follow are the same.
    const QString acknowledgement =
        pickPhrase(m_services.random, Phrases::standard().learned) + subject + u"... "_s + lineEnd;
    switch (outcome.status) {
    case AppendOutcome::Status::Appended:
        table.append({subject, verbPhrase});
        m_session.append(acknowledgement + lineEnd);
        m_session.setLearnedCount(m_session.learnedCount() + 1);
        speakIfOn(acknowledgement);
        if (logic)
            deduceFromLearned(outcome, records);
        break;
    case AppendOutcome::Status::Known: // answered above
        break;
    case AppendOutcome::Status::Full:
        reply(fullReply);
        break;
    case AppendOutcome::Status::Failed:
        m_session.append(u"$ No he podido guardar lo aprendido en "_s + m_session.knowledgeFile() +
                         u": "_s + outcome.reason + u". No se ha aprendido nada."_s + lineEnd);
        break;
    }
}

// The file as the append read it under its lock, so that what others
// learned counts too, with the records just written; the session's table
// and counter stay as they are.
void Conversation::deduceFromLearned(const AppendOutcome &appended,
                                     const QList<KnowledgeRecord> &records)
{
    for (const QString &chain : chainsThroughLearned(appended.before, appended.fields, records))
        reply(u":) AHORA DEDUZCO QUE "_s + chain + u' ');
}

void Conversation::answer(const QString &line)
{
    const QueryReading reading = readQuery(line, m_session.pronounInversionApplied());
    using Kind = QueryReading::Kind;
    if (reading.kind == Kind::LearningCommand) {
        switchMode(Mode::Learning);
        return;
    }

    // The file is the master copy: every question reads it again.
    const QString problem = reloadTable(m_session);
    if (!problem.isEmpty())
        m_session.append(problem + lineEnd);
    if (!line.isEmpty())
        echo(line);

    switch (reading.kind) {
    case Kind::LearningCommand:
    case Kind::Empty:
        break;
    case Kind::Exit:
        endProgram(0);
        break;
    case Kind::NotUnderstood:
        answerLine(pickPhrase(m_services.random, Phrases::standard().notUnderstood));
        break;
    case Kind::Question:
        answerQuestion(reading);
        break;
    }
}

void Conversation::answerQuestion(const QueryReading &reading)
{
    const Phrases &phrases = Phrases::standard();
    const KnowledgeTable &table = m_session.table();
    const SubjectSearch subject(folded(reading.querySubject));
    QList<int> answered; // rows
    for (int index = 0; index < table.recordCount(); ++index) {
        if (!topicHoldsSubject(table.foldedTopic(index), subject))
            continue;
        const KnowledgeRecord &record = table.record(index);
        answerLine(pickPhrase(m_services.random, phrases.recall) +
                   trimBlanks(record.topic).toString() + u' ' +
                   trimBlanks(record.statement).toString() + u' ');
        answered += index;
    }
    if (answered.isEmpty())
        answerLine(pickPhrase(m_services.random, phrases.ignorance) + subjectAsAsked(reading) +
                   u' ');
    else if (m_session.logicRulesApplied()) {
        for (const QString &chain : Deduction(table).chainsFrom(answered))
            answerLine(u":) DEDUZCO QUE "_s + chain + u' ');
    }
}

void Conversation::echo(const QString &line)
{
    m_session.append(lineEnd + u"  [ "_s + line + u" ]"_s + lineEnd, TranscriptSource::Echo);
}

void Conversation::reply(const QString &text)
{
    m_session.append(text + lineEnd);
    speakIfOn(text);
}

// Every reply to a question first lets the voice know an answer is coming.
void Conversation::answerLine(const QString &text)
{
    m_session.append(text + lineEnd);
    m_services.speech.beforeAnswer();
    speakIfOn(text);
}

void Conversation::speakIfOn(const QString &text)
{
    if (m_session.speechEnabled())
        m_services.speech.speak(text);
}

} // namespace teskaro
