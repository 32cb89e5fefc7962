// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogue/dialogueengine.h"
#include "personalfolder.h"
#include "platform/filesystem.h"
#include "platform/filterrunner.h"
#include "platform/processlauncher.h"
#include "platform/processrunner.h"
#include "platform/programexit.h"
#include "speech/espeakspeech.h"
#include "teskaro/version.h"
#include "ui/mainwindow.h"
#include "ui/pictures.h"
#include "ui/qttranslation.h"
#include "ui/widgetmessageboxes.h"

#include <QApplication>
#include <QDir>

#include <csignal>

using namespace teskaro;

int main(int argc, char *argv[])
{
    // A knowledge file that reaches a size limit must fail its write, which
    // the program reports, rather than kill the program.
    std::signal(SIGXFSZ, SIG_IGN);

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("teskaro"));
    QApplication::setApplicationVersion(QString::fromLatin1(version::text));
    QApplication::setWindowIcon(pictureIcon(QStringLiteral("teskaro")));
    installSpanishQtTexts();
    // Lets the desktop match the window with its menu entry
    // (packaging/org.example.teskaro.desktop) for its icon and name.
    QApplication::setDesktopFileName(QStringLiteral("org.example.teskaro"));
    // Started from the desktop menu: work in ~/Teskaro, with the sample
    // knowledge base on first start. Otherwise in the folder we were started in.
    enterPersonalFolderIfAsked(QDir::homePath(), QApplication::applicationDirPath());

    LocalFileSystem files;
    DetachedProcessLauncher processes;
    WidgetMessageBoxes messages;
    ImmediateExit exit;
    ChildProcessRunner runner;
    ChildFilterRunner filters;
    const Platform platform{files, processes, runner, filters, messages, exit};
    EspeakSpeech speech;
    SeededRandom random;
    DialogueEngine engine(platform, speech, random);

    MainWindow window(engine, platform);
    messages.setParent(&window);
    window.show();
    // The window is on screen before the start-up, which may take a while on
    // a large knowledge file, writes into it.
    QCoreApplication::processEvents();
    engine.start();
    return QApplication::exec();
}
