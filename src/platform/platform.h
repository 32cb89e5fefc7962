// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "filesystem.h"
#include "filterrunner.h"
#include "messageboxes.h"
#include "processlauncher.h"
#include "processrunner.h"
#include "programexit.h"

namespace teskaro {

// The operating-system services the dialogue engine and the front ends use,
// gathered so that a front end or a test hands them over in one piece.
struct Platform
{
    FileSystem &files;
    ProcessLauncher &processes;
    ProcessRunner &runner;
    FilterRunner &filters; // the knowledge map's dot
    MessageBoxes &messages;
    ProgramExit &exit;
};

} // namespace teskaro
