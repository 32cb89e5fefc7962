#include "mainwindow.h"

#include "aboutbox.h"
#include "dialogue/dialogueengine.h"
#include "dialogue/productinfo.h"
#include "inputline.h"
#include "opendialog.h"
#include "pictures.h"
#include "savedialog.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextCursor>
#include <QVBoxLayout>

namespace teskaro {

using namespace Qt::StringLiterals;

namespace {

QLabel *label(const QString &text, QWidget *parent, const QString &name = QString())
{
    auto *result = new QLabel(text, parent);
    if (!name.isEmpty())
        result->setObjectName(name);
    return result;
}

QLabel *pictureLabel(const QString &name, const QString &pictureName, int size, QWidget *parent)
{
    auto *result = new QLabel(parent);
    result->setObjectName(name);
    result->setPixmap(picture(pictureName, size, parent->devicePixelRatioF()));
    result->setFixedSize(size, size);
    return result;
}

QColor colourOf(Rgb rgb)
{
    return QColor(rgb.red, rgb.green, rgb.blue);
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , m_learningIcon(pictureIcon(u"learning-icon"_s))
    , m_consultationIcon(pictureIcon(u"consultation-icon"_s))
{
    setObjectName(u"Form1"_s);
    setWindowTitle(u"TESKARO"_s);
    setWindowIcon(m_learningIcon);

    auto *central = new QWidget(this);
    auto *layout = new QHBoxLayout(central);
    layout->addWidget(createConversationPanel(), 1);
    layout->addWidget(createSidePanel());
    setCentralWidget(central);
    createMenus();

    setTranscriptColours({246, 227, 206}, {80, 80, 255});
    resize(980, 680);
    m_text2->setFocus();
}

MainWindow::~MainWindow() = default;

QWidget *MainWindow::createConversationPanel()
{
    auto *panel = new QWidget(this);
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);

    auto *header = new QHBoxLayout;
    auto *modePictures = new QGridLayout;
    m_indicators[Indicator::Image2] = pictureLabel(u"Image2"_s, u"learning"_s, 56, panel);
    m_indicators[Indicator::Image3] = pictureLabel(u"Image3"_s, u"consultation"_s, 56, panel);
    modePictures->addWidget(m_indicators[Indicator::Image2], 0, 0);
    modePictures->addWidget(m_indicators[Indicator::Image3], 0, 0);
    m_indicators[Indicator::Image3]->hide();
    header->addLayout(modePictures);
    auto *title = label(u"<b style='font-size:18pt'>TESKARO</b><br>Sistema Experto de "
                        u"Aprendizaje y Consulta basado en el lenguaje humano"_s,
                        panel, u"titleLabel"_s);
    header->addWidget(title, 1);
    // The window icons of both modes, kept as pictures of the window.
    auto *image5 = pictureLabel(u"Image5"_s, u"consultation-icon"_s, 32, panel);
    auto *image6 = pictureLabel(u"Image6"_s, u"learning-icon"_s, 32, panel);
    image5->hide();
    image6->hide();
    header->addWidget(image5);
    header->addWidget(image6);
    layout->addLayout(header);

    m_text1 = new QPlainTextEdit(panel);
    m_text1->setObjectName(u"Text1"_s);
    m_text1->setReadOnly(true);
    m_text1->setUndoRedoEnabled(false);
    m_text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QFont transcriptFont = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    transcriptFont.setPointSize(10);
    m_text1->setFont(transcriptFont);
    m_text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    layout->addWidget(m_text1, 1);

    auto *inputRow = new QHBoxLayout;
    auto *lamps = new QGridLayout;
    m_indicators[Indicator::Picture1] = pictureLabel(u"Picture1"_s, u"learning-lamp"_s, 24, panel);
    m_indicators[Indicator::Picture2] =
        pictureLabel(u"Picture2"_s, u"consultation-lamp"_s, 24, panel);
    lamps->addWidget(m_indicators[Indicator::Picture1], 0, 0);
    lamps->addWidget(m_indicators[Indicator::Picture2], 0, 0);
    m_indicators[Indicator::Picture2]->hide();
    inputRow->addLayout(lamps);
    m_text2 = new InputLine(panel);
    m_text2->setObjectName(u"Text2"_s);
    m_text2->setFont(transcriptFont);
    inputRow->addWidget(m_text2, 1);
    m_aprendizaje = new QPushButton(u"Alimentar"_s, panel);
    m_aprendizaje->setObjectName(u"aprendizaje"_s);
    m_aprendizaje->setDefault(true);
    m_conversacion = new QPushButton(u"Consultar"_s, panel);
    m_conversacion->setObjectName(u"conversacion"_s);
    m_conversacion->setEnabled(false);
    m_conversacion->hide();
    for (QPushButton *button : {m_aprendizaje, m_conversacion}) {
        button->setAutoDefault(false);
        button->setMinimumWidth(110);
        inputRow->addWidget(button);
    }
    layout->addLayout(inputRow);
    layout->addWidget(createHelpPanel());
    return panel;
}

QWidget *MainWindow::createHelpPanel()
{
    auto *panel = new QWidget(this);
    auto *grid = new QGridLayout(panel);
    grid->setContentsMargins(4, 4, 4, 0);
    grid->setVerticalSpacing(1);
    const auto heading = [panel](const QString &text) {
        auto *result = label(text, panel);
        QFont font = result->font();
        font.setBold(true);
        result->setFont(font);
        return result;
    };
    grid->addWidget(heading(u"ej. Sintaxis de aprendizaje [SIN ACENTOS]"_s), 0, 0);
    grid->addWidget(label(u"Sujeto + predicado nominal [verbo SER | ESTAR en 3ª pers.]"_s, panel),
                    1, 0);
    grid->addWidget(label(u"Ej. LOS HOMBRES SON ANIMALES INTELIGENTES A VECES"_s, panel), 2, 0);
    grid->addWidget(label(u"Ej. EL LIBRO DE NEUROBIOLOGIA ESTA EN EL TRASTERO"_s, panel), 3, 0);
    grid->addWidget(heading(u"ej. Sintaxis de consulta [SIN ACENTOS]"_s), 0, 1);
    grid->addWidget(label(u"Fórmula verbal de interrogación + sustantivo"_s, panel), 1, 1);
    grid->addWidget(label(u"Ej. QUE SABES SOBRE LOS HOMBRES"_s, panel), 2, 1);
    grid->addWidget(label(u"Ej. CUAL ES EL TELEFONO DE TORVAN"_s, panel), 3, 1);
    auto *oneIdea = heading(u"- EXPRESE UN UNICO CONCEPTO EN CADA FRASE -"_s);
    oneIdea->setAlignment(Qt::AlignCenter);
    grid->addWidget(oneIdea, 4, 0, 1, 2);
    return panel;
}

QWidget *MainWindow::createSidePanel()
{
    auto *panel = new QWidget(this);
    panel->setFixedWidth(270);
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);

