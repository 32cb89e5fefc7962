// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace teskaro {

// One line of a knowledge file: the topic that questions are matched against,
// and what the file says about it.
struct KnowledgeRecord
{
    QString topic;
    QString statement;

    friend bool operator==(const KnowledgeRecord &, const KnowledgeRecord &) = default;
};

} // namespace teskaro
