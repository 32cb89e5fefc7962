#include "dialogueengine.h"

#include "knowledge/knowledgeloader.h"
#include "productinfo.h"

namespace teskaro {

using namespace Qt::StringLiterals;

void DialogueEngine::Form_Load()
{
    m_view.processPendingEvents();
    if (!runStartUp())
        failStartUp();
}

bool DialogueEngine::runStartUp()
{
    m_state.activeFileName = u"default.alm"_s;
    setKnowledgeFileBox(m_state.activeFileName);
    if (!m_speech.selectVoice(2))
        return false;
    setCaption(u"$ Reorganizando recuerdos e ideas..."_s);
    m_state.phraseCount = phraseCountAtStart;
    fillPhraseTables(m_state.phrases);
    m_state.table = KnowledgeTable();
    append(u"$ Recuperando ideas y recuerdos...\r\n"_s);
    append(m_platform.files.currentFolder() + u"\r\n"_s);

    if (m_platform.files.fileExists(m_state.activeFileName)) {
        append(u"$ en archivo "_s + m_state.activeFileName + u" ..."_s);
        // The sort runs beside us; the load below may see the file before,
        // during or after it, which the file's locking makes safe.
        if (!m_platform.processes.start(u"IND.BAT"_s, {}))
            return false;
        // A file the table cannot hold whole, or that cannot be read, stops
        // the start: answering from part of it would mislead.
        if (loadKnowledgeTable(m_state.activeFileName, m_state.table).status !=
            LoadOutcome::Status::Loaded) {
            return false;
        }
        setCountLabel(countCaption(m_state.table.recordCount));
        m_state.displayedCount = m_state.table.recordCount;
    } else {
        append(u"\r\n$ Realmente no poseo ningún dato en mi memoria, pero ..."_s);
    }

    append(u"\r\n:) ESTOY LISTO PARA UNA SESION.\r\n"_s);
    setCaption(u"TESKARO v0.4a :: Sistema Experto de Aprendizaje y Consulta basado en el "
               u"lenguaje humano"_s);
    append(m_state.phrases.teachPrompts[pickPhrase()] + u"\r\n"_s);
    aprendizaje_Click();
    return true;
}

void DialogueEngine::failStartUp()
{
    MessageBoxSpec box;
    box.title = u" Adevertencia! - TESKARO"_s;
    box.text =
        u"TESKARO ha producido un fallo que impide la correcta ejecución del software. "
        u"Este error puede ser ocasionado por una desestructuración en los archivos de "
        u"conocimientos. También debe saber que TESKARO requiere las librerías de "
        u"Microsoft para síntesis de Voz. Puede descargarlas de la página del autor en:  "_s +
        authorAddress() + u'\r';
    box.icon = MessageBoxSpec::Icon::Exclamation;
    box.buttons = MessageBoxSpec::Buttons::Ok;
    m_platform.messages.show(box);
    endProgram(1);
}

} // namespace teskaro
