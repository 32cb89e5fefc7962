// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "knowledgemapwindow.h"

#include "dialogue/session.h"
#include "map/dotgraph.h"
#include "map/dotprogram.h"
#include "mapcanvas.h"
#include "platform/messageboxes.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>

namespace teskaro {

using namespace Qt::StringLiterals;

KnowledgeMapWindow::KnowledgeMapWindow(const Session &session, FilterRunner &dot,
                                       MessageBoxes &messages, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_dot(dot)
    , m_messages(messages)
    , m_fileName(session.knowledgeFile())
    , m_search(new QLineEdit(this))
    , m_depth(new QSpinBox(this))
    , m_canvas(new MapCanvas(this))
    , m_status(new QLabel(this))
    , m_detail(new QLabel(this))
    , m_watcher(new QFileSystemWatcher(this))
{
    setObjectName(u"knowledgeMap"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(u"Mapa de conocimientos — "_s + m_fileName);
    setAccessibleName(u"Mapa de conocimientos"_s);

    m_search->setObjectName(u"mapSearch"_s);
    m_search->setAccessibleName(u"Tema del mapa"_s);
    m_search->setPlaceholderText(u"Un tema, como en una pregunta (vacío: todo el archivo)"_s);
    m_search->setClearButtonEnabled(true);
    m_depth->setObjectName(u"mapDepth"_s);
    m_depth->setAccessibleName(u"Profundidad del mapa, en flechas"_s);
    m_depth->setRange(1, 3);
    m_depth->setValue(m_request.depth);
    m_canvas->setObjectName(u"mapCanvas"_s);
    m_canvas->setAccessibleName(u"Cosas y afirmaciones del mapa"_s);
    m_status->setObjectName(u"mapCounts"_s);
    m_status->setAccessibleName(u"Estado del mapa"_s);
    m_status->setWordWrap(true);
    m_detail->setObjectName(u"mapDetail"_s);
    m_detail->setAccessibleName(u"Lo señalado en el mapa"_s);
    m_detail->setWordWrap(true);
    m_detail->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *save = new QPushButton(u"Guardar &imagen…"_s, this);
    save->setObjectName(u"saveMapImage"_s);
    save->setAccessibleName(u"Guardar imagen del mapa"_s);

    auto *searchLabel = new QLabel(u"&Tema:"_s, this);
    searchLabel->setBuddy(m_search);
    auto *depthLabel = new QLabel(u"&Profundidad:"_s, this);
    depthLabel->setBuddy(m_depth);
    auto *layout = new QGridLayout(this);
    layout->addWidget(searchLabel, 0, 0);
    layout->addWidget(m_search, 0, 1);
    layout->addWidget(depthLabel, 0, 2);
    layout->addWidget(m_depth, 0, 3);
    layout->addWidget(save, 0, 4);
    layout->addWidget(m_canvas, 1, 0, 1, 5);
    layout->addWidget(m_status, 2, 0, 1, 5);
    layout->addWidget(m_detail, 3, 0, 1, 5);
    layout->setRowStretch(1, 1);
    layout->setColumnStretch(1, 1);
    resize(900, 640);
    if (parent) {
        // Over the window that opened it, within its screen.
        QRect place(QPoint(), size().boundedTo(parent->screen()->availableSize()));
        place.moveCenter(parent->frameGeometry().center());
        const QRect room = parent->screen()->availableGeometry();
        place.moveTopLeft(
            QPoint(std::clamp(place.left(), room.left(), room.right() - place.width()),
                   std::clamp(place.top(), room.top(), room.bottom() - place.height())));
        setGeometry(place);
    }

    const auto addShortcut = [this](const QList<QKeySequence> &keys, auto act) {
        auto *action = new QAction(this);
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, act);
        addAction(action);
    };
    addShortcut({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)},
                [this] { m_canvas->zoomBy(1.25); });
    addShortcut({QKeySequence::ZoomOut}, [this] { m_canvas->zoomBy(0.8); });
    addShortcut({QKeySequence(Qt::CTRL | Qt::Key_0)}, [this] { m_canvas->fit(); });

    connect(m_search, &QLineEdit::textChanged, this, [this](const QString &text) {
        m_request.subject = text;
        m_request.centre.clear();
        redraw();
    });
    connect(m_depth, &QSpinBox::valueChanged, this, [this](int depth) {
        m_request.depth = depth;
        redraw();
    });
    connect(m_canvas, &MapCanvas::thingChosen, this, [this](int thing) {
        m_request.centre = m_shown.things.value(thing).name;
        redraw();
    });
    connect(m_canvas, &MapCanvas::noticed, m_detail, &QLabel::setText);
    connect(save, &QPushButton::clicked, this, &KnowledgeMapWindow::chooseImageFile);
    connect(&session, &Session::logicRulesChanged, this, [this](bool on) {
        m_request.deductions = on;
        redraw();
    });
    // As the editor does: a rewrite renames a new file over the old one, and
    // the file may be made after the window opened.
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, [this] { relist(true); });
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, [this] { relist(true); });
    m_watcher->addPath(QFileInfo(m_fileName).absolutePath());
    m_request.deductions = session.logicRulesApplied();
    relist(false);
    m_search->setFocus();
}