    auto *frame2 = new QGroupBox(u"Modo"_s, panel);
    frame2->setObjectName(u"Frame2"_s);
    auto *modes = new QVBoxLayout(frame2);
    m_option1 = new QRadioButton(u"Aprendizaje"_s, frame2);
    m_option1->setObjectName(u"Option1"_s);
    m_option1->setChecked(true);
    m_option2 = new QRadioButton(u"Consulta"_s, frame2);
    m_option2->setObjectName(u"Option2"_s);
    modes->addWidget(m_option1);
    modes->addWidget(m_option2);
    layout->addWidget(frame2);

    auto *frame1 = new QGroupBox(u"Rutinas auxiliares"_s, panel);
    frame1->setObjectName(u"Frame1"_s);
    auto *routines = new QVBoxLayout(frame1);
    m_check1 = new QCheckBox(u"Síntesis de Voz"_s, frame1);
    m_check1->setObjectName(u"Check1"_s);
    routines->addWidget(m_check1);
    for (const QString &name : {u"Check4"_s, u"Check5"_s}) {
        auto *unused = new QCheckBox(frame1);
        unused->setObjectName(name);
        unused->hide();
        routines->addWidget(unused);
    }
    layout->addWidget(frame1);

    auto *frame3 = new QGroupBox(u"Conocimientos adquiridos"_s, panel);
    frame3->setObjectName(u"Frame3"_s);
    auto *knowledge = new QGridLayout(frame3);
    knowledge->addWidget(label(u"Base de conocimiento :"_s, frame3, u"Label7"_s), 0, 0, 1, 2);
    m_text3 = new QLineEdit(frame3);
    m_text3->setObjectName(u"Text3"_s);
    m_text3->setReadOnly(true);
    m_text3->setFocusPolicy(Qt::ClickFocus);
    knowledge->addWidget(m_text3, 1, 0, 1, 2);
    knowledge->addWidget(label(u"Aprendizaje directo:"_s, frame3, u"Label20"_s), 2, 0);
    m_label22 = label(u"00"_s, frame3, u"Label22"_s);
    QFont countFont = m_label22->font();
    countFont.setBold(true);
    m_label22->setFont(countFont);
    knowledge->addWidget(m_label22, 2, 1);
    auto *label21 = label(u"Aprendizaje lógico:"_s, frame3, u"Label21"_s);
    auto *label23 = label(u"00"_s, frame3, u"Label23"_s);
    label21->hide();
    label23->hide();
    knowledge->addWidget(label21, 3, 0);
    knowledge->addWidget(label23, 3, 1);
    layout->addWidget(frame3);

