#include "linuxregistry.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>

namespace teskaro {

using namespace Qt::StringLiterals;

namespace {

// The text of a registry string is in the Windows-1252 code page, which
// agrees with Latin-1 everywhere but in 0x80..0x9F. A path with any other
// character could not be stored, so such a program is passed over.
bool fitsRegistryString(const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) {
        return c.unicode() < 0x80 || (c.unicode() >= 0xA0 && c.unicode() <= 0xFF);
    });
}

// The programs looked for, the most preferred first.
QStringList sysInfoPrograms()
{
    // Started detached with no terminal, so only windowed programs qualify.
    // Whole-system summaries first, then hardware detail, then the desktops'
    // system monitors, which show at least the machine's resources.
    return {u"hardinfo"_s, u"kinfocenter"_s, u"cpu-x"_s, u"gnome-system-monitor"_s,
            u"mate-system-monitor"_s};
}

} // namespace

LinuxRegistry::LinuxRegistry(QString path)
    : m_path(std::move(path))
{}

std::optional<RegistryValue> LinuxRegistry::readValue(Root root, const QString &keyPath,
                                                      const QString &valueName) const
{
    if (root != Root::LocalMachine || keyPath != u"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"_s ||
        valueName != u"PATH"_s)
        return std::nullopt;

    const QStringList folders = m_path.split(u':', Qt::SkipEmptyParts);
    for (const QString &program : sysInfoPrograms()) {
        for (const QString &folder : folders) {
            const QFileInfo candidate(QDir(folder), program);
            if (!candidate.isFile() || !candidate.isExecutable())
                continue;
            const QString found = candidate.absoluteFilePath();
            if (!fitsRegistryString(found))
                continue;
            // Stored as Windows stores a string: with its terminating zero.
            return RegistryValue{1, found.toLatin1() + '\0'};
        }
    }
    return std::nullopt;
}

} // namespace teskaro
