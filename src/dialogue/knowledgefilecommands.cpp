// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "knowledgefilecommands.h"

#include "knowledge/filenames.h"
#include "knowledge/knowledgefile.h"
#include "knowledge/knowledgelines.h"
#include "knowledge/recordformat.h"
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

namespace {

// What repetido did to the file, from the line it ends with; or why it did
// nothing, from the last line it wrote on standard error after its name and
// the file's.
QString repeatedRecordsReport(const QString &file, const ProcessEnd &end)
{
    const QStringList output = QString::fromUtf8(end.output).split(u'\n', Qt::SkipEmptyParts);
    const std::optional<qsizetype> removed = end.crashed || end.status != 0 || output.isEmpty()
                                                 ? std::nullopt
                                                 : removedInRepeatedRemovalLine(output.last());
    if (removed) {
        return *removed == 1 ? u"$ Eliminado 1 registro repetido de "_s + file
                             : u"$ Eliminados "_s + QString::number(*removed) +
                                   u" registros repetidos de "_s + file;
    }
    const QStringList errors = QString::fromUtf8(end.errors).split(u'\n', Qt::SkipEmptyParts);
    QString why = errors.isEmpty() ? QString() : errors.last();
    for (const QString &prefix : {u"repetido: "_s, file + u": "_s}) {
        if (why.startsWith(prefix))
            why.remove(0, prefix.size());
    }
    if (why.isEmpty())
        why = end.crashed ? u"repetido ha terminado de forma anormal"_s
                          : u"repetido no ha dicho qué ha hecho"_s;
    return u"$ No se han podido eliminar las redundancias de "_s + file + u": "_s + why;
}

// The records of a file as the program reads them.
qsizetype recordsIn(const QString &fileName)
{
    const FileReadOutcome file = readKnowledgeFile(fileName);
    RecordReader reader(file.bytes);
    RecordReader::Field topic;
    RecordReader::Field statement;
    qsizetype records = 0;
    while (reader.next(topic, statement) == RecordReader::Result::Record)
        ++records;
    return records;
}

} // namespace

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
bool KnowledgeFileCommands::saveAs(const QString &path, ExistingFile whenExisting)
{
    m_session.table().clear();
    const QString source =
        fullKnowledgeFileName(m_session.knowledgeFile(), m_services.platform.files.currentFolder());
    m_session.setKnowledgeFile(source);
    const FileWriteOutcome copy = copyKnowledgeFile(source, path, whenExisting);
    if (copy.ok) {
        const qsizetype records = recordsIn(path);
        m_session.append(u"$ Guardado como "_s + path + u" ("_s + QString::number(records) +
                         (records == 1 ? u" registro)\r\n"_s : u" registros)\r\n"_s));
    } else if (!copy.refused) {
        m_session.append(u"$ No se ha podido copiar "_s + source + u" en "_s + path + u": "_s +
                         copy.reason + u"\r\n"_s);
    }
    m_session.showNotLoaded();
    return !copy.refused;
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
// name can be misread or run as a command. It runs beside the conversation;
// its end is told as soon as it comes.
void KnowledgeFileCommands::removeRepeatedRecords()
{
    const QString file = m_session.knowledgeFile();
    Session &session = m_session;
    const auto ended = [&session, file](const ProcessEnd &end) {
        if (!session.hasEnded())
            session.appendNotice(repeatedRecordsReport(file, end));
    };
    if (!m_services.platform.runner.run(u"repetido"_s, {file}, &m_session, ended)) {
        m_session.append(
            u"$ No se ha podido iniciar la eliminación de redundancias: repetido no se "
            u"encuentra o no se puede ejecutar\r\n"_s);
    }
}

} // namespace teskaro
