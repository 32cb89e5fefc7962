// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogue/mode.h"

#include <QColor>
#include <QString>

namespace teskaro {

// How the transcript and the input line's tip show a mode.
struct ModeLook
{
    QColor background;
    QColor text;
    QString tip;
    // How the mode is named to a screen reader: "Modo consulta".
    QString name;
};

// The look a switch to the mode gives.
const ModeLook &modeLook(Mode mode);

// The look of a fresh window, before any switch: Learning's, with a lighter
// text and the tip of a sent line.
const ModeLook &startLook();

// The tip the input line gets once a line has been sent in the mode.
QString sentLineTip(Mode mode);

} // namespace teskaro
