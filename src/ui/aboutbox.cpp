// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "aboutbox.h"

#include "dialogue/aboutinfo.h"
#include "picturetile.h"
#include "platform/systeminformation.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace teskaro {

using namespace Qt::StringLiterals;

namespace {

QLabel *textLabel(const QString &name, const QString &text, QWidget *parent)
{
    auto *result = new QLabel(text, parent);
    result->setObjectName(name);
    // Plain text keeps the description's two leading blanks.
    result->setTextFormat(Qt::PlainText);
    return result;
}

QFont resized(QFont font, qreal factor, bool bold)
{
    font.setPointSizeF(font.pointSizeF() * factor);
    font.setBold(bold);
    return font;
}

} // namespace

AboutBox::AboutBox(const Platform &platform, QWidget *parent)
    : QDialog(parent)
    , m_platform(platform)
{
    setObjectName(u"aboutBox"_s);
    setModal(true);
    const AboutInfo info = aboutInfo();
    setWindowTitle(info.caption);

    auto *frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setBackgroundRole(QPalette::Base);
    frame->setAutoFillBackground(true);

    auto *tile = new PictureTile(u"teskaro"_s, 72, frame);
    auto *title = textLabel(u"titleLabel"_s, info.title, frame);
    title->setFont(resized(font(), 2.0, true));
    QPalette titlePalette = title->palette();
    titlePalette.setColor(title->foregroundRole(), QColor(37, 54, 186)); // the icon's blue
    title->setPalette(titlePalette);
    auto *version = textLabel(u"versionLabel"_s, info.version, frame);
    auto *description = textLabel(u"descriptionLabel"_s, info.description, frame);
    description->setWordWrap(true);
    description->setFixedWidth(330);

    auto *texts = new QVBoxLayout;
    texts->setSpacing(4);
    texts->addWidget(title);
    texts->addWidget(version);
    texts->addSpacing(10);
    texts->addWidget(description);
    texts->addStretch(1);
    auto *frameLayout = new QHBoxLayout(frame);
    frameLayout->setContentsMargins(16, 16, 16, 16);
    frameLayout->setSpacing(18);
    frameLayout->addWidget(tile, 0, Qt::AlignTop);
    frameLayout->addLayout(texts, 1);

    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto *disclaimer = textLabel(u"disclaimerLabel"_s, info.disclaimer, this);
    disclaimer->setWordWrap(true);
    disclaimer->setFont(resized(font(), 0.9, false));
    disclaimer->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto *okButton = new QPushButton(u"Aceptar"_s, this);
    okButton->setObjectName(u"okButton"_s);
    okButton->setDefault(true);
    auto *informationButton = new QPushButton(u"&Información..."_s, this);
    informationButton->setObjectName(u"systemInformationButton"_s);
    informationButton->setAutoDefault(false);
    auto *buttons = new QVBoxLayout;
    buttons->setSpacing(6);
    for (QPushButton *button : {okButton, informationButton}) {
        button->setMinimumWidth(130);
        buttons->addWidget(button);
    }
    buttons->addStretch(1);

    auto *bottom = new QHBoxLayout;
    bottom->setSpacing(18);
    bottom->addWidget(disclaimer, 1);
    bottom->addLayout(buttons);

    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(10);
    layout->addWidget(frame);
    layout->addWidget(line);
    layout->addLayout(bottom);

    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(informationButton, &QPushButton::clicked, this, &AboutBox::startSystemInformation);
}

// Whatever stands in the way (no program, or one that will not start), the
// user gets the same one answer.
void AboutBox::startSystemInformation()
{
    const QString program = systemInformationProgram();
    if (!program.isEmpty() && m_platform.processes.start(program, {}, {}))
        return;
    Message unavailable;
    unavailable.title = applicationTitle();
    unavailable.text = u"System Information Is Unavailable At This Time"_s;
    unavailable.asker = this;
    m_platform.messages.show(unavailable);
}

} // namespace teskaro
