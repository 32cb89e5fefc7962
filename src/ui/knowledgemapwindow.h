// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "map/knowledgemap.h"
#include "map/shownmap.h"

#include <QWidget>

class QFileSystemWatcher;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace teskaro {

class FilterRunner;
class MapCanvas;
class MessageBoxes;
class Session;

// "Mapa de conocimientos — NAME": the statements of the knowledge file as
// things and arrows, laid out by dot while the window goes on answering.
// A subject (or a thing chosen) and a depth say which part; with the logic
// rules on, the chains they write for the centre are dashed arrows. It
// follows its file as the editor does, keeping subject, depth and zoom.
class KnowledgeMapWindow final : public QWidget
{
    Q_OBJECT

public:
    KnowledgeMapWindow(const Session &session, FilterRunner &dot, MessageBoxes &messages,
                       QWidget *parent = nullptr);

    QString fileName() const { return m_fileName; }
    // Writes the picture of the map shown, SVG for a name ending in .svg and
    // PNG otherwise; false after telling why it could not.
    bool saveImage(const QString &fileName);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Reads the file again; `redrawn` when it changed, so the zoom stays.
    void relist(bool redrawn);
    // The part asked for, on the map as last read.
    void redraw(bool redrawn = false);
    void chooseImageFile();
    void tell(const QString &status);

    FilterRunner &m_dot;
    MessageBoxes &m_messages;
    QString m_fileName;
    KnowledgeMap m_map;
    QString m_note; // what to tell of a file not read whole
    MapRequest m_request;
    ShownMap m_shown;  // as drawn
    int m_drawing = 0; // the latest layout asked of dot; earlier ones are dropped
    QLineEdit *m_search;
    QSpinBox *m_depth;
    MapCanvas *m_canvas;
    QLabel *m_status;
    QLabel *m_detail;
    QFileSystemWatcher *m_watcher;
};

} // namespace teskaro
