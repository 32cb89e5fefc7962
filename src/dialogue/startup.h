// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "services.h"

namespace teskaro {

class Session;

// The start of a session: greets the user, starts the outside sort and
// reads "default.alm" of the working folder when there is one. A start that
// cannot be made whole (no voice, no sort command, a file the table cannot
// hold) shows one fixed message and ends the program: answering from part
// of a file would mislead.
class StartUp
{
public:
    StartUp(Session &session, const Services &services);

    void run();

private:
    bool greet();
    void fail();

    Session &m_session;
    Services m_services;
};

} // namespace teskaro
