// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "speech/soundoutput.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace teskaro {

namespace {

// A socket file outlives a server that crashed, so only a successful connection counts. The
// socket is non-blocking: a server too busy to accept at once is still a server.
bool acceptsConnections(const QString &socketPath)
{
    const QByteArray path = QFile::encodeName(socketPath);
    sockaddr_un address{};
    if (path.isEmpty() || std::size_t(path.size()) >= sizeof(address.sun_path))
        return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));

    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool connected =
        ::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof(address)) == 0 ||
        errno == EAGAIN || errno == EINPROGRESS;
    ::close(fd);
    return connected;
}

// Entries look like "unix:/run/user/1000/pulse/native", "/path", "tcp:host:4713" or "host",
// optionally preceded by "{machine-id}". A remote server cannot be checked without talking its
// protocol, so it is taken as reachable.
bool pulseServerReachable(const QString &server)
{
    static const QRegularExpression blanks(u"\\s+"_s);
    for (QString entry : server.split(blanks, Qt::SkipEmptyParts)) {
        if (entry.startsWith(u'{')) {
            const qsizetype close = entry.indexOf(u'}');
            if (close < 0)
                continue;
            entry = entry.mid(close + 1);
        }
        if (entry.startsWith(u"unix:"_s))
            entry = entry.mid(5);
        if (entry.isEmpty())
            continue;
        if (!entry.startsWith(u'/') || acceptsConnections(entry))
            return true;
    }
    return false;
}

bool alsaCardListed(const QString &cardsPath)
{
    QFile cards(cardsPath);
    if (!cards.open(QIODevice::ReadOnly))
        return false;
    // A card's first line reads " 0 [PCH            ]: HDA-Intel - HDA Intel PCH";
    // without cards the file holds "--- no soundcards ---".
    static const QRegularExpression cardLine(u"^\\s*\\d+\\s*\\["_s,
                                             QRegularExpression::MultilineOption);
    return cardLine.match(QString::fromLocal8Bit(cards.readAll())).hasMatch();
}

bool alsaPlaybackDeviceOpenable(const QString &devicesPath)
{
    const QDir devices(devicesPath);
    const QStringList playback =
        devices.entryList({u"pcmC*D*p"_s}, QDir::Files | QDir::System | QDir::NoDotAndDotDot);
    return std::ranges::any_of(playback, [&devices](const QString &name) {
        return ::access(QFile::encodeName(devices.filePath(name)).constData(), R_OK | W_OK) == 0;
    });
}

} // namespace

SoundEnvironment SoundEnvironment::current()
{
    SoundEnvironment environment;
    environment.pulseServer = qEnvironmentVariable("PULSE_SERVER");
    const QString pulseRuntime = qEnvironmentVariable("PULSE_RUNTIME_PATH");
    if (!pulseRuntime.isEmpty())
        environment.pulseSockets << pulseRuntime + u"/native"_s;
    const QString runtimeDir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtimeDir.isEmpty())
        environment.pulseSockets << runtimeDir + u"/pulse/native"_s;
    environment.pulseSockets << u"/run/pulse/native"_s; // a system-wide server
    environment.alsaCards = u"/proc/asound/cards"_s;
    environment.alsaDevices = u"/dev/snd"_s;
    return environment;
}

bool hasSoundOutput(const SoundEnvironment &environment)
{
    // libpulse uses $PULSE_SERVER instead of its default sockets when it is set.
    if (!environment.pulseServer.trimmed().isEmpty()) {
        if (pulseServerReachable(environment.pulseServer))
            return true;
    } else {
        for (const QString &socket : environment.pulseSockets) {
            if (acceptsConnections(socket))
                return true;
        }
    }
    // espeak-ng's audio layer falls back to ALSA when no sound server answers.
    return alsaCardListed(environment.alsaCards) &&
           alsaPlaybackDeviceOpenable(environment.alsaDevices);
}

} // namespace teskaro
