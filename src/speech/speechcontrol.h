// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QString;

namespace teskaro {

// The two voices replies can be spoken with.
enum class Voice {
    Female,
    Male
};

// What the dialogue asks of a text-to-speech component.
// Implementations: EspeakSpeech for the programs, a recording fake in tests.
class SpeechControl
{
public:
    virtual ~SpeechControl() = default;

    // The voice of all later speech. False when the component cannot be
    // driven at all.
    virtual bool selectVoice(Voice voice) = 0;

    // Starts speaking the text and returns at once, without waiting for it.
    virtual void speak(const QString &text) = 0;

    // Called before every answer to a question: what is still being said of
    // an earlier one may stop.
    virtual void beforeAnswer() = 0;

    // Whether what is spoken reaches a sound device, so someone can hear it.
    virtual bool canBeHeard() const = 0;
};

} // namespace teskaro
