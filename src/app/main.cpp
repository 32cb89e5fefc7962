#include "dialogue/dialogueengine.h"
#include "personalfolder.h"
#include "platform/filesystem.h"
#include "platform/linuxregistry.h"
#include "platform/processlauncher.h"
#include "platform/programexit.h"
#include "speech/espeakspeech.h"
#include "ui/mainwindow.h"
#include "ui/pictures.h"
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
    QApplication::setApplicationVersion(QStringLiteral(TESKARO_VERSION));
    QApplication::setWindowIcon(pictureIcon(QStringLiteral("teskaro")));
    // Lets the desktop match the window with its menu entry
    // (packaging/org.example.teskaro.desktop) for its icon and name.
    QApplication::setDesktopFileName(QStringLiteral("org.example.teskaro"));
    // Started from the desktop menu: work in ~/Teskaro, with the sample
    // knowledge base on first start. Otherwise in the folder we were started in.
    enterPersonalFolderIfAsked(QDir::homePath(), QApplication::applicationDirPath());

    MainWindow window;
    WidgetMessageBoxes messages(&window);
    LocalFileSystem files;
    DetachedProcessLauncher launcher;
    ImmediateExit exit;
    LinuxRegistry registry;
    const Platform platform{files, launcher, messages, exit, registry};
    EspeakSpeech speech;
    SeededRandom random;

    DialogueEngine engine(window, platform, speech, random);
    window.attach(engine);
    window.show();
    engine.Form_Load();
    return QApplication::exec();
}
