#pragma once

#include "dialogue/dialogueengine.h"
#include "dialogue/dialogueview.h"
#include "dialogue/randomsource.h"
#include "platform/platform.h"
#include "speech/speechcontrol.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <functional>

namespace teskaro::testing {

using namespace Qt::StringLiterals;

// One log shared by every fake, so a test can check the order in which the
// engine touched the window, the speech and the system.
struct EventLog
{
    QStringList events;
    void add(const QString &event) { events += event; }
    qsizetype indexOf(const QString &event) const { return events.indexOf(event); }
    QStringList starting(const QString &prefix) const;
};

class RecordingView final : public DialogueView
{
public:
    explicit RecordingView(EventLog &log)
        : m_log(log)
    {}

    // The engine whose dialogs this view loads, as the window does.
    DialogueEngine *engine = nullptr;

    void processPendingEvents() override { m_log.add(u"processEvents"_s); }
    void appendToTranscript(const QString &text) override;
    void showTranscriptEnd() override { m_log.add(u"transcriptEnd"_s); }
    void setTranscriptColours(Rgb backgroundColour, Rgb textColour) override;
    QString inputLine() const override { return input; }
    void setInputLine(const QString &text) override;
    void setInputTip(const QString &tip) override;
    void focusInputLine() override { m_log.add(u"focusInput"_s); }
    void setCountLabel(const QString &caption) override;
    void setKnowledgeFileBox(const QString &fileName) override;
    void setCaption(const QString &text) override;
    void setModeIcon(DialogueMode mode) override;
    void setIndicatorVisible(Indicator indicator, bool visible) override;
    void setMenuMark(MenuMark item, bool marked) override;
    void setInputButton(DialogueMode mode) override;
    void setModeOption(DialogueMode mode) override;
    void showAboutBox() override { m_log.add(u"aboutBox"_s); }
    void showOpenDialog() override;
    void closeOpenDialog() override;
    void runSaveDialog() override;
    void closeSaveDialog() override;

    // Runs while the save-as dialog is up, standing in for the user.
    std::function<void()> onSaveDialog;
    bool openDialogShown = false;
    int openDialogLoads = 0;

    // Lines of the transcript, split at CR LF (the last, unfinished one too).
    QStringList transcriptLines() const;

    QString transcript;
    QString input;
    QString inputTip;
    QString countLabel = u"00"_s;
    QString knowledgeFileBox;
    QString caption;
    Rgb background{246, 227, 206};
    Rgb text{80, 80, 255};
    DialogueMode icon = DialogueMode::Learning;
    DialogueMode inputButton = DialogueMode::Learning;
    DialogueMode modeOption = DialogueMode::Learning;
    QMap<Indicator, bool> indicators{{Indicator::Image2, true},
                                     {Indicator::Image3, false},
                                     {Indicator::Picture1, true},
                                     {Indicator::Picture2, false}};
    QMap<MenuMark, bool> marks{{MenuMark::Aprend, true},
                               {MenuMark::Consul, false},
                               {MenuMark::Masc, true},
                               {MenuMark::Feme, false},
                               {MenuMark::Inve, true}};

private:
    EventLog &m_log;
};

class RecordingSpeech final : public SpeechControl
{
public:
    explicit RecordingSpeech(EventLog &log)
        : m_log(log)
    {}
    bool selectVoice(int voice) override;
    void speakText(const QString &text) override;
    void beforeAnswer() override { m_log.add(u"beforeAnswer"_s); }

    bool working = true;
    int voice = 0;
    QStringList spoken;
    QList<int> voicesOfSpoken;

private:
    EventLog &m_log;
};

// Plays back given numbers, then repeats the last one.
class ScriptedRandom final : public RandomSource
{
public:
    explicit ScriptedRandom(QList<float> values = {0.0f})
        : m_values(std::move(values))
    {}
    float next() override;
    void script(QList<float> values)
    {
        m_values = std::move(values);
        m_next = 0;
    }
    // The number that makes the pick rule choose the given slot of 1..15.
    static float forSlot(int slot) { return (float(slot) - 0.5f) / 15.0f; }

private:
    QList<float> m_values;
    qsizetype m_next = 0;
};

class RecordingFileSystem final : public FileSystem
{
public:
    bool fileExists(const QString &fileName) const override;
    QString currentFolder() const override;
};

class RecordingLauncher final : public ProcessLauncher
{
public:
    explicit RecordingLauncher(EventLog &log)
        : m_log(log)
    {}
    bool start(const QString &program, const QStringList &arguments) override;

    // Programs that cannot be found.
    QStringList missing;
    // Runs when a program is started, as the program itself would.
    std::function<void(const QString &program)> onStart;
    QList<QStringList> started; // program followed by its arguments

private:
    EventLog &m_log;
};

class RecordingMessages final : public MessageBoxes
{
public:
    explicit RecordingMessages(EventLog &log)
        : m_log(log)
    {}
    MessageAnswer show(const MessageBoxSpec &box) override;

    QList<MessageBoxSpec> shown;
    QList<MessageAnswer> answers; // given in turn; Ok or Cancel when none is left
    std::function<void(const MessageBoxSpec &)> onShow; // runs while the box is up

private:
    EventLog &m_log;
};

class RecordingExit final : public ProgramExit
{
public:
    explicit RecordingExit(EventLog &log)
        : m_log(log)
    {}
    void endProgram(int status) override;

    bool ended = false;
    int status = -1;

private:
    EventLog &m_log;
};

// A registry holding exactly the values a test puts in it.
class FakeRegistry final : public Registry
{
public:
    std::optional<RegistryValue> readValue(Root root, const QString &keyPath,
                                           const QString &valueName) const override;

    void set(const QString &keyPath, const QString &valueName, RegistryValue value)
    {
        values[keyPath + u'|' + valueName] = std::move(value);
    }
    QMap<QString, RegistryValue> values;
};

// The fakes of everything around a view, wired together.
struct PlatformFakes
{
    EventLog log;
    RecordingSpeech speech{log};
    ScriptedRandom random;
    RecordingFileSystem files;
    RecordingLauncher launcher{log};
    RecordingMessages messages{log};
    RecordingExit exit{log};
    FakeRegistry registry;
    Platform platform{files, launcher, messages, exit, registry};
};

// An engine driving the recording view, for tests without a window.
struct EngineRig : PlatformFakes
{
    EngineRig() { view.engine = &engine; }

    RecordingView view{log};
    DialogueEngine engine{view, platform, speech, random};
};

} // namespace teskaro::testing
