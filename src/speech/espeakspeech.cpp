// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "speech/espeakspeech.h"

#include "speech/espeakengine.h"
#include "speech/speechtext.h"

namespace teskaro {

EspeakSpeech::EspeakSpeech(Output output)
    : m_engine(EspeakEngine::instance(output == Output::Discard))
{}

bool EspeakSpeech::selectVoice(Voice voice)
{
    if (!m_engine.useVoice(voice))
        return false;
    m_voice = voice;
    return true;
}

void EspeakSpeech::speak(const QString &text)
{
    if (m_engine.useVoice(m_voice))
        m_engine.speak(spokenText(text));
}

void EspeakSpeech::beforeAnswer()
{
    m_engine.stop();
}

bool EspeakSpeech::canBeHeard() const
{
    return m_engine.playsAloud();
}

QString EspeakSpeech::errorString() const
{
    return m_engine.errorString();
}

int EspeakSpeech::sampleRate() const
{
    return m_engine.sampleRate();
}

} // namespace teskaro
