#pragma once

#include "dialoguestate.h"
#include "dialogueview.h"
#include "platform/platform.h"
#include "randomsource.h"
#include "speech/speechcontrol.h"

#include <QString>

namespace teskaro {

struct LearningReading;
struct LoadOutcome;
struct QueryReading;

// The conversation: start-up, the learning and query interpreters, the modes
// and the options. Each public member is one event of the main window,
// handled to completion; the engine reaches the window only through
// DialogueView and the operating system only through Platform.
class DialogueEngine
{
public:
    DialogueEngine(DialogueView &view, const Platform &platform, SpeechControl &speech,
                   RandomSource &random);
    Q_DISABLE_COPY_MOVE(DialogueEngine)

    const DialogueState &state() const { return m_state; }
    // True once the program was asked to end; later events are ignored.
    bool hasEnded() const { return m_ended; }

    // Start-up, once, when the main window has been created.
    void Form_Load();

    // The two input buttons, and Enter in the input line, which presses the
    // one that is the default button in the current mode.
    void aprendizaje_Click();
    void conversacion_Click();
    void pressDefaultButton();

    // Mode switches: the option buttons and the "Modo" menu items.
    void Option1_Click();
    void Option2_Click();
    void aprend_Click();
    void consul_Click();

    // A character typed into the input line, and what the line receives.
    static QChar Text2_KeyPress(QChar typed);

    void inve_Click();
    void salir_Click();

    // "Abrir archivo de conocimientos" and the open dialog: its load, its
    // "&Abrir" with the folder and file chosen, its "&Cancelar" (also its
    // close box and unload events).
    void abre_Click();
    void Formopen_Load();
    void Formopen_Command1_Click(const QString &folderPath, const QString &fileName);
    void Formopen_Command2_Click();

    // "Guardar ... con otro nombre" and the save-as dialog: its load, its
    // "&Guardar" with the folder chosen and the name typed, its "&Cancelar".
    void guar_Click();
    void Formsave_Load();
    void Formsave_Command1_Click(const QString &folderPath, const QString &typedName);
    void Formsave_Command2_Click();

    // A dialog's drive list could not read a drive: asks Retry or Cancel.
    MessageAnswer reportUnreadableDrive(FileDialog dialog, const QString &drive);

    // "Mantenimiento": sorting the knowledge file, removing repeated records.
    void orden_Click();
    void redun_Click();

    // "Acerca de...", and the about box's "&Información..." button.
    void acerca_Click();
    void cmdSysInfo_Click();

    // Speech: the check box (with its new state) and the two voice items.
    void Check1_Click(bool ticked);
    void masc_Click();
    void feme_Click();

private:
    // Start-up steps that may fail; false sends start-up to the fatal exit.
    bool runStartUp();
    void failStartUp();

    void learnStatement(const LearningReading &reading);
    void reloadForQuestion();
    QString loadProblem(const LoadOutcome &outcome) const;
    void answerQuestion(const QueryReading &reading);
    void putOutReply();

    void switchMode(DialogueMode mode);
    void showHandlerLook(DialogueMode mode, const QString &inputTip);
    void echo(const QString &inputLine);
    void tidyUp();

    int pickPhrase();
    void append(const QString &text);
    void setCountLabel(const QString &caption);
    void setCaption(const QString &caption);
    void setKnowledgeFileBox(const QString &fileName);
    void speakIfOn(const QString &text);
    void endProgram(int status);

    DialogueView &m_view;
    Platform m_platform;
    SpeechControl &m_speech;
    RandomSource &m_random;
    DialogueState m_state;
    bool m_ended = false;
};

} // namespace teskaro
