// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "knowledgetable.h"

namespace teskaro {

KnowledgeRecord &KnowledgeTable::appendRow()
{
    Q_ASSERT(!isFull());
    if (m_count == m_rows.size())
        m_rows.emplace_back();
    return m_rows[m_count++];
}

} // namespace teskaro
