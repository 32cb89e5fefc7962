// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "statusline.h"

#include "dialogue/session.h"

#include <QFileInfo>

namespace teskaro {

using namespace Qt::StringLiterals;

QString modeName(Mode mode)
{
    return mode == Mode::Learning ? u"Aprendizaje"_s : u"Consulta"_s;
}

QString statusLine(const Session &session)
{
    return u"Base de conocimiento : "_s + session.knowledgeFile() + u" | Aprendizaje directo:"_s +
           session.countCaption() + u" | Modo: "_s + modeName(session.mode());
}

// A file opened through a folder is known by its full path; the prompt
// keeps to its name so that it stays short.
QString promptLine(const Session &session)
{
    return u"["_s + modeName(session.mode()) + u" · "_s +
           QFileInfo(session.knowledgeFile()).fileName() + u" · "_s +
           session.countCaption().trimmed() + u"] > "_s;
}

} // namespace teskaro
