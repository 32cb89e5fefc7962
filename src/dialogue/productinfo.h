#pragma once

#include <QString>

namespace teskaro {

// Where the program sends its users for help.
inline QString authorAddress()
{
    return QStringLiteral("https://teskaro.example/");
}

} // namespace teskaro
