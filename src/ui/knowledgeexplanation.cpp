// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "knowledgeexplanation.h"

#include "pictures.h"

#include <QFrame>
#include <QGraphicsDropShadowEffect>
#include <QLabel>
#include <QVBoxLayout>

namespace teskaro {

using namespace Qt::StringLiterals;

QWidget *createKnowledgeExplanation(QWidget *parent)
{
    auto *frame = new QFrame(parent);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFixedWidth(250);
    auto *layout = new QVBoxLayout(frame);

    auto *picture = new QLabel(frame);
    picture->setPixmap(teskaro::picture(u"teskaro"_s, 72, frame->devicePixelRatioF()));
    picture->setAlignment(Qt::AlignCenter);
    layout->addWidget(picture);

    // One title with a grey shadow drawn under it, so that it is read once.
    auto *title = new QLabel(u"TESKARO - Sistema Experto de Consultas"_s, frame);
    title->setAlignment(Qt::AlignCenter);
    title->setWordWrap(true);
    QFont font = title->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.2);
    title->setFont(font);
    auto *shadow = new QGraphicsDropShadowEffect(title);
    shadow->setBlurRadius(0);
    shadow->setOffset(2, 2);
    shadow->setColor(QColor(160, 160, 160));
    title->setGraphicsEffect(shadow);
    layout->addWidget(title);

    auto *explanation = new QLabel(
        u"      Los archivos de conocimientos constituyen la base del Sistema Experto TESKARO. "
        u"Continen la información aprendida por el Sistema [Modo Aprendizaje] que será "
        u"interpretada por éste para efectuar las consultas [Modo consulta]"_s,
        frame);
    explanation->setWordWrap(true);
    explanation->setAlignment(Qt::AlignJustify | Qt::AlignTop);
    layout->addWidget(explanation);
    layout->addStretch(1);
    return frame;
}

} // namespace teskaro
