// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "opendialog.h"

#include "folderbrowser.h"
#include "knowledge/filenames.h"
#include "knowledgeexplanation.h"
#include "platform/drives.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

namespace teskaro {

using namespace Qt::StringLiterals;

OpenDialog::OpenDialog(MessageBoxes &messages, QWidget *parent)
    : QDialog(parent)
    , m_browser(new FolderBrowser(messages, u"No es posible leer en la Unidad "_s, this))
{
    setObjectName(u"openDialog"_s);
    setWindowTitle(u" TESKARO - Abrir archivo de conocimientos..."_s);
    setAttribute(Qt::WA_DeleteOnClose);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(createKnowledgeExplanation(this));

    auto *choice = new QGroupBox(u"Seleccione la base de conocimientos a utilizar"_s, this);
    auto *lists = new QVBoxLayout(choice);
    lists->addWidget(m_browser);
    // Buttons of our own text rather than standard ones, whose captions
    // Qt's translations would set.
    auto *buttons = new QDialogButtonBox(choice);
    QPushButton *openButton = buttons->addButton(u"&Abrir"_s, QDialogButtonBox::AcceptRole);
    openButton->setObjectName(u"openButton"_s);
    openButton->setDefault(true);
    QPushButton *cancelButton = buttons->addButton(u"&Cancelar"_s, QDialogButtonBox::RejectRole);
    cancelButton->setObjectName(u"cancelButton"_s);
    lists->addWidget(buttons);
    layout->addWidget(choice, 1);

    connect(buttons, &QDialogButtonBox::accepted, this, &OpenDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &OpenDialog::reject);
    connect(m_browser, &FolderBrowser::fileDoubleClicked, this, &OpenDialog::accept);
    openButton->setEnabled(false);
    connect(m_browser, &FolderBrowser::selectionChanged, openButton, [this, openButton] {
        openButton->setEnabled(!m_browser->selectedFileName().isEmpty());
    });

    resize(760, 460);
    m_browser->setDrive(driveOf(QDir::currentPath(), userDrives()));
    m_browser->fileList()->setFocus(); // what the user came to choose from
    // The dialog's own typeface, on what shows text; frames keep theirs.
    for (QWidget *control : findChildren<QWidget *>()) {
        if (qobject_cast<QLabel *>(control) || qobject_cast<QPushButton *>(control) ||
            qobject_cast<QAbstractItemView *>(control) || qobject_cast<QComboBox *>(control)) {
            QFont font = control->font();
            font.setFamily(u"Tahoma"_s);
            control->setFont(font);
        }
    }
}

void OpenDialog::accept()
{
    const QString file = m_browser->selectedFileName();
    if (file.isEmpty())
        return;
    const QString path = chosenFilePath(m_browser->folderPath(), file);
    QDialog::accept();
    Q_EMIT chosen(path);
}

} // namespace teskaro
