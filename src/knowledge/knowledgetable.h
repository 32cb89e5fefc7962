#pragma once

#include <QString>

#include <array>

namespace teskaro {

// The in-memory image of the knowledge file: two parallel columns with room
// for 5001 records. A load overwrites rows from 0 on and leaves the rest as
// they were; readers stop at recordCount - 1, so older rows are never seen.
struct KnowledgeTable
{
    static constexpr int capacity = 5001;

    std::array<QString, capacity> topicColumn;
    std::array<QString, capacity> statementColumn;
    int recordCount = 0;

    bool isFull() const { return recordCount >= capacity; }
};

// The record count as the main window shows it: one blank, then the digits.
QString countCaption(int count);

// What the count label shows while the table counts as not loaded.
inline constexpr char16_t notLoadedCaption[] = u"??";

} // namespace teskaro
