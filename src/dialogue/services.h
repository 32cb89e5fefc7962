// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/platform.h"
#include "randomsource.h"
#include "speech/speechcontrol.h"

namespace teskaro {

// What the conversation needs from outside itself: the operating system,
// a voice, and chance for the choice of canned texts.
struct Services
{
    Platform platform;
    SpeechControl &speech;
    RandomSource &random;
};

} // namespace teskaro
