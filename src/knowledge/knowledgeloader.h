// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "knowledgetable.h"

#include <QByteArrayView>
#include <QString>

namespace teskaro {

struct LoadOutcome
{
    enum class Status {
        Loaded,     // every record of the file is in the table
        Missing,    // no such file: nothing was read
        Unreadable, // the file could not be opened or read: nothing was read
        Overflow,   // the table is full and the file holds more records
        Incomplete, // the file ends after the first field of a record
    };
    Status status = Status::Loaded;
    QString reason; // why an unreadable file could not be read
};

// Reads the records of the file into the table after the records it holds.
// Whatever the outcome, the records read before a problem stay in it.
LoadOutcome loadKnowledgeTable(const QString &fileName, KnowledgeTable &table);
// The same from a knowledge file's bytes already read.
LoadOutcome loadKnowledgeBytes(QByteArrayView bytes, KnowledgeTable &table);

} // namespace teskaro
