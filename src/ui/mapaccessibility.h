// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace teskaro {

// Lets a screen reader walk the knowledge map: the canvas lists its things
// and deductions as children, each named by its phrase and its arrows in
// words, focusable, and told when focused. Installed once; installing it
// again does nothing.
void installMapAccessibility();

} // namespace teskaro
