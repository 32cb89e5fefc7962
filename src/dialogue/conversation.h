// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "mode.h"
#include "services.h"

#include <QString>

namespace teskaro {

class Session;
struct AppendOutcome;
struct KnowledgeRecord;
struct LearningReading;
struct QueryReading;

// The conversation proper: a line the user sends goes to the interpreter of
// the current mode, which learns a statement or answers a question; both
// can switch the mode or end the program.
class Conversation
{
public:
    Conversation(Session &session, const Services &services);

    void submit(const QString &line);
    // A switch always runs in full, also to the mode already on: the banner
    // and a new prompt are written again.
    void switchMode(Mode mode);
    void endProgram(int status);

private:
    void learn(const QString &line);
    void learnStatement(const LearningReading &reading);
    void deduceFromLearned(const AppendOutcome &appended, const QList<KnowledgeRecord> &records);
    void answer(const QString &line);
    void answerQuestion(const QueryReading &reading);
    void echo(const QString &line);
    void reply(const QString &text);
    void answerLine(const QString &text);
    void speakIfOn(const QString &text);

    Session &m_session;
    Services m_services;
};

} // namespace teskaro
