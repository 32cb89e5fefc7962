#pragma once

#include "dialogue/dialoguestate.h"

#include <QString>

namespace teskaro {

// How the side panel of the window is told on a terminal.

// "Aprendizaje" or "Consulta", as the mode options read.
QString modeName(DialogueMode mode);

// The knowledge panel and the mode in one line, for "/estado".
QString statusLine(const DialogueState &state);

// The prompt at a terminal: the mode, the knowledge file and its count.
QString promptLine(const DialogueState &state);

} // namespace teskaro