void KnowledgeMapWindow::relist(bool redrawn)
{
    if (!m_watcher->files().contains(m_fileName) && QFileInfo::exists(m_fileName))
        m_watcher->addPath(m_fileName);
    m_map = readKnowledgeMap(m_fileName, m_note);
    redraw(redrawn);
}

// dot lays the map out as a program of its own; only the last layout asked
// for is drawn.
void KnowledgeMapWindow::redraw(bool redrawn)
{
    const int drawing = ++m_drawing;
    const ShownMap shown = showMap(m_map, m_request);
    if (!shown.refusal.isEmpty()) {
        m_canvas->clearMap();
        tell(shown.refusal);
        return;
    }
    tell(u"Dibujando el mapa…"_s);
    runDot(m_dot, dotText(shown, m_canvas->look()), u"json0"_s, this,
           [this, drawing, shown, redrawn](const QByteArray &json, const QString &failure) {
               if (drawing != m_drawing)
                   return;
               const std::optional<MapLayout> layout =
                   failure.isEmpty() ? readLayout(json, shown) : std::nullopt;
               if (!layout) {
                   m_canvas->clearMap();
                   tell(failure.isEmpty()
                            ? u"El programa dot ha dado un mapa que no se puede leer."_s
                            : failure);
                   return;
               }
               // Told first: drawing tells what is focused again.
               tell(shownCounts(shown));
               m_shown = shown;
               m_canvas->draw(shown, *layout, redrawn);
           });
}

void KnowledgeMapWindow::tell(const QString &status)
{
    m_status->setText(m_note.isEmpty() ? status : m_note + u' ' + status);
    m_detail->clear();
}

void KnowledgeMapWindow::chooseImageFile()
{
    const QString fileName =
        QFileDialog::getSaveFileName(this, u"Guardar imagen del mapa"_s, u"mapa.png"_s,
                                     u"Imagen PNG (*.png);;Imagen SVG (*.svg)"_s);
    if (!fileName.isEmpty())
        saveImage(fileName);
}

bool KnowledgeMapWindow::saveImage(const QString &fileName)
{
    const bool svg = fileName.endsWith(u".svg"_s, Qt::CaseInsensitive);
    const QString why = writeWholeFile(fileName, m_canvas->picture(svg ? u"svg"_s : u"png"_s));
    if (why.isEmpty())
        return true;
    Message message;
    message.title = u"Mapa de conocimientos"_s;
    message.text = u"No se ha podido guardar la imagen en "_s + fileName + u": "_s + why;
    message.icon = Message::Icon::Exclamation;
    message.asker = this;
    m_messages.show(message);
    return false;
}

// Escape closes the map, as it does the editor.
void KnowledgeMapWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else
        QWidget::keyPressEvent(event);
}

} // namespace teskaro
