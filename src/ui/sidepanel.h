// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogue/mode.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace teskaro {

// The right of the window: the mode's option buttons, the speech box, the
// knowledge file in use with its count, the shortcuts and the author's
// address.
class SidePanel final : public QWidget
{
    Q_OBJECT

public:
    explicit SidePanel(QWidget *parent = nullptr);

    // Only marks the option: choosing is the user's.
    void showMode(Mode mode);
    void showKnowledgeFile(const QString &name);
    // Painted at once: it may change in the middle of a long command.
    void showCount(const QString &caption);

Q_SIGNALS:
    // Also when the option was already set: the user asked again.
    void modeChosen(Mode mode);
    void speechToggled(bool on);

private:
    QWidget *createModeOptions();
    QWidget *createAuxiliaryRoutines();
    QWidget *createAcquiredKnowledge();

    QRadioButton *m_learningOption = nullptr;
    QRadioButton *m_consultationOption = nullptr;
    QCheckBox *m_speechBox = nullptr;
    QLineEdit *m_knowledgeFileBox = nullptr;
    QLabel *m_learnedCount = nullptr;
};

} // namespace teskaro
