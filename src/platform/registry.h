#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace teskaro {

// One value as the system registry stores it: its type code (1 a string,
// 4 a 32-bit number, …) and its raw bytes.
struct RegistryValue
{
    quint32 type = 0;
    QByteArray bytes;
};

// Reads values of the system registry, or of whatever stands in for it.
class Registry
{
public:
    enum class Root {
        LocalMachine
    };

    virtual ~Registry() = default;

    // The value, or nothing when the key cannot be opened or the value read.
    virtual std::optional<RegistryValue> readValue(Root root, const QString &keyPath,
                                                   const QString &valueName) const = 0;
};

} // namespace teskaro
