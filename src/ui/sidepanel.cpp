// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sidepanel.h"

#include "dialogue/aboutinfo.h"
#include "helptexts.h"
#include "modekeys.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace teskaro {

using namespace Qt::StringLiterals;

SidePanel::SidePanel(QWidget *parent)
    : QWidget(parent)
{
    setFixedWidth(270);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(createModeOptions());
    layout->addWidget(createAuxiliaryRoutines());
    layout->addWidget(createAcquiredKnowledge());
    layout->addWidget(createStatesHelp(this));
    layout->addStretch(1);

    auto *address = new QLabel(authorAddress(), this);
    address->setAlignment(Qt::AlignCenter);
    address->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(address);
}

QWidget *SidePanel::createModeOptions()
{
    auto *group = new QGroupBox(u"Modo"_s, this);
    auto *layout = new QVBoxLayout(group);
    m_learningOption = new QRadioButton(u"Aprendizaje"_s, group);
    m_learningOption->setObjectName(u"learningOption"_s);
    m_learningOption->setChecked(true);
    m_consultationOption = new QRadioButton(u"Consulta"_s, group);
    m_consultationOption->setObjectName(u"consultationOption"_s);
    layout->addWidget(m_learningOption);
    layout->addWidget(m_consultationOption);
    connect(m_learningOption, &QRadioButton::clicked, this,
            [this] { Q_EMIT modeChosen(Mode::Learning); });
    connect(m_consultationOption, &QRadioButton::clicked, this,
            [this] { Q_EMIT modeChosen(Mode::Consultation); });
    return group;
}

QWidget *SidePanel::createAuxiliaryRoutines()
{
    auto *group = new QGroupBox(u"Rutinas auxiliares"_s, this);
    auto *layout = new QVBoxLayout(group);
    m_speechBox = new QCheckBox(u"Síntesis de Voz"_s, group);
    m_speechBox->setObjectName(u"speechBox"_s);
    layout->addWidget(m_speechBox);
    connect(m_speechBox, &QCheckBox::clicked, this, &SidePanel::speechToggled);
    return group;
}

QWidget *SidePanel::createAcquiredKnowledge()
{
    auto *group = new QGroupBox(u"Conocimientos adquiridos"_s, this);
    auto *layout = new QGridLayout(group);
    layout->addWidget(new QLabel(u"Base de conocimiento :"_s, group), 0, 0, 1, 2);
    m_knowledgeFileBox = new QLineEdit(group);
    m_knowledgeFileBox->setObjectName(u"knowledgeFileBox"_s);
    m_knowledgeFileBox->setAccessibleName(u"Base de conocimiento"_s);
    m_knowledgeFileBox->setReadOnly(true);
    useModeSafeEditMenu(m_knowledgeFileBox);
    layout->addWidget(m_knowledgeFileBox, 1, 0, 1, 2);
    layout->addWidget(new QLabel(u"Aprendizaje directo:"_s, group), 2, 0);
    m_learnedCount = new QLabel(group);
    m_learnedCount->setObjectName(u"learnedCount"_s);
    showCount(u"00"_s);
    QFont bold = m_learnedCount->font();
    bold.setBold(true);
    m_learnedCount->setFont(bold);
    layout->addWidget(m_learnedCount, 2, 1);
    return group;
}

void SidePanel::showMode(Mode mode)
{
    // The two are exclusive: setting one clears the other.
    (mode == Mode::Learning ? m_learningOption : m_consultationOption)->setChecked(true);
}

void SidePanel::showKnowledgeFile(const QString &name)
{
    m_knowledgeFileBox->setText(name);
    m_knowledgeFileBox->setCursorPosition(name.size());
}

void SidePanel::showCount(const QString &caption)
{
    m_learnedCount->setText(caption);
    // Named with its caption, for it is read on its own, away from it; a
    // new name is not announced.
    m_learnedCount->setAccessibleName(u"Aprendizaje directo: "_s + caption.trimmed());
    m_learnedCount->repaint();
}

} // namespace teskaro
