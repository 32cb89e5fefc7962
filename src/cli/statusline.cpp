#include "statusline.h"

#include <QFileInfo>

namespace teskaro {

using namespace Qt::StringLiterals;

QString modeName(DialogueMode mode)
{
    return mode == DialogueMode::Learning ? u"Aprendizaje"_s : u"Consulta"_s;
}

QString statusLine(const DialogueState &state)
{
    return u"Base de conocimiento : "_s + state.knowledgeFileBox + u" | Aprendizaje directo:"_s +
           state.countLabel + u" | Modo: "_s + modeName(state.mode);
}

// A file opened through a folder is known by its full path; the prompt
// keeps to its name so that it stays short.
QString promptLine(const DialogueState &state)
{
    return u"["_s + modeName(state.mode) + u" · "_s + QFileInfo(state.knowledgeFileBox).fileName() +
           u" · "_s + state.countLabel.trimmed() + u"] > "_s;
}

} // namespace teskaro
