// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mapcommand.h"

#include "dialogue/session.h"
#include "map/dotgraph.h"
#include "map/dotprogram.h"
#include "map/knowledgemap.h"
#include "map/shownmap.h"

namespace teskaro {

using namespace Qt::StringLiterals;

// The file is the last word, so that the subject may hold blanks.
QStringList drawKnowledgeMap(FilterRunner &dot, const Session &session, const QString &argument)
{
    const QString typed = argument.trimmed();
    const QString fileName = typed.section(u' ', -1);
    if (!fileName.endsWith(u".svg"_s, Qt::CaseInsensitive))
        return {u"Falta el archivo .svg: /mapa [TEXTO] ARCHIVO.svg"_s};
    QStringList lines;
    QString note;
    const KnowledgeMap map = readKnowledgeMap(session.knowledgeFile(), note);
    if (!note.isEmpty())
        lines += u"$ "_s + note;
    MapRequest request;
    request.subject = typed.chopped(fileName.size());
    request.deductions = session.logicRulesApplied();
    const ShownMap shown = showMap(map, request);
    if (!shown.refusal.isEmpty())
        return lines << shown.refusal;
    QString failure;
    const QByteArray svg = runDotToEnd(dot, dotText(shown), u"svg"_s, failure);
    if (!failure.isEmpty())
        return lines << failure;
    if (const QString why = writeWholeFile(fileName, svg); !why.isEmpty())
        return lines << u"$ No se ha podido guardar el mapa en "_s + fileName + u": "_s + why;
    return lines << u"$ Mapa de conocimientos guardado en "_s + fileName + u": "_s +
                        shownCounts(shown);
}

} // namespace teskaro
