// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogue/randomsource.h"
#include "platform/filesystem.h"
#include "platform/platform.h"
#include "speech/speechcontrol.h"

#include <QStringList>
#include <QTimer>

namespace teskaro::testing {

// Every service of the engine faked but the file system, which is the real
// one in a test folder. What the fakes saw goes to one log, in order.
struct Fakes
{
    struct Speech final : SpeechControl
    {
        explicit Speech(QStringList &log)
            : m_log(log)
        {}
        bool selectVoice(Voice chosen) override
        {
            m_log += chosen == Voice::Male ? QStringLiteral("voice:male")
                                           : QStringLiteral("voice:female");
            voice = working ? chosen : voice;
            return working;
        }
        void speak(const QString &text) override { m_log += QStringLiteral("speak:") + text; }
        void beforeAnswer() override { m_log += QStringLiteral("beforeAnswer"); }
        bool canBeHeard() const override { return heard; }

        bool working = true;
        bool heard = true;
        Voice voice = Voice::Female;
        QStringList &m_log;
    };

    // Plays back the given numbers, then repeats the last one.
    struct Random final : RandomSource
    {
        float next() override { return values.size() > 1 ? values.takeFirst() : values.first(); }
        // The number that makes a pick among fifteen choose the given index.
        static float forIndex(int index) { return (float(index) + 0.5f) / 15.0f; }

        QList<float> values{0.0f};
    };

    // Commands run end as `end` says, from the event loop; filters (dot) are
    // the real ones unless missing.
    struct Launcher final : ProcessLauncher, ProcessRunner, FilterRunner
    {
        explicit Launcher(QStringList &log)
            : m_log(log)
        {}
        bool start(const QString &program, const QStringList &arguments,
                   const QStringList &environment) override
        {
            m_log += (QStringList{QStringLiteral("start:") + program} + arguments + environment)
                         .join(u' ');
            return !missing.contains(program);
        }
        bool run(const QString &program, const QStringList &arguments, const QObject *receiver,
                 std::function<void(const ProcessEnd &)> ended) override
        {
            if (!start(program, arguments, {}))
                return false;
            QTimer::singleShot(0, receiver, [ended = std::move(ended), end = end] { ended(end); });
            return true;
        }

        void run(const QString &program, const QStringList &arguments, const QByteArray &input,
                 std::chrono::milliseconds limit, const QObject *receiver,
                 std::function<void(const FilterEnd &)> ended) override
        {
            if (start(program, arguments, {}))
                filters.run(program, arguments, input, limit, receiver, std::move(ended));
            else
                QTimer::singleShot(0, receiver, [ended] {
                    ended({FilterEnd::Status::Missing, {}, {}});
                });
        }

        ChildFilterRunner filters;
        QStringList missing; // programs that cannot be found
        ProcessEnd end{false, 0, "4 registros leídos, 2 repetidos eliminados\n", {}};
        QStringList &m_log;
    };

    struct Messages final : MessageBoxes
    {
        MessageAnswer show(const Message &message) override
        {
            shown += message;
            if (message.buttons == Message::Buttons::YesNo)
                return yesNo;
            return message.buttons != Message::Buttons::RetryCancel ? MessageAnswer::Ok
                                                                    : MessageAnswer::Cancel;
        }
        QList<Message> shown;
        MessageAnswer yesNo = MessageAnswer::No;
    };

    struct Exit final : ProgramExit
    {
        void endProgram(int code) override
        {
            status = code;
            ++times;
        }
        int status = -1; // -1 while the program has not been ended
        int times = 0;
    };

    QStringList log;
    Speech speech{log};
    Random random;
    LocalFileSystem files;
    Launcher launcher{log};
    Messages messages;
    Exit exit;
    Platform platform{files, launcher, launcher, launcher, messages, exit};
};

} // namespace teskaro::testing
