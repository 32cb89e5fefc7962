#include "sysinfo.h"

#include "aboutinfo.h"
#include "knowledge/windows1252.h"

#include <algorithm>

namespace teskaro {

using namespace Qt::StringLiterals;

namespace {

// The size of the buffer a value is read into; a longer value cannot be read.
constexpr qsizetype bufferSize = 1024;

constexpr quint32 stringType = 1;
constexpr quint32 numberType = 4;

} // namespace

bool GetKeyValue(const Registry &registry, Registry::Root root, const QString &keyPath,
                 const QString &valueName, QString &result)
{
    const std::optional<RegistryValue> value = registry.readValue(root, keyPath, valueName);
    if (!value || value->bytes.size() > bufferSize) {
        result.clear();
        return false;
    }

    QByteArray buffer(bufferSize, '\0');
    std::copy(value->bytes.cbegin(), value->bytes.cend(), buffer.begin());
    const qsizetype filled = value->bytes.size();

    // Strings come with their terminating zero; only the last byte filled is
    // checked, so a value that lacks it keeps its last character.
    qsizetype kept = filled;
    if (filled > 0 && buffer.at(filled - 1) == '\0')
        kept = filled - 1;
    const QByteArrayView bytes(buffer.constData(), kept);

    switch (value->type) {
    case stringType:
        result = decodeWindows1252(bytes);
        break;
    case numberType:
        // Stored least significant byte first; written most significant first.
        result = u"&h"_s;
        for (qsizetype i = bytes.size() - 1; i >= 0; --i)
            result += QString::number(quint8(bytes.at(i)), 16).rightJustified(2, u'0').toUpper();
        break;
    default:
        break;
    }
    return true;
}

void StartSysInfo(const Platform &platform)
{
    const Registry::Root root = Registry::Root::LocalMachine;
    QString sysInfoPath;

    if (GetKeyValue(platform.registry, root, u"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"_s,
                    u"PATH"_s, sysInfoPath)) {
        if (!sysInfoPath.isEmpty() && platform.processes.start(sysInfoPath, {}))
            return;
    } else if (GetKeyValue(platform.registry, root, u"SOFTWARE\\Microsoft\\Shared Tools Location"_s,
                           u"MSINFO"_s, sysInfoPath)) {
        const QString program = sysInfoPath + u"\\MSINFO32.EXE"_s;
        if (!sysInfoPath.isEmpty() && platform.files.fileExists(program) &&
            platform.processes.start(program, {}))
            return;
    }

    MessageBoxSpec box;
    box.title = applicationTitle();
    box.text = u"System Information Is Unavailable At This Time"_s;
    box.icon = MessageBoxSpec::Icon::None;
    box.buttons = MessageBoxSpec::Buttons::Ok;
    platform.messages.show(box);
}

} // namespace teskaro
