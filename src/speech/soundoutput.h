// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

namespace teskaro {

// What the sound-output probe looks at. current() reads the real machine; tests build their
// own with paths into a temporary folder.
struct SoundEnvironment
{
    QString pulseServer;      // $PULSE_SERVER: server addresses separated by blanks
    QStringList pulseSockets; // where a local PulseAudio/PipeWire server listens by default
    QString alsaCards;        // the card list, /proc/asound/cards
    QString alsaDevices;      // the folder of ALSA device nodes, /dev/snd

    static SoundEnvironment current();
};

// Whether playing sound can reach a device: a sound server that accepts connections, or an
// ALSA card with a playback device this process may open. Without one, espeak-ng's playback
// mode fills standard error with ALSA messages and plays nothing, so speech is discarded instead.
bool hasSoundOutput(const SoundEnvironment &environment);

} // namespace teskaro
