#pragma once

#include "commandinterpreter.h"

class QIODevice;

namespace teskaro {

class ConsoleView;
class DialogueEngine;
class LineInput;

// A conversation at a terminal: each line is typed into the input line and
// sent with Enter, unless it is a command.
class ConsoleSession
{
public:
    ConsoleSession(DialogueEngine &engine, ConsoleView &view, QIODevice &messages);

    // Handles lines until input ends.
    void run(LineInput &input);

    // One line as the user gave it, without its line end. "//" at the start
    // types a single "/", so that any text can be typed.
    void handleLine(const QString &line);

private:
    void type(const QString &text);

    DialogueEngine &m_engine;
    ConsoleView &m_view;
    CommandInterpreter m_commands;
};

} // namespace teskaro
