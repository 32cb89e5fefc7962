#pragma once

#include "dialogueview.h"
#include "phrasetables.h"

namespace teskaro {

// How the window shows a mode once it has switched to it.
struct ModeLook
{
    Rgb background;
    Rgb text;
    const char16_t *inputTip;
    const char16_t *banner;
    PhraseTable PhraseTables::*prompts;
};

const ModeLook &modeLook(DialogueMode mode);

// The transcript's colours before the first switch.
inline constexpr Rgb initialTranscriptBackground{246, 227, 206};
inline constexpr Rgb initialTranscriptText{80, 80, 255};

} // namespace teskaro
