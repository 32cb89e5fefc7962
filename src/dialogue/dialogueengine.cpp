#include "dialogueengine.h"

#include "keyfilter.h"
#include "modelook.h"
#include "sysinfo.h"

namespace teskaro {

using namespace Qt::StringLiterals;

DialogueEngine::DialogueEngine(DialogueView &view, const Platform &platform, SpeechControl &speech,
                               RandomSource &random)
    : m_view(view)
    , m_platform(platform)
    , m_speech(speech)
    , m_random(random)
{}

void DialogueEngine::pressDefaultButton()
{
    if (m_state.mode == DialogueMode::Learning)
        aprendizaje_Click();
    else
        conversacion_Click();
}

void DialogueEngine::Option1_Click()
{
    switchMode(DialogueMode::Learning);
}

void DialogueEngine::Option2_Click()
{
    switchMode(DialogueMode::Consultation);
}

void DialogueEngine::aprend_Click()
{
    if (m_ended)
        return;
    m_view.setMenuMark(MenuMark::Aprend, true);
    m_view.setMenuMark(MenuMark::Consul, false);
    Option1_Click();
}

void DialogueEngine::consul_Click()
{
    if (m_ended)
        return;
    m_view.setMenuMark(MenuMark::Consul, true);
    m_view.setMenuMark(MenuMark::Aprend, false);
    Option2_Click();
}

// A switch runs in full even when its mode is already on: the banner and a
// new prompt are written again.
void DialogueEngine::switchMode(DialogueMode mode)
{
    if (m_ended)
        return;
    const bool learning = mode == DialogueMode::Learning;
    const ModeLook &look = modeLook(mode);
    m_state.mode = mode;

    m_view.setTranscriptColours(look.background, look.text);
    m_view.setIndicatorVisible(Indicator::Image2, learning);
    m_view.setIndicatorVisible(Indicator::Image3, !learning);
    m_view.setIndicatorVisible(Indicator::Picture2, !learning);
    m_view.setIndicatorVisible(Indicator::Picture1, learning);
    m_view.setMenuMark(MenuMark::Aprend, learning);
    m_view.setMenuMark(MenuMark::Consul, !learning);
    m_view.setInputButton(mode);
    m_view.setModeIcon(mode);
    m_view.setInputTip(QString::fromUtf16(look.inputTip));

    const QString &prompt = (m_state.phrases.*look.prompts)[pickPhrase()];
    append(u"\r\n"_s + QString::fromUtf16(look.banner) + u"\r\n\r\n"_s + prompt + u"\r\n"_s);
    speakIfOn(prompt);

    m_view.setInputLine(QString());
    m_view.showTranscriptEnd();
    m_view.focusInputLine();
    m_view.setModeOption(mode);
}

// The look each input handler gives the window before it reads the line:
// the mode's icon, its tip, and its picture in place of the other mode's.
void DialogueEngine::showHandlerLook(DialogueMode mode, const QString &inputTip)
{
    const bool learning = mode == DialogueMode::Learning;
    m_view.setModeIcon(mode);
    m_view.setInputTip(inputTip);
    m_view.setIndicatorVisible(learning ? Indicator::Image3 : Indicator::Image2, false);
    m_view.setIndicatorVisible(learning ? Indicator::Image2 : Indicator::Image3, true);
}

QChar DialogueEngine::Text2_KeyPress(QChar typed)
{
    return filterTypedCharacter(typed);
}

void DialogueEngine::inve_Click()
{
    if (m_ended)
        return;
    MessageBoxSpec box;
    box.title = u"Adevertencia! - Parvelix Suite PRO"_s;
    box.text = u"   Al activar/desactivar la opción de INVERSION DE PRONOMBRES (MI/TU ME/TE) "
               u"atribuye al programa TESKARO una entidad de personalidad propia.\r\r"
               u"   Utilice siempre la misma forma para no alterar la estructura de la "
               u"información"_s;
    m_platform.messages.show(box);
    m_state.invertPronouns = !m_state.invertPronouns;
    m_view.setMenuMark(MenuMark::Inve, m_state.invertPronouns);
}

void DialogueEngine::salir_Click()
{
    endProgram(0);
}

void DialogueEngine::acerca_Click()
{
    if (m_ended)
        return;
    m_view.showAboutBox();
}

void DialogueEngine::cmdSysInfo_Click()
{
    if (m_ended)
        return;
    StartSysInfo(m_platform);
}

void DialogueEngine::Check1_Click(bool ticked)
{
    if (m_ended)
        return;
    m_state.speechOn = ticked;
    m_view.focusInputLine();
}

void DialogueEngine::masc_Click()
{
    if (m_ended)
        return;
    m_speech.selectVoice(2);
    m_state.femaleVoiceMarked = false;
    m_view.setMenuMark(MenuMark::Masc, true);
    m_view.setMenuMark(MenuMark::Feme, false);
}

// The female voice is taken only while speech is on; the mark moves anyway.
void DialogueEngine::feme_Click()
{
    if (m_ended)
        return;
    if (m_state.speechOn)
        m_speech.selectVoice(1);
    m_state.femaleVoiceMarked = true;
    m_view.setMenuMark(MenuMark::Feme, true);
    m_view.setMenuMark(MenuMark::Masc, false);
}

void DialogueEngine::echo(const QString &inputLine)
{
    append(u"\r\n  [ "_s + inputLine + u" ]\r\n"_s);
}

void DialogueEngine::tidyUp()
{
    m_view.setInputLine(QString());
    m_view.showTranscriptEnd();
}

int DialogueEngine::pickPhrase()
{
    m_state.phraseIndex = pickPhraseIndex(m_random, m_state.phraseCount);
    return m_state.phraseIndex;
}

void DialogueEngine::append(const QString &text)
{
    m_state.transcript += text;
    m_view.appendToTranscript(text);
}

void DialogueEngine::setCountLabel(const QString &caption)
{
    m_state.countLabel = caption;
    m_view.setCountLabel(caption);
}

void DialogueEngine::setCaption(const QString &caption)
{
    m_state.caption = caption;
    m_view.setCaption(caption);
}

void DialogueEngine::setKnowledgeFileBox(const QString &fileName)
{
    m_state.knowledgeFileBox = fileName;
    m_view.setKnowledgeFileBox(fileName);
}

void DialogueEngine::speakIfOn(const QString &text)
{
    if (m_state.speechOn)
        m_speech.speakText(text);
}

void DialogueEngine::endProgram(int status)
{
    m_ended = true;
    m_platform.exit.endProgram(status);
}

} // namespace teskaro
