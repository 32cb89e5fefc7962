#include "opendialog.h"

#include "dialogue/dialogueengine.h"
#include "folderbrowser.h"
#include "knowledgeexplanation.h"
#include "pictures.h"
#include "platform/drives.h"

#include <QCloseEvent>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace teskaro {

using namespace Qt::StringLiterals;

OpenDialog::OpenDialog(DialogueEngine &engine, QWidget *parent)
    : QDialog(parent)
    , m_engine(engine)
    , m_browser(new FolderBrowser(FileDialog::Open, engine, this))
{
    setObjectName(u"Formopen"_s);
    setWindowTitle(u" TESKARO - Abrir archivo de conocimientos..."_s);
    setAttribute(Qt::WA_DeleteOnClose, false);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(createKnowledgeExplanation(
        this, {u"Label2"_s, u"Label3"_s, u"Label1"_s, u"Frame1"_s, u"Image4"_s}));

    auto *frame2 = new QGroupBox(u"Seleccione la base de conocimientos a utilizar"_s, this);
    frame2->setObjectName(u"Frame2"_s);
    auto *lists = new QVBoxLayout(frame2);
    lists->addWidget(m_browser);
    auto *buttons = new QHBoxLayout;
    auto *command1 = new QPushButton(u"&Abrir"_s, frame2);
    command1->setObjectName(u"Command1"_s);
    command1->setDefault(true);
    auto *command2 = new QPushButton(u"&Cancelar"_s, frame2);
    command2->setObjectName(u"Command2"_s);
    buttons->addStretch(1);
    buttons->addWidget(command1);
    buttons->addWidget(command2);
    lists->addLayout(buttons);
    layout->addWidget(frame2, 1);

    connect(command1, &QPushButton::clicked, this, &OpenDialog::Command1_Click);
    connect(command2, &QPushButton::clicked, this, [this] {
        m_closing = true;
        m_engine.Formopen_Command2_Click();
    });
    connect(m_browser, &FolderBrowser::fileDoubleClicked, this, &OpenDialog::Command1_Click);

    resize(760, 460);
    Form_Load();
}

void OpenDialog::Form_Load()
{
    m_engine.Formopen_Load();
    m_browser->setDrive(driveOf(QDir::currentPath(), userDrives()));
    const QString fontName = m_engine.state().dialogFontName;
    for (QWidget *control : findChildren<QWidget *>()) {
        if (qobject_cast<QLabel *>(control) || qobject_cast<QPushButton *>(control) ||
            qobject_cast<QAbstractItemView *>(control) || control->objectName() == u"Drive1"_s) {
            QFont font = control->font();
            font.setFamily(fontName);
            control->setFont(font);
        }
    }
}

void OpenDialog::Command1_Click()
{
    m_closing = true;
    m_engine.Formopen_Command1_Click(m_browser->folderPath(), m_browser->selectedFileName());
}

// The close box and Escape cancel, as "&Cancelar" does.
void OpenDialog::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (!m_closing) {
        m_closing = true;
        m_engine.Formopen_Command2_Click();
    }
}

void OpenDialog::reject()
{
    close();
}

} // namespace teskaro
