// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QAction;
class QMenuBar;

namespace teskaro {

// The window's menu bar. Every item the user sees is made, including those
// that have never had a command and stay disabled; these are the ones that do
// something. Each item's object name says what it is.
struct MainMenus
{
    QAction *openFile = nullptr;
    QAction *saveFileAs = nullptr;
    QAction *quit = nullptr;
    QAction *learningMode = nullptr;
    QAction *consultationMode = nullptr;
    QAction *maleVoice = nullptr;
    QAction *femaleVoice = nullptr;
    QAction *pronounInversion = nullptr;
    QAction *realTimeLogic = nullptr;
    QAction *logicRules = nullptr;
    QAction *sortFile = nullptr;
    QAction *removeRepeated = nullptr;
    QAction *editKnowledge = nullptr;
    QAction *knowledgeMap = nullptr;
    QAction *expertSystems = nullptr;
    QAction *howItWorks = nullptr; // also F1
    QAction *applications = nullptr;
    QAction *about = nullptr;
};

MainMenus createMainMenus(QMenuBar *bar);

} // namespace teskaro
