// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "programexit.h"

#include <cstdio>
#include <cstdlib>

namespace teskaro {

void ImmediateExit::endProgram(int status)
{
    // Knowledge files are never left open, so there is nothing to close;
    // only what is buffered for the terminal must still go out.
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(status);
}

} // namespace teskaro
