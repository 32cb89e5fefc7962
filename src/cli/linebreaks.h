#pragma once

#include <QString>

namespace teskaro {

// The engine ends lines with CR LF and marks breaks in message texts with a
// lone CR; a terminal wants one LF for either.
QString withLineFeeds(QString text);

} // namespace teskaro
