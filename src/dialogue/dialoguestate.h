#pragma once

#include "dialogueview.h"
#include "knowledge/knowledgetable.h"
#include "phrasetables.h"

#include <QString>

namespace teskaro {

// Everything the conversation keeps between two events. The window only
// shows it; the engine alone changes it.
struct DialogueState
{
    // The knowledge file in use, relative to the working folder until a
    // dialog makes it a full path.
    QString activeFileName;
    // The name formed in the open or save-as dialog.
    QString selectedFileName;
    // 1 when the save-as dialog produced a destination name.
    int saveConfirmed = 0;
    // The font the open dialog gives its lists, labels and buttons.
    QString dialogFontName;

    KnowledgeTable table;
    // The learned-knowledge counter: set by a start-up or sort load, one more
    // per learned statement, untouched by a question's reload.
    int displayedCount = 0;

    PhraseTables phrases;
    int phraseCount = 0;
    int phraseIndex = 0;
    QString replyText;

    DialogueMode mode = DialogueMode::Learning;
    bool invertPronouns = true;     // the mark of "Invertir pronombres..."
    bool speechOn = false;          // "Síntesis de Voz" ticked
    bool femaleVoiceMarked = false; // which voice item carries the mark

    // What the window shows, kept so every front end can report it.
    QString transcript;
    QString countLabel = QStringLiteral("00");
    QString knowledgeFileBox;
    QString caption;
};

} // namespace teskaro
