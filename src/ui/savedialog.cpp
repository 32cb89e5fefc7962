// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "savedialog.h"

#include "folderbrowser.h"
#include "knowledge/filenames.h"
#include "knowledge/recordformat.h"
#include "knowledgeexplanation.h"
#include "platform/drives.h"
#include "platform/platform.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

namespace teskaro {

using namespace Qt::StringLiterals;

namespace {

const QColor focusedNameBox(255, 224, 192);

} // namespace

SaveDialog::SaveDialog(const Platform &platform, QWidget *parent)
    : QDialog(parent)
    , m_platform(platform)
    , m_browser(new FolderBrowser(platform.messages, u"No está disponible la Unidad "_s, this))
    , m_nameBox(new QLineEdit(this))
{
    setObjectName(u"saveDialog"_s);
    setWindowTitle(u" TESKARO - Guardar archivo de conocimientos ..."_s);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(createKnowledgeExplanation(this));

    auto *choice = new QGroupBox(
        u"Seleccione ubicación y nombre de archivo para guardar los conocimientos"_s, this);
    auto *lists = new QVBoxLayout(choice);
    lists->addWidget(m_browser);
    // Screen readers are not given tips: the warning is its description too.
    const QString warning = u" Si selecciona un archivo ya existente machacará las "
                            u"combinaciones que éste tuviera "_s;
    m_browser->fileList()->setToolTip(warning);
    m_browser->fileList()->setAccessibleDescription(warning.trimmed());

    auto *nameRow = new QHBoxLayout;
    auto *nameLabel = new QLabel(u"Nombre Archivo:"_s, choice);
    m_nameBox->setObjectName(u"nameBox"_s);
    m_nameBox->installEventFilter(this);
    nameLabel->setBuddy(m_nameBox);
    nameRow->addWidget(nameLabel);
    nameRow->addWidget(m_nameBox, 1);
    lists->addLayout(nameRow);

    auto *rule = new QFrame(choice);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    lists->addWidget(rule);

    // Buttons of our own text rather than standard ones, whose captions
    // Qt's translations would set.
    auto *buttons = new QDialogButtonBox(choice);
    QPushButton *saveButton = buttons->addButton(u"&Guardar"_s, QDialogButtonBox::AcceptRole);
    saveButton->setObjectName(u"saveButton"_s);
    saveButton->setDefault(true);
    QPushButton *cancelButton = buttons->addButton(u"&Cancelar"_s, QDialogButtonBox::RejectRole);
    cancelButton->setObjectName(u"cancelButton"_s);
    lists->addWidget(buttons);
    layout->addWidget(choice, 1);

    connect(buttons, &QDialogButtonBox::accepted, this, &SaveDialog::save);
    connect(buttons, &QDialogButtonBox::rejected, this, &SaveDialog::reject);
    connect(m_browser, &FolderBrowser::fileClicked, m_nameBox, &QLineEdit::setText);
    connect(m_browser, &FolderBrowser::fileDoubleClicked, this, &SaveDialog::save);

    resize(760, 480);
    m_browser->setDrive(driveOf(QDir::currentPath(), userDrives()));
    m_nameBox->setFocus();
}

// A blank name closes the dialog all the same, with nothing to copy; the
// name of a file not to be replaced keeps it open for another.
void SaveDialog::save()
{
    const QString typed = m_nameBox->text();
    if (!trimBlanks(typed).isEmpty()) {
        const QString path = saveAsFilePath(m_browser->folderPath(), typed);
        if (!mayReplace(path))
            return;
        m_chosenPath = path;
    }
    accept();
}

bool SaveDialog::mayReplace(const QString &path)
{
    if (!m_platform.files.fileExists(path))
        return true;
    Message question;
    question.title = windowTitle();
    question.text = u"Ya existe "_s + QFileInfo(path).fileName() + u". ¿Desea reemplazarlo?"_s;
    question.icon = Message::Icon::Exclamation;
    question.buttons = Message::Buttons::YesNo;
    question.asker = this;
    return m_platform.messages.show(question) == MessageAnswer::Yes;
}

// The name box lights up while it has the focus.
bool SaveDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_nameBox &&
        (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        QPalette palette = m_nameBox->palette();
        palette.setColor(QPalette::Base,
                         event->type() == QEvent::FocusIn ? focusedNameBox : QColor(Qt::white));
        m_nameBox->setPalette(palette);
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace teskaro
