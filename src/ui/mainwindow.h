// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogue/helppages.h"
#include "dialogue/mode.h"
#include "mainmenus.h"
#include "platform/platform.h"

#include <QIcon>
#include <QMainWindow>
#include <QPointer>

namespace teskaro {

class Announcer;
class ConversationPanel;
class HelpWindow;
class KnowledgeEditor;
class KnowledgeMapWindow;
class DialogueEngine;
class OpenDialog;
class SidePanel;

// The main window: passes what the user does to the engine and shows the
// engine's session as it changes. It runs the file dialogs itself and hands
// the engine only the path chosen in them.
class MainWindow final : public QMainWindow
{
    Q_OBJECT

public:
    // The window shows the session from here on; start the engine after.
    MainWindow(DialogueEngine &engine, const Platform &platform, QWidget *parent = nullptr);

private:
    void connectSession();
    void connectControls();
    void connectMenus();
    void markFocusedButtons();
    // The size asked for, or the whole screen where it is smaller.
    void fitInto(QSize size);
    void showMode(Mode mode);
    void showMarks();
    void focusInputLine();
    void sendLine();
    void chooseKnowledgeFile();
    void saveKnowledgeFileAs();
    void editKnowledge();
    void showKnowledgeMap();
    void showHelp(HelpPage page);
    void showAboutBox();

    DialogueEngine &m_engine;
    Platform m_platform;
    ConversationPanel *m_conversation;
    SidePanel *m_side;
    Announcer *m_announcer = nullptr;
    MainMenus m_menus;
    QPointer<OpenDialog> m_openDialog;
    QPointer<HelpWindow> m_helpWindow;
    QPointer<KnowledgeEditor> m_editor;
    QPointer<KnowledgeMapWindow> m_map;
    QIcon m_learningIcon;
    QIcon m_consultationIcon;
};

} // namespace teskaro
