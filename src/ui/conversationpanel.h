// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogue/mode.h"

#include <QWidget>

class QLabel;
class QPushButton;

namespace teskaro {

class InputLine;
class Transcript;
struct ModeLook;

// The left of the window: the mode's picture and the title, the transcript,
// the input line with its lamp and its two input buttons, one for each mode,
// and the syntax help below.
class ConversationPanel final : public QWidget
{
    Q_OBJECT

public:
    explicit ConversationPanel(QWidget *parent = nullptr);

    InputLine *inputLine() const { return m_inputLine; }

    // The mode's picture, lamp and input button; the other mode's are hidden.
    void showMode(Mode mode);
    void showLook(const ModeLook &look);
    // Adds the text at the end, whatever the user has selected, and shows
    // the end.
    void appendToTranscript(const QString &text);

Q_SIGNALS:
    // Enter in the input line or a click on the input button.
    void lineSent();

private:
    QWidget *createHeader();
    QWidget *createInputRow();

    QLabel *m_learningPicture = nullptr;
    QLabel *m_consultationPicture = nullptr;
    Transcript *m_transcript = nullptr;
    QLabel *m_learningLamp = nullptr;
    QLabel *m_consultationLamp = nullptr;
    InputLine *m_inputLine = nullptr;
    QPushButton *m_learningButton = nullptr;
    QPushButton *m_consultationButton = nullptr;
};

} // namespace teskaro
