// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/platform.h"

#include <QDialog>

namespace teskaro {

// The modal about box: the program's name, version and purpose. Its
// "&Información..." button starts the system information program found on
// the search path, or says that there is none.
class AboutBox final : public QDialog
{
    Q_OBJECT

public:
    explicit AboutBox(const Platform &platform, QWidget *parent = nullptr);

private:
    void startSystemInformation();

    Platform m_platform;
};

} // namespace teskaro
