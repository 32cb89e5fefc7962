// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "record.h"

#include <QList>

namespace teskaro {

// The in-memory image of the knowledge file. Every question reads the file
// into it afresh, so it is cleared and refilled often: cleared rows keep
// their strings, and a reload writes into them instead of allocating anew.
class KnowledgeTable
{
public:
    // The most records a table holds. A file with more cannot be loaded
    // whole, so learning never lets a file grow beyond it.
    static constexpr int capacity = 5001;

    int recordCount() const { return m_count; }
    bool isFull() const { return m_count >= capacity; }
    const KnowledgeRecord &record(int index) const { return m_rows.at(index); }

    void clear() { m_count = 0; }
    // The row of the next record, which counts as loaded from now on. Only
    // while the table is not full.
    KnowledgeRecord &appendRow();

private:
    QList<KnowledgeRecord> m_rows;
    int m_count = 0;
};

} // namespace teskaro
