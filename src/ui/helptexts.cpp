// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "helptexts.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

namespace teskaro {

using namespace Qt::StringLiterals;

namespace {

QLabel *heading(const QString &text, QWidget *parent)
{
    auto *result = new QLabel(text, parent);
    QFont font = result->font();
    font.setBold(true);
    result->setFont(font);
    return result;
}

} // namespace

QWidget *createSyntaxHelp(QWidget *parent)
{
    auto *panel = new QWidget(parent);
    auto *grid = new QGridLayout(panel);
    grid->setContentsMargins(4, 4, 4, 0);
    grid->setVerticalSpacing(1);
    const auto line = [panel](const QString &text) {
        return new QLabel(text, panel);
    };
    grid->addWidget(heading(u"ej. Sintaxis de aprendizaje [CON O SIN ACENTOS]"_s, panel), 0, 0);
    grid->addWidget(line(u"Sujeto + predicado nominal [verbo SER | ESTAR en 3ª pers.]"_s), 1, 0);
    grid->addWidget(line(u"Ej. LOS HOMBRES SON ANIMALES INTELIGENTES A VECES"_s), 2, 0);
    grid->addWidget(line(u"Ej. EL LIBRO DE NEUROBIOLOGIA ESTA EN EL TRASTERO"_s), 3, 0);
    grid->addWidget(heading(u"ej. Sintaxis de consulta [CON O SIN ACENTOS]"_s, panel), 0, 1);
    grid->addWidget(line(u"Fórmula verbal de interrogación + sustantivo"_s), 1, 1);
    grid->addWidget(line(u"Ej. QUE SABES SOBRE LOS HOMBRES"_s), 2, 1);
    grid->addWidget(line(u"Ej. CUAL ES EL TELEFONO DE TORVAN"_s), 3, 1);
    auto *oneIdea = heading(u"- EXPRESE UN UNICO CONCEPTO EN CADA FRASE -"_s, panel);
    oneIdea->setAlignment(Qt::AlignCenter);
    grid->addWidget(oneIdea, 4, 0, 1, 2);
    return panel;
}

QWidget *createStatesHelp(QWidget *parent)
{
    auto *states = new QGroupBox(u"Estados posibles del sistema"_s, parent);
    auto *grid = new QGridLayout(states);
    const auto line = [states](const QString &text) {
        return new QLabel(text, states);
    };
    grid->addWidget(line(u"<b>Aprendizaje [ Input ]</b>"_s), 0, 0);
    grid->addWidget(line(u"CTRL + A"_s), 0, 1, Qt::AlignRight);
    grid->addWidget(line(u"alimenta base de conocimientos"_s), 1, 0, 1, 2);
    grid->addWidget(line(u"<b>Consulta [ Output ]</b>"_s), 2, 0);
    grid->addWidget(line(u"CTRL + C"_s), 2, 1, Qt::AlignRight);
    grid->addWidget(line(u"consulta base de conocimientos"_s), 3, 0, 1, 2);
    return states;
}

} // namespace teskaro
