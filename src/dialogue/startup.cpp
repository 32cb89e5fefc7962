// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "startup.h"

#include "aboutinfo.h"
#include "knowledge/knowledgefile.h"
#include "knowledge/knowledgeloader.h"
#include "knowledge/knowledgewriter.h"
#include "knowledgefilecommands.h"
#include "phrases.h"
#include "session.h"

namespace teskaro {

using namespace Qt::StringLiterals;

StartUp::StartUp(Session &session, const Services &services)
    : m_session(session)
    , m_services(services)
{}

void StartUp::run()
{
    if (!greet())
        fail();
}

bool StartUp::greet()
{
    const Platform &platform = m_services.platform;
    const QString file = u"default.alm"_s;
    m_session.setKnowledgeFile(file);
    if (!m_services.speech.selectVoice(Voice::Male))
        return false;
    m_session.setTitle(u"$ Reorganizando recuerdos e ideas..."_s);
    m_session.table().clear();
    m_session.append(u"$ Recuperando ideas y recuerdos...\r\n"_s);
    m_session.append(platform.files.currentFolder() + u"\r\n"_s);

    if (platform.files.fileExists(file)) {
        m_session.append(u"$ en archivo "_s + file + u" ..."_s);
        // What an interrupted append left is set aside first, so that the
        // file loads whole.
        const SetAsideTail setAside = setAsideBrokenTail(file);
        if (!setAside.isEmpty())
            m_session.append(u"\r\n$ "_s + setAsideNote(file, setAside));
        // The sort runs beside us; the load below may see the file before,
        // during or after it, which the file's locking makes safe.
        if (!startSortCommand(platform, file))
            return false;
        if (loadKnowledgeTable(file, m_session.table()).status != LoadOutcome::Status::Loaded)
            return false;
        m_session.setLearnedCount(m_session.table().recordCount());
    } else {
        m_session.append(u"\r\n$ Realmente no poseo ningún dato en mi memoria, pero ..."_s);
    }

    m_session.append(u"\r\n:) ESTOY LISTO PARA UNA SESION.\r\n"_s);
    m_session.setTitle(
        u"TESKARO v0.4a :: Sistema Experto de Aprendizaje y Consulta basado en el lenguaje humano"_s);
    m_session.append(pickPhrase(m_services.random, Phrases::standard().teachPrompts) + u"\r\n"_s);
    return true;
}

void StartUp::fail()
{
    Message message;
    message.title = u" Adevertencia! - TESKARO"_s;
    message.text = u"TESKARO ha producido un fallo que impide la correcta ejecución del software. "
                   u"Este error puede ser ocasionado por una desestructuración en los archivos de "
                   u"conocimientos. También debe saber que TESKARO requiere las librerías de "
                   u"Microsoft para síntesis de Voz. Puede descargarlas de la página del autor "
                   u"en:  "_s +
                   authorAddress() + u'\n';
    message.icon = Message::Icon::Exclamation;
    m_services.platform.messages.show(message);
    m_session.markEnded();
    m_services.platform.exit.endProgram(1);
}

} // namespace teskaro
