#include "dialogueengine.h"

#include "knowledge/filenames.h"
#include "knowledge/knowledgefile.h"
#include "textrules.h"

namespace teskaro {

using namespace Qt::StringLiterals;

// The open command only chooses another file; the table counts as not
// loaded until the next question reads that file.
void DialogueEngine::abre_Click()
{
    if (m_ended)
        return;
    m_view.showOpenDialog();
    m_state.table.recordCount = 0;
    setCountLabel(QString::fromUtf16(notLoadedCaption));
}

void DialogueEngine::Formopen_Load()
{
    m_state.dialogFontName = u"Tahoma"_s;
}

void DialogueEngine::Formopen_Command1_Click(const QString &folderPath, const QString &fileName)
{
    if (m_ended)
        return;
    m_state.selectedFileName = openDialogName(folderPath, fileName);
    m_state.activeFileName = m_state.selectedFileName;
    m_view.closeOpenDialog();
    setKnowledgeFileBox(m_state.selectedFileName);
    append(u"\r\n$ abriendo base de conocimientos "_s + m_state.selectedFileName + u" ...\r\n"_s);
    append(u"\r\n:) ESTOY LISTO PARA UNA SESION.\r\n"_s);
    // Unloading the dialog empties the name it formed.
    m_state.selectedFileName.clear();
}

void DialogueEngine::Formopen_Command2_Click()
{
    m_state.selectedFileName.clear();
    m_view.closeOpenDialog();
}

void DialogueEngine::guar_Click()
{
    if (m_ended)
        return;
    m_view.runSaveDialog();
    m_state.table.recordCount = 0;
    if (m_state.saveConfirmed == 1) {
        m_state.activeFileName =
            fullKnowledgeFileName(m_state.activeFileName, m_platform.files.currentFolder());
        const FileWriteOutcome copy =
            copyKnowledgeFile(m_state.activeFileName, m_state.selectedFileName);
        if (!copy.ok) {
            append(u"$ No se ha podido copiar "_s + m_state.activeFileName + u" en "_s +
                   m_state.selectedFileName + u": "_s + copy.reason + u"\r\n"_s);
        }
    }
    setCountLabel(QString::fromUtf16(notLoadedCaption));
    // The box shows the file that learning and questions go on using: after
    // a save that is still the source of the copy.
    setKnowledgeFileBox(m_state.activeFileName);
}

void DialogueEngine::Formsave_Load()
{
    m_state.saveConfirmed = 0;
}

void DialogueEngine::Formsave_Command1_Click(const QString &folderPath, const QString &typedName)
{
    if (!trimmedBlanks(typedName).isEmpty()) {
        m_state.selectedFileName = saveDialogName(folderPath, typedName);
        m_state.saveConfirmed = 1;
    }
    m_view.closeSaveDialog();
}

void DialogueEngine::Formsave_Command2_Click()
{
    m_state.selectedFileName.clear();
    m_state.saveConfirmed = 0;
    m_view.closeSaveDialog();
}

MessageAnswer DialogueEngine::reportUnreadableDrive(FileDialog dialog, const QString &drive)
{
    MessageBoxSpec box;
    box.title = u"Adevertencia! - Parvelix Suite PRO"_s;
    box.text = (dialog == FileDialog::Open ? u"No es posible leer en la Unidad "_s
                                           : u"No está disponible la Unidad "_s) +
               drive.toUpper() + u"\r\rAsegúrese que la Unidad esté cerrada"_s;
    box.icon = MessageBoxSpec::Icon::Exclamation;
    box.buttons = MessageBoxSpec::Buttons::RetryCancel;
    return m_platform.messages.show(box);
}

} // namespace teskaro
