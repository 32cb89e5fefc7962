// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogueengine.h"

namespace teskaro {

using namespace Qt::StringLiterals;

DialogueEngine::DialogueEngine(const Platform &platform, SpeechControl &speech,
                               RandomSource &random)
    : m_services{platform, speech, random}
    , m_conversation(m_session, m_services)
    , m_fileCommands(m_session, m_services)
    , m_statementEditor(m_session)
{}

void DialogueEngine::start()
{
    StartUp(m_session, m_services).run();
}

void DialogueEngine::submit(const QString &line)
{
    if (!ended())
        m_conversation.submit(line);
}

void DialogueEngine::switchMode(Mode mode)
{
    if (!ended())
        m_conversation.switchMode(mode);
}

void DialogueEngine::setSpeechEnabled(bool on)
{
    if (ended())
        return;
    m_session.setSpeechEnabled(on);
    // Once a run: otherwise a ticked box on a machine without sound gives
    // no sign that nothing will be heard.
    if (on && !m_toldSilence && !m_services.speech.canBeHeard()) {
        m_toldSilence = true;
        m_session.append(u"$ No hay salida de sonido en este equipo: la síntesis de voz no se "
                         u"oirá.\r\n"_s);
    }
}

void DialogueEngine::setVoice(Voice voice)
{
    if (ended())
        return;
    if (voice == Voice::Male || m_session.speechEnabled())
        m_services.speech.selectVoice(voice);
    m_session.setChosenVoice(voice);
}

void DialogueEngine::setLogicRulesApplied(bool on)
{
    if (!ended())
        m_session.setLogicRulesApplied(on);
}

void DialogueEngine::setRealTimeLogicApplied(bool on)
{
    if (!ended())
        m_session.setRealTimeLogicApplied(on);
}

void DialogueEngine::togglePronounInversion()
{
    if (ended())
        return;
    Message warning;
    warning.title = u"Adevertencia! - Parvelix Suite PRO"_s;
    warning.text = u"   Al activar/desactivar la opción de INVERSION DE PRONOMBRES (MI/TU ME/TE) "
                   u"atribuye al programa TESKARO una entidad de personalidad propia.\n\n"
                   u"   Utilice siempre la misma forma para no alterar la estructura de la "
                   u"información"_s;
    m_services.platform.messages.show(warning);
    m_session.setPronounInversionApplied(!m_session.pronounInversionApplied());
}

void DialogueEngine::beginOpenKnowledgeFile()
{
    if (!ended())
        m_fileCommands.beginOpen();
}

void DialogueEngine::openKnowledgeFile(const QString &path)
{
    if (!ended())
        m_fileCommands.open(path);
}

bool DialogueEngine::saveKnowledgeFileAs(const QString &path, ExistingFile whenExisting)
{
    return ended() || m_fileCommands.saveAs(path, whenExisting);
}

void DialogueEngine::cancelSaveAs()
{
    if (!ended())
        m_fileCommands.cancelSaveAs();
}

void DialogueEngine::sortKnowledgeFile()
{
    if (!ended())
        m_fileCommands.sort();
}

void DialogueEngine::removeRepeatedRecords()
{
    if (!ended())
        m_fileCommands.removeRepeatedRecords();
}

void DialogueEngine::listStatements()
{
    if (!ended())
        m_statementEditor.list(m_session.knowledgeFile());
}

void DialogueEngine::relistStatements()
{
    if (!ended())
        m_statementEditor.relist();
}

QString DialogueEngine::forgetStatements(const QList<KnowledgeStatement> &statements)
{
    return ended() ? QString() : m_statementEditor.forget(statements);
}

QString DialogueEngine::correctStatement(const KnowledgeStatement &statement, const QString &topic,
                                         const QString &rest)
{
    return ended() ? QString() : m_statementEditor.correct(statement, topic, rest);
}

QString DialogueEngine::undoEdit()
{
    return ended() ? QString() : m_statementEditor.undo();
}

QString DialogueEngine::redoEdit()
{
    return ended() ? QString() : m_statementEditor.redo();
}

void DialogueEngine::quit()
{
    if (!ended())
        m_conversation.endProgram(0);
}

} // namespace teskaro
