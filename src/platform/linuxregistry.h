#pragma once

#include "registry.h"

#include <QString>

namespace teskaro {

// Linux has no registry. This one answers only where the system information
// tool lives (the first such program found on PATH) and holds nothing else.
class LinuxRegistry final : public Registry
{
public:
    // Searches the folders of the given PATH, by default the process's own.
    explicit LinuxRegistry(QString path = qEnvironmentVariable("PATH"));

    std::optional<RegistryValue> readValue(Root root, const QString &keyPath,
                                           const QString &valueName) const override;

private:
    QString m_path;
};

} // namespace teskaro
