// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "lineinput.h"

class QIODevice;

namespace teskaro {

// Lines of UTF-8 text from a stream such as a redirected standard input,
// without prompts. A line may end with LF or CR LF; the last one needs no
// line end.
class StreamInput final : public LineInput
{
public:
    explicit StreamInput(QIODevice &device)
        : m_device(device)
    {}

    std::optional<QString> readLine(const QString &prompt) override;

private:
    QIODevice &m_device;
};

} // namespace teskaro
