// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainmenus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace teskaro {

using namespace Qt::StringLiterals;

namespace {

QMenu *addMenu(QMenuBar *bar, const QString &name, const QString &title)
{
    QMenu *menu = bar->addMenu(title);
    menu->setObjectName(name);
    return menu;
}

QAction *addItem(QMenu *menu, const QString &name, const QString &caption)
{
    QAction *item = menu->addAction(caption);
    item->setObjectName(name);
    return item;
}

void addDisabledItem(QMenu *menu, const QString &name, const QString &caption)
{
    addItem(menu, name, caption)->setEnabled(false);
}

QAction *addMarkedItem(QMenu *menu, const QString &name, const QString &caption, bool marked)
{
    QAction *item = addItem(menu, name, caption);
    item->setCheckable(true);
    item->setChecked(marked);
    return item;
}

} // namespace

MainMenus createMainMenus(QMenuBar *bar)
{
    MainMenus menus;
    QMenu *file = addMenu(bar, u"fileMenu"_s, u"&Archivo"_s);
    menus.openFile = addItem(file, u"openFile"_s, u"A&brir archivo de conocimientos"_s);
    addDisabledItem(file, u"closeFile"_s, u"Ce&rrar archivo de conocimientos actual"_s);
    menus.saveFileAs = addItem(file, u"saveFileAs"_s,
                               u"&Guardar archivo de conocimientos actual con otro nombre"_s);
    file->addSeparator();
    menus.quit = addItem(file, u"quit"_s, u"Salir"_s);

    QMenu *mode = addMenu(bar, u"modeMenu"_s, u"M&odo"_s);
    menus.learningMode = addMarkedItem(mode, u"learningMode"_s, u"Aprendizaje [ Input ]"_s, true);
    menus.learningMode->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    menus.consultationMode =
        addMarkedItem(mode, u"consultationMode"_s, u"Consulta [ Output ]"_s, false);
    menus.consultationMode->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));

    QMenu *settings = addMenu(bar, u"settingsMenu"_s, u"&Configuración"_s);
    menus.realTimeLogic = addMarkedItem(settings, u"realTimeLogic"_s,
                                        u"Aplicar lógica de aprendizaje en tiempo real"_s, false);
    menus.maleVoice = addMarkedItem(settings, u"maleVoice"_s, u"Voz sintética Masculina"_s, true);
    menus.femaleVoice =
        addMarkedItem(settings, u"femaleVoice"_s, u"Voz sintética Femenina"_s, false);
    menus.pronounInversion = addMarkedItem(settings, u"pronounInversion"_s,
                                           u"Invertir pronombres posesivos MI-TU / ME-TE"_s, true);

    QMenu *maintenance = addMenu(bar, u"maintenanceMenu"_s, u"&Mantenimiento"_s);
    menus.sortFile = addItem(maintenance, u"sortFile"_s, u"Ordenar ideas y recuerdos"_s);
    menus.removeRepeated = addItem(maintenance, u"removeRepeated"_s, u"Eliminar redundancias"_s);
    menus.logicRules =
        addMarkedItem(maintenance, u"logicRules"_s, u"Aplicar reglas lógicas"_s, false);
    menus.editKnowledge =
        addItem(maintenance, u"editKnowledge"_s, u"Editar base de conocimientos"_s);
    menus.knowledgeMap = addItem(maintenance, u"knowledgeMap"_s, u"Mapa de conocimientos"_s);

    QMenu *help = addMenu(bar, u"helpMenu"_s, u"A&yuda"_s);
    menus.expertSystems = addItem(help, u"expertSystems"_s, u"Los Sistemas Expertos"_s);
    menus.howItWorks = addItem(help, u"howItWorks"_s, u"Funcionamiento de Teskaro"_s);
    menus.howItWorks->setShortcut(QKeySequence(Qt::Key_F1));
    menus.applications = addItem(help, u"applications"_s, u"Aplicaciones prácticas de Teskaro"_s);
    addDisabledItem(help, u"authorPortal"_s, u"Portal Vertical sobre IA del autor de Teskaro"_s);
    menus.about = addItem(help, u"about"_s, u"Acerca de..."_s);
    return menus;
}

} // namespace teskaro
