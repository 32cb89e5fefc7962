#pragma once

#include <QString>

namespace teskaro {

enum class DialogueMode {
    Learning,
    Consultation
};

struct Rgb
{
    int red = 0;
    int green = 0;
    int blue = 0;

    friend bool operator==(const Rgb &, const Rgb &) = default;
};

// The pictures whose showing and hiding tell the mode.
enum class Indicator {
    Image2,
    Image3,
    Picture1,
    Picture2
};

// Menu items with a check mark.
enum class MenuMark {
    Aprend,
    Consul,
    Masc,
    Feme,
    Inve
};

// Everything the dialogue engine asks of a window. The Qt main window, the
// terminal front end and the tests' recording fake implement it; the engine
// never sees a widget.
class DialogueView
{
public:
    virtual ~DialogueView() = default;

    // Lets pending window events be handled once.
    virtual void processPendingEvents() = 0;

    // The transcript (Text1) only ever grows; lines end with CR LF.
    virtual void appendToTranscript(const QString &text) = 0;
    // Puts the caret after the transcript's last character and repaints it.
    virtual void showTranscriptEnd() = 0;
    virtual void setTranscriptColours(Rgb background, Rgb text) = 0;

    // The input line (Text2).
    virtual QString inputLine() const = 0;
    virtual void setInputLine(const QString &text) = 0;
    virtual void setInputTip(const QString &tip) = 0;
    virtual void focusInputLine() = 0;

    // Label22, repainted at once; Text3; the window's caption.
    virtual void setCountLabel(const QString &caption) = 0;
    virtual void setKnowledgeFileBox(const QString &fileName) = 0;
    virtual void setCaption(const QString &caption) = 0;

    // The window icon of a mode: the picture of Image6 (Learning) or Image5.
    virtual void setModeIcon(DialogueMode mode) = 0;
    virtual void setIndicatorVisible(Indicator indicator, bool visible) = 0;
    virtual void setMenuMark(MenuMark item, bool marked) = 0;
    // The mode's input button becomes enabled, visible and the default
    // button; the other one disabled and hidden.
    virtual void setInputButton(DialogueMode mode) = 0;
    // Shows Option1 or Option2 as set, without starting a switch.
    virtual void setModeOption(DialogueMode mode) = 0;

    // Opens the modal about box and returns once it is closed.
    virtual void showAboutBox() = 0;

    // The open dialog (Formopen) is not modal: show it, loading it afresh
    // unless it is already open, in which case it is only brought to the
    // front; close hides and unloads it.
    virtual void showOpenDialog() = 0;
    virtual void closeOpenDialog() = 0;
    // The save-as dialog (Formsave) is modal: run returns once it has been
    // unloaded; close unloads it from inside one of its handlers.
    virtual void runSaveDialog() = 0;
    virtual void closeSaveDialog() = 0;
};

// The two dialogs that list drives, for their warnings.
enum class FileDialog {
    Open,
    Save
};

} // namespace teskaro
