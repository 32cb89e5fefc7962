// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

namespace teskaro {

// The window's fixed help: what a statement and a question look like, with
// examples, under the conversation.
QWidget *createSyntaxHelp(QWidget *parent);

// The two states of the system and their shortcuts, at the side.
QWidget *createStatesHelp(QWidget *parent);

} // namespace teskaro
