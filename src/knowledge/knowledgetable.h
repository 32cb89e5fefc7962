// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "record.h"

#include <QByteArrayView>
#include <QList>

namespace teskaro {

// The in-memory image of the knowledge file. Every question reads the file
// into it afresh, so it is cleared and refilled often: cleared rows keep
// their strings, and a reload writes into them instead of allocating anew.
// Each row keeps its topic folded as well (accents off, see accents.h),
// made as the row enters, so that questions compare without folding again.
class KnowledgeTable
{
public:
    // The most records a table holds. A file with more cannot be loaded
    // whole, so learning never lets a file grow beyond it.
    static constexpr int capacity = 5001;

    int recordCount() const { return m_count; }
    bool isFull() const { return m_count >= capacity; }
    const KnowledgeRecord &record(int index) const { return m_rows.at(index).record; }
    QStringView foldedTopic(int index) const;

    void clear()
    {
        m_count = 0;
        m_foldedTopics.resize(0);
    }
    // The next record, from the fields of a file as they are on disk. Only
    // while the table is not full.
    void append(QByteArrayView topic, QByteArrayView statement);
    // The next record, as learned. Only while the table is not full.
    void append(const KnowledgeRecord &record);

private:
    struct Row
    {
        KnowledgeRecord record;
        qsizetype foldedAt = -1; // where the folded topic starts; -1: it is the topic
    };

    Row &nextRow();

    QList<Row> m_rows;
    int m_count = 0;
    // The folded topics that differ from theirs, one after another: a
    // reload writes over them without allocating.
    QList<char16_t> m_foldedTopics;
};

} // namespace teskaro
