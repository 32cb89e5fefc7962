// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "knowledge/knowledgefile.h"
#include "knowledgeeditcommands.h"

#include <QString>

class QIODevice;

namespace teskaro {

class DialogueEngine;
class FilterRunner;

// The menus of the window as commands: a line that begins with "/" names a
// menu item, a dialog's choice or a question about the window's state.
// Everything it prints goes to the stream of messages.
class CommandInterpreter
{
public:
    // Maps are drawn by dot through the runner.
    CommandInterpreter(DialogueEngine &engine, QIODevice &messages, FilterRunner &dot);

    // Runs the command the line names; the line begins with "/".
    void run(const QString &line);

private:
    void openFile(const QString &fileName);
    void saveAs(const QString &name, ExistingFile whenExisting);
    void selectVoice(const QString &word);
    // "/COMMAND si" or "/COMMAND no" turns something on or off.
    void setOnOrOff(const QString &command, const QString &word, void (DialogueEngine::*set)(bool));
    void printAbout();
    void printHelp(const QString &pageName);
    void print(const QString &text);

    DialogueEngine &m_engine;
    QIODevice &m_messages;
    FilterRunner &m_dot;
    KnowledgeEditCommands m_editing;
};

} // namespace teskaro
