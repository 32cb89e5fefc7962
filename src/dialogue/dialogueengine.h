// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "conversation.h"
#include "knowledgefilecommands.h"
#include "session.h"
#include "startup.h"
#include "statementeditor.h"

#include <QString>

namespace teskaro {

// Teskaro's conversation, driven by what the user does. A front end (the
// window, the terminal, a test) calls these methods and shows the session:
// its state, and its signals for every change. Each call runs to completion;
// once the program has been ended, later calls do nothing.
class DialogueEngine
{
public:
    DialogueEngine(const Platform &platform, SpeechControl &speech, RandomSource &random);
    Q_DISABLE_COPY_MOVE(DialogueEngine)

    const Session &session() const { return m_session; }

    // Once, before anything else: greets the user and reads "default.alm"
    // of the working folder. A start that fails shows why and ends the
    // program.
    void start();

    // A line the user sends (Enter): a statement to learn in Learning mode,
    // a question in Consultation mode. Mode and exit words work in both.
    void submit(const QString &line);
    void switchMode(Mode mode);

    // Turned on where nothing can be heard, the first time a line says so.
    void setSpeechEnabled(bool on);
    // The female voice is taken only while speech is on; the choice is kept
    // either way.
    void setVoice(Voice voice);
    // Asks the user to mind what it means, then turns the swapping of
    // MI-TU and ME-TE on or off.
    void togglePronounInversion();
    // Deductions after the answers to questions ("Aplicar reglas lógicas"),
    // and while learning ("Aplicar lógica de aprendizaje en tiempo real").
    // Both off at start; never written to the file.
    void setLogicRulesApplied(bool on);
    void setRealTimeLogicApplied(bool on);

    // Another knowledge file: the user started choosing one (the count is
    // not shown until a question reads it), then chose this one.
    void beginOpenKnowledgeFile();
    void openKnowledgeFile(const QString &path);
    // Copies the knowledge file in use to path and goes on with the file in
    // use; cancelled, nothing is copied. False, having copied nothing, when
    // a file under that name is to be kept; other failures are told in the
    // transcript.
    bool saveKnowledgeFileAs(const QString &path, ExistingFile whenExisting);
    void cancelSaveAs();
    void sortKnowledgeFile();
    // Starts repetido on the knowledge file in use; the session's
    // noticeAdded says how it ended, later, from the event loop.
    void removeRepeatedRecords();

    // The knowledge editor: lists the statements of the knowledge file in
    // use, or the listed file again after it changed on disk. Forgetting and
    // correcting then change the listed file, and undo and redo walk one
    // history of those changes. Each change returns why it changed nothing,
    // or an empty text; the session reports the rest.
    void listStatements();
    void relistStatements();
    QString forgetStatements(const QList<KnowledgeStatement> &statements);
    QString correctStatement(const KnowledgeStatement &statement, const QString &topic,
                             const QString &rest);
    QString undoEdit();
    QString redoEdit();

    void quit();

private:
    bool ended() const { return m_session.hasEnded(); }

    Session m_session;
    Services m_services;
    Conversation m_conversation;
    KnowledgeFileCommands m_fileCommands;
    StatementEditor m_statementEditor;
    bool m_toldSilence = false;
};

} // namespace teskaro
