#pragma once

#include "dialogue/dialogueview.h"

#include <optional>

class QIODevice;

namespace teskaro {

class DialogueEngine;

// The main window on a terminal. The transcript goes to its own stream as it
// grows, and nothing else does; the about box goes to the stream of
// messages. Labels, colours and pictures have no place on a terminal: the
// engine's state keeps what they would show.
class ConsoleView final : public DialogueView
{
public:
    ConsoleView(QIODevice &transcript, QIODevice &messages);

    // The engine whose dialogs this view loads, as the window does.
    void attach(DialogueEngine &engine) { m_engine = &engine; }

    // What the user does in the next save-as dialog: "&Guardar" with this
    // folder and typed name. Without a choice the dialog is cancelled.
    void setNextSaveChoice(const QString &folderPath, const QString &typedName);

    // Hands what the transcript gained over to the terminal.
    void flush();

    void processPendingEvents() override;
    void appendToTranscript(const QString &text) override;
    void showTranscriptEnd() override {}
    void setTranscriptColours(Rgb, Rgb) override {}
    QString inputLine() const override { return m_inputLine; }
    void setInputLine(const QString &text) override { m_inputLine = text; }
    void setInputTip(const QString &) override {}
    void focusInputLine() override {}
    void setCountLabel(const QString &) override {}
    void setKnowledgeFileBox(const QString &) override {}
    void setCaption(const QString &) override {}
    void setModeIcon(DialogueMode) override {}
    void setIndicatorVisible(Indicator, bool) override {}
    void setMenuMark(MenuMark, bool) override {}
    void setInputButton(DialogueMode) override {}
    void setModeOption(DialogueMode) override {}
    void showAboutBox() override;
    void showOpenDialog() override;
    void closeOpenDialog() override { m_openDialogShown = false; }
    void runSaveDialog() override;
    void closeSaveDialog() override {}

private:
    struct SaveChoice
    {
        QString folderPath;
        QString typedName;
    };

    QIODevice &m_transcript;
    QIODevice &m_messages;
    DialogueEngine *m_engine = nullptr;
    QString m_inputLine;
    bool m_openDialogShown = false;
    std::optional<SaveChoice> m_nextSaveChoice;
    // The last text appended ended with a CR whose LF may still come.
    bool m_afterCarriageReturn = false;
};

} // namespace teskaro
