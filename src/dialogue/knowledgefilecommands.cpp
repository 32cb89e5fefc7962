// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "knowledgefilecommands.h"

#include "knowledge/filenames.h"
#include "knowledge/knowledgefile.h"
#include "phrases.h"
#include "session.h"
#include "tableloading.h"

#include <QDir>

namespace teskaro {

using namespace Qt::StringLiterals;

bool startSortCommand(const Platform &platform, const QString &knowledgeFile)
{
    const QString path = QDir(platform.files.currentFolder()).absoluteFilePath(knowledgeFile);
    return platform.processes.start(u"IND.BAT"_s, {}, {u"TESKARO_ARCHIVO="_s + path});
}

KnowledgeFileCommands::KnowledgeFileCommands(Session &session, const Services &services)
    : m_session(session)
    , m_services(services)
{}

void KnowledgeFileCommands::beginOpen()
{
    m_session.table().clear();
    m_session.showNotLoaded();
}

// Only the name changes: the file is neither read nor tested until it is
// learned into or asked about.
void KnowledgeFileCommands::open(const QString &path)
{
    beginOpen();
    m_session.setKnowledgeFile(path);
    m_session.append(u"\r\n$ abriendo base de conocimientos "_s + path + u" ...\r\n"_s);
    m_session.append(u"\r\n:) ESTOY LISTO PARA UNA SESION.\r\n"_s);
}

// The copy's source stays the file in use, now known by its full path, so
// that learning and questions go on where they were.
void KnowledgeFileCommands::saveAs(const QString &path)
{
    m_session.table().clear();
    const QString source =
        fullKnowledgeFileName(m_session.knowledgeFile(), m_services.platform.files.currentFolder());
    m_session.setKnowledgeFile(source);
    const FileWriteOutcome copy = copyKnowledgeFile(source, path);
    if (!copy.ok) {
        m_session.append(u"$ No se ha podido copiar "_s + source + u" en "_s + path + u": "_s +
                         copy.reason + u"\r\n"_s);
    }
    m_session.showNotLoaded();
}

void KnowledgeFileCommands::cancelSaveAs()
{
    m_session.table().clear();
    m_session.showNotLoaded();
}

// The sort itself is the outside command's; the program starts it, reads
// the file back at once and reports. Whatever goes wrong is told in a status
// line and the table holds what could be read: the file is never touched.
void KnowledgeFileCommands::sort()
{
    m_session.table().clear();
    m_session.append(u"$ Ordenando ideas y recuerdos...\r\n"_s);
    m_session.append(m_services.platform.files.currentFolder() + u"\r\n"_s);

    const QString file = m_session.knowledgeFile();
    if (m_services.platform.files.fileExists(file)) {
        m_session.append(u"$ en archivo "_s + file + u"..."_s);
        if (!startSortCommand(m_services.platform, file)) {
            m_session.append(
                u"\r\n$ No se ha podido iniciar la ordenación: IND.BAT no se encuentra "
                u"o no se puede ejecutar"_s);
        }
        const QString problem = reloadTable(m_session);
        if (!problem.isEmpty())
            m_session.append(u"\r\n"_s + problem);
        m_session.setLearnedCount(m_session.table().recordCount());
    } else {
        m_session.append(u"\r\n$ Realmente no poseo ningún dato en mi memoria, pero ..."_s);
    }

    m_session.append(u"\r\n:) ESTOY LISTO PARA UNA SESION.\r\n"_s);
    m_session.setTitle(u" TESKARO v0.4a - [ Menquira ]"_s);
    m_session.append(pickPhrase(m_services.random, Phrases::standard().teachPrompts) + u"\r\n"_s);
}

// repetido gets the file name as its one argument, without a shell, so no
// name can be misread or run as a command.
void KnowledgeFileCommands::removeRepeatedRecords()
{
    if (!m_services.platform.processes.start(u"repetido"_s, {m_session.knowledgeFile()}, {})) {
        m_session.append(
            u"$ No se ha podido iniciar la eliminación de redundancias: repetido no se "
            u"encuentra o no se puede ejecutar\r\n"_s);
    }
}

} // namespace teskaro
