#pragma once

#include <QString>

namespace teskaro {

// The application title as the program stores it. Message boxes carry it as
// it is; the about box shows it upper-cased.
QString applicationTitle();

// What the about box shows, filled afresh each time it opens.
struct AboutInfo
{
    QString caption;     // "acerca de TESKARO..."
    QString title;       // lblTitle
    QString version;     // lblVersion
    QString description; // lblDescription
    QString disclaimer;  // lblDisclaimer
};

AboutInfo aboutInfo();

} // namespace teskaro
