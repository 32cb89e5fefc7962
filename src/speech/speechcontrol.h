#pragma once

class QString;

namespace teskaro {

// The three operations the dialogue asks of a text-to-speech component.
// Implementations: EspeakSpeech for the programs, a recording fake in tests.
class SpeechControl
{
public:
    virtual ~SpeechControl() = default;

    // 1 selects the female voice, 2 the male voice, for all later speech.
    // Returns false when the component cannot be driven at all.
    virtual bool selectVoice(int voice) = 0;

    // Starts speaking the text and returns at once, without waiting for it.
    virtual void speakText(const QString &text) = 0;

    // Called before every answer of the query interpreter.
    virtual void beforeAnswer() = 0;
};

} // namespace teskaro
