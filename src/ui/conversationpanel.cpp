// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "conversationpanel.h"

#include "helptexts.h"
#include "inputline.h"
#include "modekeys.h"
#include "modelook.h"
#include "pictures.h"
#include "transcript.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace teskaro {

using namespace Qt::StringLiterals;

namespace {

QLabel *pictureLabel(const QString &name, const QString &pictureName, const QString &spokenName,
                     int size, QWidget *parent)
{
    auto *result = new QLabel(parent);
    result->setObjectName(name);
    result->setAccessibleName(spokenName);
    result->setPixmap(picture(pictureName, size, parent->devicePixelRatioF()));
    result->setFixedSize(size, size);
    return result;
}

// Two pictures in one place, only one of them shown at a time.
QGridLayout *stacked(QLabel *shown, QLabel *hidden)
{
    auto *layout = new QGridLayout;
    layout->addWidget(shown, 0, 0);
    layout->addWidget(hidden, 0, 0);
    hidden->hide();
    return layout;
}

QFont conversationFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(10);
    return font;
}

} // namespace

ConversationPanel::ConversationPanel(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(createHeader());

    m_transcript = new Transcript(this);
    m_transcript->setFont(conversationFont());
    layout->addWidget(m_transcript, 1);

    layout->addWidget(createInputRow());
    layout->addWidget(createSyntaxHelp(this));
}

QWidget *ConversationPanel::createHeader()
{
    auto *header = new QWidget(this);
    auto *layout = new QHBoxLayout(header);
    layout->setContentsMargins(0, 0, 0, 0);
    m_learningPicture = pictureLabel(u"learningPicture"_s, u"learning"_s,
                                     u"Imagen del modo aprendizaje"_s, 56, header);
    m_consultationPicture = pictureLabel(u"consultationPicture"_s, u"consultation"_s,
                                         u"Imagen del modo consulta"_s, 56, header);
    layout->addLayout(stacked(m_learningPicture, m_consultationPicture));
    auto *title = new QLabel(u"<b style='font-size:18pt'>TESKARO</b><br>Sistema Experto de "
                             u"Aprendizaje y Consulta basado en el lenguaje humano"_s,
                             header);
    layout->addWidget(title, 1);
    return header;
}

QWidget *ConversationPanel::createInputRow()
{
    auto *row = new QWidget(this);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    m_learningLamp = pictureLabel(u"learningLamp"_s, u"learning-lamp"_s,
                                  u"Indicador del modo aprendizaje"_s, 24, row);
    m_consultationLamp = pictureLabel(u"consultationLamp"_s, u"consultation-lamp"_s,
                                      u"Indicador del modo consulta"_s, 24, row);
    layout->addLayout(stacked(m_learningLamp, m_consultationLamp));

    m_inputLine = new InputLine(row);
    m_inputLine->setObjectName(u"inputLine"_s);
    m_inputLine->setFont(conversationFont());
    useModeSafeEditMenu(m_inputLine);
    layout->addWidget(m_inputLine, 1);
    connect(m_inputLine, &InputLine::returnPressed, this, &ConversationPanel::lineSent);

    m_learningButton = new QPushButton(u"Alimentar"_s, row);
    m_learningButton->setObjectName(u"learningButton"_s);
    m_consultationButton = new QPushButton(u"Consultar"_s, row);
    m_consultationButton->setObjectName(u"consultationButton"_s);
    for (QPushButton *button : {m_learningButton, m_consultationButton}) {
        button->setAutoDefault(false);
        button->setMinimumWidth(110);
        layout->addWidget(button);
        connect(button, &QPushButton::clicked, this, &ConversationPanel::lineSent);
    }
    return row;
}

void ConversationPanel::showMode(Mode mode)
{
    const bool learning = mode == Mode::Learning;
    m_learningPicture->setVisible(learning);
    m_consultationPicture->setVisible(!learning);
    m_learningLamp->setVisible(learning);
    m_consultationLamp->setVisible(!learning);
    m_learningButton->setEnabled(learning);
    m_learningButton->setVisible(learning);
    m_learningButton->setDefault(learning);
    m_consultationButton->setEnabled(!learning);
    m_consultationButton->setVisible(!learning);
    m_consultationButton->setDefault(!learning);
}

void ConversationPanel::showLook(const ModeLook &look)
{
    QPalette palette = m_transcript->palette();
    palette.setColor(QPalette::Base, look.background);
    palette.setColor(QPalette::Text, look.text);
    m_transcript->setPalette(palette);
    m_inputLine->setToolTip(look.tip);
    m_inputLine->setAccessibleName(u"Frase, "_s + look.name.toLower());
}

void ConversationPanel::appendToTranscript(const QString &text)
{
    m_transcript->appendText(text);
}

} // namespace teskaro
