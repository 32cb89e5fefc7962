// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "consolemessageboxes.h"
#include "consolesession.h"
#include "dialogue/dialogueengine.h"
#include "editlineinput.h"
#include "options.h"
#include "platform/filesystem.h"
#include "platform/filterrunner.h"
#include "platform/processlauncher.h"
#include "platform/processrunner.h"
#include "platform/programexit.h"
#include "speech/espeakspeech.h"
#include "streaminput.h"
#include "teskaro/version.h"

#include <QCoreApplication>
#include <QFile>

#include <csignal>
#include <cstdio>
#include <memory>

#include <unistd.h>

using namespace teskaro;
using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    // A knowledge file that reaches a size limit must fail its write, which
    // the program reports, rather than kill the program.
    std::signal(SIGXFSZ, SIG_IGN);

    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(u"teskaro-cli"_s);
    QCoreApplication::setApplicationVersion(QString::fromLatin1(version::text));
    const ConsoleOptions options = readOptions(application);

    // Output goes straight into C's streams, which the engine's immediate
    // exit flushes: nothing written before it is lost. Input keeps no buffer
    // of its own so that each line is handled as soon as it arrives; it is
    // read through the descriptor, as C's line reading would stop at a NUL.
    QFile transcript;
    QFile messagesOut;
    QFile standardInput;
    transcript.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered);
    messagesOut.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered);
    standardInput.open(STDIN_FILENO, QIODevice::ReadOnly | QIODevice::Unbuffered);

    ConsoleMessageBoxes messages(messagesOut);
    LocalFileSystem files;
    DetachedProcessLauncher launcher;
    ImmediateExit exit;
    ChildProcessRunner runner;
    ChildFilterRunner filters;
    const Platform platform{files, launcher, runner, filters, messages, exit};
    EspeakSpeech speech;
    SeededRandom random = options.seed ? SeededRandom(*options.seed) : SeededRandom();

    DialogueEngine engine(platform, speech, random);
    ConsoleSession session(engine, transcript, messagesOut, filters);
    engine.start();
    session.flush();

    const bool atTerminal = isatty(STDIN_FILENO) && isatty(STDOUT_FILENO);
    std::unique_ptr<LineInput> input;
    if (atTerminal)
        input = std::make_unique<EditLineInput>();
    else
        input = std::make_unique<StreamInput>(standardInput);
    session.run(*input);
    // What repetido says once done is still told.
    runner.waitForAll();
    return 0;
}
