#pragma once

#include "platform/platform.h"

#include <QString>

namespace teskaro {

// Reads one registry value as text into result. True when the value was
// read; a number is given in hexadecimal, "&h" first, from its last byte to
// its first; a value of any other type leaves result as it was.
bool GetKeyValue(const Registry &registry, Registry::Root root, const QString &keyPath,
                 const QString &valueName, QString &result);

// Starts the system information tool found through the registry, or tells
// the user in a message box that it is unavailable.
void StartSysInfo(const Platform &platform);

} // namespace teskaro
