// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace teskaro {

// The application title as the program stores it. Message boxes carry it as
// it is; the about box shows it upper-cased.
QString applicationTitle();

// Where the program sends its users for help.
QString authorAddress();

// What the about box shows, filled afresh each time it opens.
struct AboutInfo
{
    QString caption; // "acerca de TESKARO..."
    QString title;
    QString version;
    QString description;
    QString disclaimer;
};

AboutInfo aboutInfo();

} // namespace teskaro
