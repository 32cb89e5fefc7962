#include "savedialog.h"

#include "dialogue/dialogueengine.h"
#include "folderbrowser.h"
#include "knowledgeexplanation.h"
#include "platform/drives.h"

#include <QDir>
#include <QEvent>
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

SaveDialog::SaveDialog(DialogueEngine &engine, QWidget *parent)
    : QDialog(parent)
    , m_engine(engine)
    , m_browser(new FolderBrowser(FileDialog::Save, engine, this))
    , m_text1(new QLineEdit(this))
{
    setObjectName(u"Formsave"_s);
    setWindowTitle(u" TESKARO - Guardar archivo de conocimientos ..."_s);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(createKnowledgeExplanation(
        this, {u"Label3"_s, u"Label4"_s, u"Label1"_s, u"Frame2"_s, u"Image4"_s}));

    auto *frame1 = new QGroupBox(
        u"Seleccione ubicación y nombre de archivo para guardar los conocimientos"_s, this);
    frame1->setObjectName(u"Frame1"_s);
    auto *lists = new QVBoxLayout(frame1);
    lists->addWidget(m_browser);
    m_browser->fileList()->setToolTip(u" Si selecciona un archivo ya existente machacará las "
                                      u"combinaciones que éste tuviera "_s);

    auto *frame3 = new QFrame(frame1);
    frame3->setObjectName(u"Frame3"_s);
    auto *nameRow = new QHBoxLayout(frame3);
    nameRow->setContentsMargins(0, 0, 0, 0);
    auto *label2 = new QLabel(u"Nombre Archivo:"_s, frame3);
    label2->setObjectName(u"Label2"_s);
    m_text1->setObjectName(u"Text1"_s);
    m_text1->installEventFilter(this);
    label2->setBuddy(m_text1);
    nameRow->addWidget(label2);
    nameRow->addWidget(m_text1, 1);
    lists->addWidget(frame3);

    auto *shape1 = new QFrame(frame1);
    shape1->setObjectName(u"Shape1"_s);
    shape1->setFrameShape(QFrame::HLine);
    shape1->setFrameShadow(QFrame::Sunken);
    lists->addWidget(shape1);

    auto *buttons = new QHBoxLayout;
    auto *command1 = new QPushButton(u"&Guardar"_s, frame1);
    command1->setObjectName(u"Command1"_s);
    command1->setDefault(true);
    auto *command2 = new QPushButton(u"&Cancelar"_s, frame1);
    command2->setObjectName(u"Command2"_s);
    buttons->addStretch(1);
    buttons->addWidget(command1);
    buttons->addWidget(command2);
    lists->addLayout(buttons);
    layout->addWidget(frame1, 1);

    connect(command1, &QPushButton::clicked, this, &SaveDialog::Command1_Click);
    connect(command2, &QPushButton::clicked, this, [this] { m_engine.Formsave_Command2_Click(); });
    connect(m_browser, &FolderBrowser::fileClicked, m_text1, &QLineEdit::setText);
    connect(m_browser, &FolderBrowser::fileDoubleClicked, this, &SaveDialog::Command1_Click);

    resize(760, 480);
    Form_Load();
    m_text1->setFocus();
}

void SaveDialog::Form_Load()
{
    m_browser->setDrive(driveOf(QDir::currentPath(), userDrives()));
    m_engine.Formsave_Load();
}

void SaveDialog::Command1_Click()
{
    m_engine.Formsave_Command1_Click(m_browser->folderPath(), m_text1->text());
}

// The name box lights up while it has the focus.
bool SaveDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_text1 &&
        (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        QPalette palette = m_text1->palette();
        palette.setColor(QPalette::Base,
                         event->type() == QEvent::FocusIn ? focusedNameBox : QColor(Qt::white));
        m_text1->setPalette(palette);
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace teskaro
