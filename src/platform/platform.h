// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "filesystem.h"
#include "messageboxes.h"
#include "processlauncher.h"
#include "processrunner.h"
#include "programexit.h"

namespace teskaro {

// The operating-system services the dialogue engine uses, gathered so that a
// front end or a test hands them over in one piece.
struct Platform
{
    FileSystem &files;
    ProcessLauncher &processes;
    ProcessRunner &runner;
    MessageBoxes &messages;
    ProgramExit &exit;
};

} // namespace teskaro
