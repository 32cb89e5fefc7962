// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "speech/espeakengine.h"

#include "speech/soundoutput.h"

#include <espeak-ng/espeak_ng.h>

#include <QByteArrayView>

#include <utility>

using namespace Qt::StringLiterals;

namespace teskaro {

namespace {

// espeak-ng 1.51 can look for the blank that ends a word beyond the end of the word,
// upwards through its synthesis thread's stack ("perros inteligentes" does it). Where no
// blank byte comes before the end of that stack, the program crashes. Every thread's copy
// of the executable's thread-local data sits at the top of the thread's stack, above all
// its frames, so this run of blanks ends any such search before the stack does.
thread_local char blanksAboveTheStack[16] = {' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ',
                                             ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '};

struct VoiceChoice
{
    Voice voice;
    const char *path;    // the voice file under espeak-ng's language folder
    const char *name;    // the same found by name, which reads every voice file
    const char *variant; // how espeak-ng's identifier of the loaded voice ends
    espeak_ng_VOICE_GENDER gender;
};

// Naming the voice by its file spares espeak-ng from reading all of its
// voices, most of the time speech takes to start; the plain name is the way
// back for a data layout where the file lies elsewhere.
constexpr VoiceChoice voiceChoices[] = {
    {Voice::Female, "roa/es+f3", "es+f3", "+f3", ENGENDER_FEMALE},
    {Voice::Male, "roa/es+m3", "es+m3", "+m3", ENGENDER_MALE},
};

const VoiceChoice &findVoice(Voice voice)
{
    return voice == Voice::Female ? voiceChoices[0] : voiceChoices[1];
}

// espeak-ng accepts an unknown variant silently and speaks with the plain language voice; its
// current voice then names no variant and has no gender. The language list starts with a
// priority byte before the first language's name.
bool voiceLoaded(const VoiceChoice &choice)
{
    const espeak_VOICE *voice = espeak_GetCurrentVoice();
    if (!voice || !voice->languages || !voice->languages[0] || !voice->identifier)
        return false;
    return QByteArrayView(voice->languages + 1) == QByteArrayView("es") &&
           QByteArrayView(voice->identifier).endsWith(choice.variant) &&
           voice->gender == choice.gender;
}

QString dataPath()
{
    const char *path = nullptr;
    espeak_Info(&path);
    return path ? QString::fromLocal8Bit(path) : QString();
}

QString describe(espeak_ng_STATUS status)
{
    char message[512] = {};
    espeak_ng_GetStatusCodeMessage(status, message, sizeof(message));
    return u"espeak-ng: %1 (%2)"_s.arg(QString::fromLocal8Bit(message), dataPath());
}

} // namespace

EspeakEngine &EspeakEngine::instance(bool discard)
{
    static EspeakEngine engine(discard);
    return engine;
}

EspeakEngine::EspeakEngine(bool discard)
    : m_owner(std::this_thread::get_id())
{
    // Kept by the linker only if something reads it.
    static_cast<void>(*static_cast<volatile char *>(blanksAboveTheStack));
    // Decided before initialising: once espeak-ng's playback mode starts without a device it
    // writes ALSA errors to standard error on every reply.
    m_playsAloud = !discard && hasSoundOutput(SoundEnvironment::current());

    // espeak_Initialize() would report missing data on standard error and go on as if it had
    // succeeded (or exit() without espeakINITIALIZE_DONT_EXIT); espeak_ng_Initialize() never
    // exits and returns the status. It also sets LC_CTYPE to a UTF-8 locale for the process.
    espeak_ng_InitializePath(nullptr);
    espeak_ng_ERROR_CONTEXT context = nullptr;
    espeak_ng_STATUS status = espeak_ng_Initialize(&context);
    espeak_ng_ClearErrorContext(&context);
    if (status == ENS_OK) {
        const auto mode = m_playsAloud ? ENOUTPUT_MODE_SPEAK_AUDIO : espeak_ng_OUTPUT_MODE(0);
        status = espeak_ng_InitializeOutput(mode, 0, nullptr);
    }
    if (status != ENS_OK) {
        m_playsAloud = false;
        m_error = describe(status);
        return;
    }
    espeak_SetSynthCallback(&EspeakEngine::receiveSamples);
    m_sampleRate = espeak_ng_GetSampleRate();
    m_initialised = true;
}

EspeakEngine::~EspeakEngine()
{
    // Stops espeak-ng's thread and closes the sound device before the process goes.
    if (m_initialised)
        espeak_Terminate();
}

bool EspeakEngine::usable() const
{
    return m_initialised && std::this_thread::get_id() == m_owner;
}

bool EspeakEngine::useVoice(Voice voice)
{
    const VoiceChoice &choice = findVoice(voice);
    if (!usable())
        return false;
    if (voice == m_voice)
        return true;

    stop();
    m_voice.reset();
    const bool loaded = (espeak_SetVoiceByName(choice.path) == EE_OK && voiceLoaded(choice)) ||
                        (espeak_SetVoiceByName(choice.name) == EE_OK && voiceLoaded(choice));
    if (!loaded) {
        m_error =
            u"espeak-ng: no voice \"%1\" (%2)"_s.arg(QLatin1StringView(choice.name), dataPath());
        return false;
    }
    m_voice = voice;
    return true;
}

void EspeakEngine::speak(const QString &text)
{
    if (!usable() || !m_voice)
        return;
    const QByteArray utf8 = text.toUtf8();
    if (utf8.isEmpty())
        return;
    // A reply that cannot be queued is lost, silently: speech is an extra to the display.
    espeak_Synth(utf8.constData(), std::size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0,
                 espeakCHARS_UTF8, nullptr, nullptr);
}

void EspeakEngine::stop()
{
    if (usable())
        espeak_Cancel();
}

// Runs on espeak-ng's thread: speech that is not played aloud goes nowhere.
int EspeakEngine::receiveSamples(short *, int, espeak_EVENT *)
{
    return 0;
}

} // namespace teskaro
