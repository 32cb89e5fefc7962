// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainwindow.h"

#include "aboutbox.h"
#include "accessibility.h"
#include "announcer.h"
#include "conversationpanel.h"
#include "dialogue/dialogueengine.h"
#include "helpwindow.h"
#include "inputline.h"
#include "knowledgeeditor.h"
#include "knowledgemapwindow.h"
#include "modekeys.h"
#include "modelook.h"
#include "opendialog.h"
#include "pictures.h"
#include "savedialog.h"
#include "sidepanel.h"

#include <QAction>
#include <QApplication>
#include <QFocusFrame>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>

namespace teskaro {

using namespace Qt::StringLiterals;

MainWindow::MainWindow(DialogueEngine &engine, const Platform &platform, QWidget *parent)
    : QMainWindow(parent)
    , m_engine(engine)
    , m_platform(platform)
    , m_conversation(new ConversationPanel(this))
    , m_side(new SidePanel(this))
    , m_menus(createMainMenus(menuBar()))
    , m_learningIcon(pictureIcon(u"learning-icon"_s))
    , m_consultationIcon(pictureIcon(u"consultation-icon"_s))
{
    setObjectName(u"mainWindow"_s);
    setWindowTitle(u"TESKARO"_s);
    installAccessibleInterfaces();
    m_announcer = new Announcer(this);
    auto *central = new QWidget(this);
    auto *layout = new QHBoxLayout(central);
    layout->addWidget(m_conversation, 1);
    layout->addWidget(m_side);
    // On a small screen the window still fits: what does not fit scrolls.
    auto *scroller = new QScrollArea(this);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setFocusPolicy(Qt::NoFocus);
    scroller->setWidgetResizable(true);
    scroller->setWidget(central);
    setCentralWidget(scroller);
    fitInto(QSize(980, 680));
    QApplication::instance()->installEventFilter(new ModeKeysGuard(this));
    markFocusedButtons();

    // A session starts in Learning as if an empty line had been sent there:
    // that mode's controls and the tip of a sent line, but the transcript's
    // first colours, which no switch gives back.
    setWindowIcon(m_learningIcon);
    m_conversation->showMode(Mode::Learning);
    m_conversation->showLook(startLook());
    m_side->showCount(engine.session().countCaption());
    m_side->showKnowledgeFile(engine.session().knowledgeFile());
    focusInputLine();

    connectSession();
    connectControls();
    connectMenus();
}

void MainWindow::connectSession()
{
    const Session &session = m_engine.session();
    connect(&session, &Session::modeChanged, this, &MainWindow::showMode);
    connect(&session, &Session::textAdded, m_conversation, &ConversationPanel::appendToTranscript);
    connect(&session, &Session::noticeAdded, m_conversation,
            [this](const QString &line) { m_conversation->appendToTranscript(line + u'\n'); });
    // Screen readers are told what Teskaro says, not the line the user typed.
    connect(&session, &Session::textAdded, m_announcer,
            [this](const QString &text, TranscriptSource source) {
                if (source == TranscriptSource::Teskaro)
                    m_announcer->add(text);
            });
    connect(&session, &Session::noticeAdded, m_announcer, &Announcer::add);
    connect(&session, &Session::countChanged, m_side, &SidePanel::showCount);
    connect(&session, &Session::knowledgeFileChanged, m_side, &SidePanel::showKnowledgeFile);
    connect(&session, &Session::titleChanged, this, &QWidget::setWindowTitle);
    connect(&session, &Session::chosenVoiceChanged, this, &MainWindow::showMarks);
    connect(&session, &Session::pronounInversionChanged, this, &MainWindow::showMarks);
    connect(&session, &Session::logicRulesChanged, this, &MainWindow::showMarks);
    connect(&session, &Session::realTimeLogicChanged, this, &MainWindow::showMarks);
}

void MainWindow::connectControls()
{
    connect(m_conversation, &ConversationPanel::lineSent, this, &MainWindow::sendLine);
    connect(m_side, &SidePanel::modeChosen, this, [this](Mode mode) {
        m_engine.switchMode(mode);
        // Chosen with an arrow key, the option takes the focus after this:
        // the line gets it back then.
        QMetaObject::invokeMethod(this, &MainWindow::focusInputLine, Qt::QueuedConnection);
    });
    connect(m_side, &SidePanel::speechToggled, this, [this](bool on) {
        m_engine.setSpeechEnabled(on);
        focusInputLine();
    });
}

void MainWindow::connectMenus()
{
    // Qt flips a check mark before it reports the click, but the marks show
    // the session: they are put back first and change only when it does.
    const auto onTrigger = [this](QAction *item, auto act) {
        connect(item, &QAction::triggered, this, [this, act] {
            showMarks();
            act();
        });
    };
    onTrigger(m_menus.learningMode, [this] { m_engine.switchMode(Mode::Learning); });
    onTrigger(m_menus.consultationMode, [this] { m_engine.switchMode(Mode::Consultation); });
    onTrigger(m_menus.maleVoice, [this] { m_engine.setVoice(Voice::Male); });
    onTrigger(m_menus.femaleVoice, [this] { m_engine.setVoice(Voice::Female); });
    onTrigger(m_menus.pronounInversion, [this] { m_engine.togglePronounInversion(); });
    onTrigger(m_menus.logicRules,
              [this] { m_engine.setLogicRulesApplied(!m_engine.session().logicRulesApplied()); });
    onTrigger(m_menus.realTimeLogic, [this] {
        m_engine.setRealTimeLogicApplied(!m_engine.session().realTimeLogicApplied());
    });

    connect(m_menus.openFile, &QAction::triggered, this, &MainWindow::chooseKnowledgeFile);
    connect(m_menus.saveFileAs, &QAction::triggered, this, &MainWindow::saveKnowledgeFileAs);
    connect(m_menus.quit, &QAction::triggered, this, [this] { m_engine.quit(); });
    connect(m_menus.sortFile, &QAction::triggered, this, [this] {
        m_engine.sortKnowledgeFile();
        focusInputLine();
    });
    connect(m_menus.removeRepeated, &QAction::triggered, this,
            [this] { m_engine.removeRepeatedRecords(); });
    connect(m_menus.editKnowledge, &QAction::triggered, this, &MainWindow::editKnowledge);
    connect(m_menus.knowledgeMap, &QAction::triggered, this, &MainWindow::showKnowledgeMap);
    connect(m_menus.about, &QAction::triggered, this, &MainWindow::showAboutBox);
    const auto helpItem = [this](QAction *item, HelpPage page) {
        connect(item, &QAction::triggered, this, [this, page] { showHelp(page); });
    };
    helpItem(m_menus.expertSystems, HelpPage::ExpertSystems);
    helpItem(m_menus.howItWorks, HelpPage::HowItWorks);
    helpItem(m_menus.applications, HelpPage::Applications);
}

// The input buttons always look like the default ones, which in this style
// is also how focus looks: a frame around the one with the focus tells them
// apart.
void MainWindow::markFocusedButtons()
{
    auto *mark = new QFocusFrame(this);
    connect(qApp, &QApplication::focusChanged, mark, [this, mark](QWidget *, QWidget *now) {
        auto *button = qobject_cast<QPushButton *>(now);
        mark->setWidget(button && button->window() == this ? button : nullptr);
    });
}

void MainWindow::fitInto(QSize size)
{
    // The frame is known only once the window is on screen: a title bar's
    // height is the guess until then.
    const QSize room = screen()->availableGeometry().size() -
                       QSize(0, style()->pixelMetric(QStyle::PM_TitleBarHeight));
    resize(size.boundedTo(room));
    // Too small a screen: the window manager fits it, frame and all.
    if (size.width() > room.width() || size.height() > room.height())
        setWindowState(windowState() | Qt::WindowMaximized);
}

void MainWindow::showMode(Mode mode)
{
    m_announcer->lead(modeLook(mode).name + u'.');
    m_conversation->showMode(mode);
    m_conversation->showLook(modeLook(mode));
    showMarks();
    setWindowIcon(mode == Mode::Learning ? m_learningIcon : m_consultationIcon);
    m_conversation->inputLine()->clear();
    focusInputLine();
    m_side->showMode(mode);
}

void MainWindow::showMarks()
{
    const Session &session = m_engine.session();
    m_menus.learningMode->setChecked(session.mode() == Mode::Learning);
    m_menus.consultationMode->setChecked(session.mode() == Mode::Consultation);
    m_menus.maleVoice->setChecked(session.chosenVoice() == Voice::Male);
    m_menus.femaleVoice->setChecked(session.chosenVoice() == Voice::Female);
    m_menus.pronounInversion->setChecked(session.pronounInversionApplied());
    m_menus.logicRules->setChecked(session.logicRulesApplied());
    m_menus.realTimeLogic->setChecked(session.realTimeLogicApplied());
}

void MainWindow::focusInputLine()
{
    m_conversation->inputLine()->setFocus();
}

// The tip is set before the line goes, so a line that switches the mode
// leaves the new mode's own tip.
void MainWindow::sendLine()
{
    InputLine *line = m_conversation->inputLine();
    line->setToolTip(sentLineTip(m_engine.session().mode()));
    m_engine.submit(line->text());
    line->clear();
}

// Not modal: asked for again while open, the same dialog comes to the front
// as the user left it.
void MainWindow::chooseKnowledgeFile()
{
    m_engine.beginOpenKnowledgeFile();
    if (!m_openDialog || !m_openDialog->isVisible()) {
        m_openDialog = new OpenDialog(m_platform.messages, this);
        connect(m_openDialog, &OpenDialog::chosen, this,
                [this](const QString &path) { m_engine.openKnowledgeFile(path); });
    }
    m_openDialog->show();
    m_openDialog->raise();
    m_openDialog->activateWindow();
}

// The dialog has asked before it gives the name of a file that exists.
void MainWindow::saveKnowledgeFileAs()
{
    SaveDialog dialog(m_platform, this);
    dialog.exec();
    const QString path = dialog.chosenPath();
    if (path.isEmpty())
        m_engine.cancelSaveAs();
    else
        m_engine.saveKnowledgeFileAs(path, ExistingFile::Replace);
}

// Not modal, one for the file in use: asked for again, it comes to the
// front as the user left it, with the file as it is now.
void MainWindow::editKnowledge()
{
    const QString file = m_engine.session().knowledgeFile();
    if (m_editor && m_editor->fileName() != file) {
        m_editor->close(); // it goes once back in the event loop
        m_editor.clear();
    }
    if (m_editor)
        m_engine.relistStatements();
    else
        m_editor = new KnowledgeEditor(m_engine, m_platform.messages, this);
    m_editor->show();
    m_editor->raise();
    m_editor->activateWindow();
}

// One map, of the file in use.
void MainWindow::showKnowledgeMap()
{
    if (m_map && m_map->fileName() != m_engine.session().knowledgeFile()) {
        m_map->close();
        m_map.clear();
    }
    if (!m_map)
        m_map = new KnowledgeMapWindow(m_engine.session(), m_platform.filters, m_platform.messages,
                                       this);
    m_map->show();
    m_map->raise();
    m_map->activateWindow();
}

// One help window, not modal: asked for again, it comes to the front at the
// page asked for.
void MainWindow::showHelp(HelpPage page)
{
    if (!m_helpWindow)
        m_helpWindow = new HelpWindow(this);
    m_helpWindow->showPage(page);
    m_helpWindow->show();
    m_helpWindow->raise();
    m_helpWindow->activateWindow();
}

void MainWindow::showAboutBox()
{
    AboutBox box(m_platform, this);
    box.exec();
}

} // namespace teskaro
