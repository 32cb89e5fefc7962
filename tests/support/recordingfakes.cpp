#include "recordingfakes.h"

#include <QDir>
#include <QFileInfo>

namespace teskaro::testing {

namespace {

QString modeName(DialogueMode mode)
{
    return mode == DialogueMode::Learning ? u"Learning"_s : u"Consultation"_s;
}

QString rgbName(Rgb rgb)
{
    return u"%1,%2,%3"_s.arg(rgb.red).arg(rgb.green).arg(rgb.blue);
}

} // namespace

QStringList EventLog::starting(const QString &prefix) const
{
    QStringList found;
    for (const QString &event : events) {
        if (event.startsWith(prefix))
            found += event;
    }
    return found;
}

void RecordingView::appendToTranscript(const QString &added)
{
    transcript += added;
    m_log.add(u"append:"_s + added);
}

void RecordingView::setTranscriptColours(Rgb backgroundColour, Rgb textColour)
{
    background = backgroundColour;
    text = textColour;
    m_log.add(u"colours:"_s + rgbName(backgroundColour) + u'/' + rgbName(textColour));
}

void RecordingView::setInputLine(const QString &line)
{
    input = line;
    m_log.add(u"input:"_s + line);
}

void RecordingView::setInputTip(const QString &tip)
{
    inputTip = tip;
    m_log.add(u"tip:"_s + tip);
}

void RecordingView::setCountLabel(const QString &label)
{
    countLabel = label;
    m_log.add(u"label22:"_s + label);
}

void RecordingView::setKnowledgeFileBox(const QString &fileName)
{
    knowledgeFileBox = fileName;
    m_log.add(u"text3:"_s + fileName);
}

void RecordingView::setCaption(const QString &newCaption)
{
    caption = newCaption;
    m_log.add(u"caption:"_s + newCaption);
}

void RecordingView::setModeIcon(DialogueMode mode)
{
    icon = mode;
    m_log.add(u"icon:"_s + modeName(mode));
}

void RecordingView::setIndicatorVisible(Indicator indicator, bool visible)
{
    indicators[indicator] = visible;
    m_log.add(u"indicator:%1=%2"_s.arg(int(indicator)).arg(visible));
}

void RecordingView::setMenuMark(MenuMark item, bool marked)
{
    marks[item] = marked;
    m_log.add(u"mark:%1=%2"_s.arg(int(item)).arg(marked));
}

void RecordingView::setInputButton(DialogueMode mode)
{
    inputButton = mode;
    m_log.add(u"button:"_s + modeName(mode));
}

void RecordingView::setModeOption(DialogueMode mode)
{
    modeOption = mode;
    m_log.add(u"option:"_s + modeName(mode));
}

void RecordingView::showOpenDialog()
{
    m_log.add(u"openDialog:show"_s);
    if (!openDialogShown && engine) {
        ++openDialogLoads;
        engine->Formopen_Load();
    }
    openDialogShown = true;
}

void RecordingView::closeOpenDialog()
{
    m_log.add(u"openDialog:close"_s);
    openDialogShown = false;
}

void RecordingView::runSaveDialog()
{
    m_log.add(u"saveDialog:run"_s);
    if (engine)
        engine->Formsave_Load();
    if (onSaveDialog)
        onSaveDialog();
    m_log.add(u"saveDialog:done"_s);
}

void RecordingView::closeSaveDialog()
{
    m_log.add(u"saveDialog:close"_s);
}

QStringList RecordingView::transcriptLines() const
{
    return transcript.split(u"\r\n"_s);
}

bool RecordingSpeech::selectVoice(int newVoice)
{
    m_log.add(u"selectVoice:"_s + QString::number(newVoice));
    if (!working)
        return false;
    voice = newVoice;
    return true;
}

void RecordingSpeech::speakText(const QString &text)
{
    spoken += text;
    voicesOfSpoken += voice;
    m_log.add(u"speak:"_s + text);
}

float ScriptedRandom::next()
{
    if (m_values.isEmpty())
        return 0.0f;
    const float value = m_values.at(std::min(m_next, m_values.size() - 1));
    ++m_next;
    return value;
}

bool RecordingFileSystem::fileExists(const QString &fileName) const
{
    const QFileInfo info(fileName);
    return info.exists() && !info.isDir();
}

QString RecordingFileSystem::currentFolder() const
{
    return QDir::currentPath();
}

bool RecordingLauncher::start(const QString &program, const QStringList &arguments)
{
    m_log.add(u"start:"_s + (QStringList{program} + arguments).join(u'|'));
    if (missing.contains(program))
        return false;
    started += QStringList{program} + arguments;
    if (onStart)
        onStart(program);
    return true;
}

MessageAnswer RecordingMessages::show(const MessageBoxSpec &box)
{
    shown += box;
    m_log.add(u"message:"_s + box.title);
    if (onShow)
        onShow(box);
    if (!answers.isEmpty())
        return answers.takeFirst();
    return box.buttons == MessageBoxSpec::Buttons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

void RecordingExit::endProgram(int exitStatus)
{
    ended = true;
    status = exitStatus;
    m_log.add(u"exit:"_s + QString::number(exitStatus));
}

std::optional<RegistryValue> FakeRegistry::readValue(Root, const QString &keyPath,
                                                     const QString &valueName) const
{
    const auto found = values.constFind(keyPath + u'|' + valueName);
    if (found == values.constEnd())
        return std::nullopt;
    return *found;
}

} // namespace teskaro::testing
