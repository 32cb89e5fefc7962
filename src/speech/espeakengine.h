// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include "speech/speechcontrol.h"

#include <espeak-ng/speak_lib.h>

#include <optional>
#include <thread>

namespace teskaro {

// The process's one espeak-ng. espeak-ng keeps its state in globals and may be initialised
// once per process, so every EspeakSpeech shares this object; it lives until the process ends.
//
// Speech is asynchronous: espeak-ng synthesises on a thread of its own, either into the sound
// device or into a callback that throws the samples away. The rest of espeak-ng is not
// thread-safe and changes its state under that thread, so every call comes from the thread
// that created the engine (calls from elsewhere are ignored) and the speech in progress is
// stopped before the voice changes.
class EspeakEngine
{
public:
    // The engine, initialised by the first call. With discard the speech goes nowhere even
    // when the machine has a sound device; later calls cannot change where speech goes.
    static EspeakEngine &instance(bool discard);

    bool playsAloud() const { return m_playsAloud; }
    int sampleRate() const { return m_sampleRate; }
    QString errorString() const { return m_error; }

    // Selects the voice and checks that espeak-ng really loaded it.
    bool useVoice(Voice voice);

    void speak(const QString &text);
    void stop();

private:
    explicit EspeakEngine(bool discard);
    ~EspeakEngine();
    Q_DISABLE_COPY_MOVE(EspeakEngine)

    bool usable() const;
    static int receiveSamples(short *samples, int count, espeak_EVENT *events);

    const std::thread::id m_owner;
    bool m_initialised = false;
    bool m_playsAloud = false;
    int m_sampleRate = 0;
    std::optional<Voice> m_voice; // the voice espeak-ng has loaded
    QString m_error;
};

} // namespace teskaro
