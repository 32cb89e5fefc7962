#include "dialogueengine.h"

#include "knowledge/knowledgeloader.h"

namespace teskaro {

using namespace Qt::StringLiterals;

// The sort itself is the outside command's; the program starts it, reads
// the file back at once and reports. Whatever goes wrong is told in a status
// line and the table holds what could be read: the file is never touched.
void DialogueEngine::orden_Click()
{
    if (m_ended)
        return;
    m_state.table.recordCount = 0;
    append(u"$ Ordenando ideas y recuerdos...\r\n"_s);
    append(m_platform.files.currentFolder() + u"\r\n"_s);

    if (m_platform.files.fileExists(m_state.activeFileName)) {
        append(u"$ en archivo "_s + m_state.activeFileName + u"..."_s);
        if (!m_platform.processes.start(u"IND.BAT"_s, {})) {
            append(u"\r\n$ No se ha podido iniciar la ordenación: IND.BAT no se encuentra o no se "
                   u"puede ejecutar"_s);
        }
        const QString problem =
            loadProblem(loadKnowledgeTable(m_state.activeFileName, m_state.table));
        if (!problem.isEmpty())
            append(u"\r\n"_s + problem);
        setCountLabel(countCaption(m_state.table.recordCount));
        m_state.displayedCount = m_state.table.recordCount;
    } else {
        append(u"\r\n$ Realmente no poseo ningún dato en mi memoria, pero ..."_s);
    }

    append(u"\r\n:) ESTOY LISTO PARA UNA SESION.\r\n"_s);
    setCaption(u" TESKARO v0.4a - [ Menquira ]"_s);
    append(m_state.phrases.teachPrompts[pickPhrase()] + u"\r\n"_s);
    m_view.showTranscriptEnd();
    m_view.focusInputLine();
}

// repetido gets the file name as its one argument, without a shell, so no
// name can be misread or run as a command; its output goes nowhere.
void DialogueEngine::redun_Click()
{
    if (m_ended)
        return;
    if (!m_platform.processes.start(u"repetido"_s, {m_state.activeFileName})) {
        append(u"$ No se ha podido iniciar la eliminación de redundancias: repetido no se "
               u"encuentra o no se puede ejecutar\r\n"_s);
        m_view.showTranscriptEnd();
    }
}

} // namespace teskaro
