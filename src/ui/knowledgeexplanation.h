// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

namespace teskaro {

// The left half both file dialogs share: a picture, the title and the
// explanation of what a knowledge file is, in a frame.
QWidget *createKnowledgeExplanation(QWidget *parent);

} // namespace teskaro
