// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "knowledgetable.h"

#include "accents.h"
#include "windows1252.h"

namespace teskaro {

QStringView KnowledgeTable::foldedTopic(int index) const
{
    const Row &row = m_rows.at(index);
    if (row.foldedAt < 0)
        return row.record.topic;
    return QStringView(m_foldedTopics.constData() + row.foldedAt, row.record.topic.size());
}

// Both ways in fold the topic as the row enters, so it is never stale.
void KnowledgeTable::append(QByteArrayView topic, QByteArrayView statement)
{
    Row &row = nextRow();
    // Decoding into the row in place reuses its memory: a question reloads
    // the whole file, and should cost little more than that.
    row.foldedAt = -1;
    if (decodeWindows1252(topic, row.record.topic)) {
        row.foldedAt = m_foldedTopics.size();
        m_foldedTopics.resize(row.foldedAt + topic.size());
        foldDecodedWindows1252(topic, reinterpret_cast<const char16_t *>(row.record.topic.utf16()),
                               m_foldedTopics.data() + row.foldedAt);
    }
    decodeWindows1252(statement, row.record.statement);
}

void KnowledgeTable::append(const KnowledgeRecord &record)
{
    Row &row = nextRow();
    row.record = record;
    row.foldedAt = -1;
    if (foldingChanges(record.topic)) {
        row.foldedAt = m_foldedTopics.size();
        for (const QChar c : record.topic)
            m_foldedTopics.append(foldedCharacter(c).unicode());
    }
}

KnowledgeTable::Row &KnowledgeTable::nextRow()
{
    Q_ASSERT(!isFull());
    if (m_count == m_rows.size())
        m_rows.emplace_back();
    return m_rows[m_count++];
}

} // namespace teskaro