    auto *states = new QGroupBox(u"Estados posibles del sistema"_s, panel);
    auto *stateGrid = new QGridLayout(states);
    stateGrid->addWidget(label(u"<b>Aprendizaje [ Input ]</b>"_s, states), 0, 0);
    stateGrid->addWidget(label(u"CTRL + A"_s, states), 0, 1, Qt::AlignRight);
    stateGrid->addWidget(label(u"alimenta base de conocimientos"_s, states), 1, 0, 1, 2);
    stateGrid->addWidget(label(u"<b>Consulta [ Output ]</b>"_s, states), 2, 0);
    stateGrid->addWidget(label(u"CTRL + C"_s, states), 2, 1, Qt::AlignRight);
    stateGrid->addWidget(label(u"consulta base de conocimientos"_s, states), 3, 0, 1, 2);
    layout->addWidget(states);

    layout->addStretch(1);
    auto *address = label(authorAddress(), panel, u"authorAddress"_s);
    address->setAlignment(Qt::AlignCenter);
    address->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(address);
    return panel;
}

QAction *MainWindow::addItem(QMenu *menu, const QString &name, const QString &caption)
{
    QAction *item = menu->addAction(caption);
    item->setObjectName(name);
    return item;
}

void MainWindow::createMenus()
{
    QMenu *archi = menuBar()->addMenu(u"Archivo"_s);
    archi->setObjectName(u"archi"_s);
    addItem(archi, u"abre"_s, u"A&brir archivo de conocimientos"_s);
    addItem(archi, u"cierra"_s, u"Ce&rrar archivo de conocimientos actual"_s)->setEnabled(false);
    addItem(archi, u"guar"_s, u"&Guardar archivo de conocimientos actual con otro nombre"_s);
    archi->addSeparator()->setObjectName(u"sep"_s);
    addItem(archi, u"salir"_s, u"Salir"_s);

    QMenu *modo = menuBar()->addMenu(u"Modo"_s);
    modo->setObjectName(u"modo"_s);
    QAction *aprend = addItem(modo, u"aprend"_s, u"Aprendizaje [ Input ]"_s);
    aprend->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    QAction *consul = addItem(modo, u"consul"_s, u"Consulta [ Output ]"_s);
    consul->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));

    QMenu *conf = menuBar()->addMenu(u"Configuración"_s);
    conf->setObjectName(u"conf"_s);
    addItem(conf, u"logi"_s, u"Aplicar lógica de aprendizaje en tiempo real"_s)->setEnabled(false);
    QAction *masc = addItem(conf, u"masc"_s, u"Voz sintética Masculina"_s);
    QAction *feme = addItem(conf, u"feme"_s, u"Voz sintética Femenina"_s);
    QAction *inve = addItem(conf, u"inve"_s, u"Invertir pronombres posesivos MI-TU / ME-TE"_s);

    QMenu *mante = menuBar()->addMenu(u"Mantenimiento"_s);
    mante->setObjectName(u"mante"_s);
    addItem(mante, u"orden"_s, u"Ordenar ideas y recuerdos"_s);
    addItem(mante, u"redun"_s, u"Eliminar redundancias"_s);
    addItem(mante, u"logic"_s, u"Aplicar reglas lógicas"_s)->setEnabled(false);
    addItem(mante, u"edibas"_s, u"Editar base de conocimientos"_s)->setEnabled(false);

    QMenu *ayuda = menuBar()->addMenu(u"Ayuda"_s);
    ayuda->setObjectName(u"ayuda"_s);
    addItem(ayuda, u"sistexp"_s, u"Los Sistemas Expertos"_s)->setEnabled(false);
    addItem(ayuda, u"func"_s, u"Funcionamiento de Teskaro"_s)->setEnabled(false);
    addItem(ayuda, u"aplica"_s, u"Aplicaciones prácticas de Teskaro"_s)->setEnabled(false);
    addItem(ayuda, u"portal"_s, u"Portal Vertical sobre IA del autor de Teskaro"_s)
        ->setEnabled(false);
    addItem(ayuda, u"acerca"_s, u"Acerca de..."_s);

    m_marks = {{MenuMark::Aprend, aprend},
               {MenuMark::Consul, consul},
               {MenuMark::Masc, masc},
               {MenuMark::Feme, feme},
               {MenuMark::Inve, inve}};
    for (auto &[mark, item] : m_marks) {
        item->setCheckable(true);
        item->setChecked(mark == MenuMark::Aprend || mark == MenuMark::Masc ||
                         mark == MenuMark::Inve);
    }
}

