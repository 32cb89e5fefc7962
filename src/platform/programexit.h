// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace teskaro {

// Ends the program at once: no closing handler runs and nothing more is
// written. Tests record the request instead.
class ProgramExit
{
public:
    virtual ~ProgramExit() = default;
    virtual void endProgram(int status) = 0;
};

class ImmediateExit final : public ProgramExit
{
public:
    [[noreturn]] void endProgram(int status) override;
};

} // namespace teskaro
