// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "streaminput.h"

#include <QIODevice>

namespace teskaro {

std::optional<QString> StreamInput::readLine(const QString &)
{
    QByteArray line = m_device.readLine();
    if (line.isEmpty())
        return std::nullopt;
    if (line.endsWith('\n'))
        line.chop(1);
    if (line.endsWith('\r'))
        line.chop(1);
    return QString::fromUtf8(line);
}

} // namespace teskaro
