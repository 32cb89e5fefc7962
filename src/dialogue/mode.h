// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace teskaro {

// Which interpreter reads the user's lines: Learning stores statements,
// Consultation answers questions.
enum class Mode {
    Learning,
    Consultation
};

} // namespace teskaro