QAction *MainWindow::action(const QString &name) const
{
    return findChild<QAction *>(name);
}

void MainWindow::attach(DialogueEngine &engine)
{
    m_engine = &engine;
    connectEngine();
}

void MainWindow::connectEngine()
{
    DialogueEngine &engine = *m_engine;
    m_text2->setKeyFilter(&DialogueEngine::Text2_KeyPress);
    connect(m_text2, &QLineEdit::returnPressed, this, &MainWindow::pressDefaultButton);
    connect(m_aprendizaje, &QPushButton::clicked, this, [&engine] { engine.aprendizaje_Click(); });
    connect(m_conversacion, &QPushButton::clicked, this,
            [&engine] { engine.conversacion_Click(); });
    connect(m_option1, &QRadioButton::clicked, this, [&engine] { engine.Option1_Click(); });
    connect(m_option2, &QRadioButton::clicked, this, [&engine] { engine.Option2_Click(); });
    connect(m_check1, &QCheckBox::clicked, this,
            [&engine](bool ticked) { engine.Check1_Click(ticked); });
    connect(action(u"salir"_s), &QAction::triggered, this, [&engine] { engine.salir_Click(); });
    connect(action(u"acerca"_s), &QAction::triggered, this, [&engine] { engine.acerca_Click(); });
    connect(action(u"abre"_s), &QAction::triggered, this, [&engine] { engine.abre_Click(); });
    connect(action(u"guar"_s), &QAction::triggered, this, [&engine] { engine.guar_Click(); });
    connect(action(u"orden"_s), &QAction::triggered, this, [&engine] { engine.orden_Click(); });
    connect(action(u"redun"_s), &QAction::triggered, this, [&engine] { engine.redun_Click(); });

    // Qt flips a check mark before it reports the click; the engine decides
    // the marks, so the old ones are put back first.
    const auto restoreMarks = [this, &engine] {
        const DialogueState &state = engine.state();
        const bool learning = state.mode == DialogueMode::Learning;
        m_marks[MenuMark::Aprend]->setChecked(learning);
        m_marks[MenuMark::Consul]->setChecked(!learning);
        m_marks[MenuMark::Masc]->setChecked(!state.femaleVoiceMarked);
        m_marks[MenuMark::Feme]->setChecked(state.femaleVoiceMarked);
        m_marks[MenuMark::Inve]->setChecked(state.invertPronouns);
    };
    const std::map<MenuMark, void (DialogueEngine::*)()> handlers{
        {MenuMark::Aprend, &DialogueEngine::aprend_Click},
        {MenuMark::Consul, &DialogueEngine::consul_Click},
        {MenuMark::Masc, &DialogueEngine::masc_Click},
        {MenuMark::Feme, &DialogueEngine::feme_Click},
        {MenuMark::Inve, &DialogueEngine::inve_Click}};
    for (const auto &[mark, handler] : handlers) {
        connect(m_marks[mark], &QAction::triggered, this,
                [restoreMarks, &engine, handler = handler] {
                    restoreMarks();
                    (engine.*handler)();
                });
    }
}

