// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "consolesession.h"

#include "dialogue/dialogueengine.h"
#include "lineinput.h"
#include "statusline.h"
#include "terminaltext.h"

#include <QCoreApplication>
#include <QFileDevice>

namespace teskaro {

using namespace Qt::StringLiterals;

ConsoleSession::ConsoleSession(DialogueEngine &engine, QIODevice &transcript, QIODevice &messages,
                               FilterRunner &dot)
    : m_engine(engine)
    , m_transcript(transcript)
    , m_commands(engine, messages, dot)
{
    m_transcriptFeed =
        QObject::connect(&engine.session(), &Session::textAdded, &engine.session(),
                         [this](const QString &text) { m_transcript.write(terminalText(text)); });
    m_noticeFeed = QObject::connect(
        &engine.session(), &Session::noticeAdded, &engine.session(),
        [&messages](const QString &line) { messages.write(terminalText(line + u'\n')); });
}

ConsoleSession::~ConsoleSession()
{
    QObject::disconnect(m_transcriptFeed);
    QObject::disconnect(m_noticeFeed);
}

// What ended meanwhile is told before the next line is read.
void ConsoleSession::run(LineInput &input)
{
    for (;;) {
        QCoreApplication::processEvents();
        const std::optional<QString> line = input.readLine(promptLine(m_engine.session()));
        if (!line)
            return;
        handleLine(*line);
    }
}

void ConsoleSession::handleLine(const QString &line)
{
    if (line.startsWith(u"//"_s))
        type(line.mid(1));
    else if (line.startsWith(u'/'))
        m_commands.run(line);
    else
        type(line);
    flush();
}

void ConsoleSession::flush()
{
    if (auto *file = qobject_cast<QFileDevice *>(&m_transcript))
        file->flush();
}

// Enter sends the line as typed.
void ConsoleSession::type(const QString &text)
{
    m_engine.submit(typedText(text));
}

} // namespace teskaro
