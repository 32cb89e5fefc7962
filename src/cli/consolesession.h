// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "commandinterpreter.h"

#include <QObject>

class QIODevice;

namespace teskaro {

class DialogueEngine;
class FilterRunner;
class LineInput;

// A conversation at a terminal: each line is typed into the input line and
// sent with Enter, unless it is a command. The transcript goes to its own
// stream as it grows, and nothing else does; notices (an outside command
// ended) go to the stream of messages, between input lines.
class ConsoleSession
{
public:
    ConsoleSession(DialogueEngine &engine, QIODevice &transcript, QIODevice &messages,
                   FilterRunner &dot);
    ~ConsoleSession();
    Q_DISABLE_COPY_MOVE(ConsoleSession)

    // Handles lines until input ends.
    void run(LineInput &input);

    // One line as the user gave it, without its line end. "//" at the start
    // types a single "/", so that any text can be typed.
    void handleLine(const QString &line);

    // Hands what the transcript gained over to the terminal.
    void flush();

private:
    void type(const QString &text);

    DialogueEngine &m_engine;
    QIODevice &m_transcript;
    CommandInterpreter m_commands;
    QMetaObject::Connection m_transcriptFeed;
    QMetaObject::Connection m_noticeFeed;
};

} // namespace teskaro