void MainWindow::pressDefaultButton()
{
    QPushButton *button = m_aprendizaje->isDefault() ? m_aprendizaje : m_conversacion;
    if (button->isEnabled())
        button->click();
}

void MainWindow::processPendingEvents()
{
    QCoreApplication::processEvents();
}

void MainWindow::appendToTranscript(const QString &text)
{
    QString shown = text;
    shown.replace(u"\r\n"_s, u"\n"_s);
    shown.replace(u'\r', u'\n');
    QTextCursor end(m_text1->document());
    end.movePosition(QTextCursor::End);
    end.insertText(shown);
}

void MainWindow::showTranscriptEnd()
{
    m_text1->moveCursor(QTextCursor::End);
    m_text1->ensureCursorVisible();
    m_text1->update();
    m_text2->update();
}

void MainWindow::setTranscriptColours(Rgb background, Rgb text)
{
    QPalette palette = m_text1->palette();
    palette.setColor(QPalette::Base, colourOf(background));
    palette.setColor(QPalette::Text, colourOf(text));
    m_text1->setPalette(palette);
}

QString MainWindow::inputLine() const
{
    return m_text2->text();
}

void MainWindow::setInputLine(const QString &text)
{
    m_text2->setText(text);
}

void MainWindow::setInputTip(const QString &tip)
{
    m_text2->setToolTip(tip);
}

void MainWindow::focusInputLine()
{
    m_text2->setFocus();
}

void MainWindow::setCountLabel(const QString &caption)
{
    m_label22->setText(caption);
    m_label22->repaint();
}

void MainWindow::setKnowledgeFileBox(const QString &fileName)
{
    m_text3->setText(fileName);
    m_text3->setCursorPosition(fileName.size());
}

void MainWindow::setCaption(const QString &caption)
{
    setWindowTitle(caption);
}

void MainWindow::setModeIcon(DialogueMode mode)
{
    setWindowIcon(mode == DialogueMode::Learning ? m_learningIcon : m_consultationIcon);
}

void MainWindow::setIndicatorVisible(Indicator indicator, bool visible)
{
    m_indicators.at(indicator)->setVisible(visible);
}

void MainWindow::setMenuMark(MenuMark item, bool marked)
{
    m_marks.at(item)->setChecked(marked);
}

void MainWindow::setInputButton(DialogueMode mode)
{
    const bool learning = mode == DialogueMode::Learning;
    m_aprendizaje->setEnabled(learning);
    m_aprendizaje->setVisible(learning);
    m_aprendizaje->setDefault(learning);
    m_conversacion->setEnabled(!learning);
    m_conversacion->setVisible(!learning);
    m_conversacion->setDefault(!learning);
}

void MainWindow::showOpenDialog()
{
    if (!m_openDialog)
        m_openDialog = new OpenDialog(*m_engine, this);
    m_openDialog->show();
    m_openDialog->raise();
    m_openDialog->activateWindow();
}

OpenDialog *MainWindow::openDialog() const
{
    return m_openDialog.data();
}

void MainWindow::closeOpenDialog()
{
    if (!m_openDialog)
        return;
    m_openDialog->hide();
    // Called from the dialog's own handlers: it goes once they return.
    m_openDialog->deleteLater();
    m_openDialog = nullptr;
}

void MainWindow::runSaveDialog()
{
    SaveDialog dialog(*m_engine, this);
    m_saveDialog = &dialog;
    dialog.exec();
    m_saveDialog = nullptr;
}

void MainWindow::closeSaveDialog()
{
    if (m_saveDialog)
        m_saveDialog->done(QDialog::Accepted);
}

void MainWindow::showAboutBox()
{
    AboutBox box(*m_engine, this);
    box.exec();
}

void MainWindow::setModeOption(DialogueMode mode)
{
    m_option1->setChecked(mode == DialogueMode::Learning);
    m_option2->setChecked(mode == DialogueMode::Consultation);
}

} // namespace teskaro
