// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "speech/speechcontrol.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace teskaro {

class EspeakEngine;

// Speaks the dialogue's replies in Spanish with espeak-ng.
//
// All EspeakSpeech objects of a process share one espeak-ng, initialised when the first of
// them is created and kept until the process ends; the first object's output decides for all.
// Each object keeps its own voice: when objects with different voices take turns, the speech
// in progress stops as the voice changes. The objects must be used from the thread that
// created the first one; calls from other threads do nothing (selectVoice() returns false).
class EspeakSpeech final : public SpeechControl
{
public:
    enum class Output {
        Detect,  // the sound device if the machine has one, otherwise nowhere
        Discard, // nowhere, even when there is a sound device
    };

    explicit EspeakSpeech(Output output = Output::Detect);
    ~EspeakSpeech() override = default;
    Q_DISABLE_COPY_MOVE(EspeakSpeech)

    // Also false when espeak-ng failed to initialise or lacks its Spanish voice; errorString()
    // then says why.
    bool selectVoice(Voice voice) override;
    void speak(const QString &text) override;
    void beforeAnswer() override;
    // Whether speech reaches a sound device rather than being synthesised and dropped.
    bool canBeHeard() const override;

    QString errorString() const;

    // Samples a second of speech takes.
    int sampleRate() const;

private:
    EspeakEngine &m_engine;
    Voice m_voice = Voice::Male;
};

} // namespace teskaro
