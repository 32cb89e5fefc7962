// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "knowledgefile.h"
#include "knowledgetable.h"
#include "record.h"
#include "recordformat.h"

#include <QList>
#include <QString>

namespace teskaro {

// Where a record's two fields lie in a file's bytes.
struct RecordFields
{
    RecordReader::Field topic;
    RecordReader::Field statement;
};

struct AppendOutcome
{
    enum class Status {
        Appended, // on disk
        Full,     // the file would hold more records than a table can load
        Failed,   // not written; reason says why
        Known,    // the first record is in the file already; nothing written
    };
    Status status = Status::Failed;
    QString reason;
    SetAsideTail setAside = {};      // a broken tail found first, if there was one
    QByteArray before = {};          // with unlessKnown: the file as read under its lock
    QList<RecordFields> fields = {}; // and its records in it
};

// How a broken tail set aside is told: "El final de FILE no era ...", with
// what it held when the side file could not take it.
QString setAsideNote(const QString &fileName, const SetAsideTail &setAside);

// Appends the records to the knowledge file in one piece, each field written
// exactly as given, and returns once they are on disk. Refuses when the file
// would then hold more than `capacity` records, because such a file can no
// longer be loaded whole. Fails when the file does not end with a whole
// record, because the new records would not read back as written. With
// unlessKnown, writes nothing when the file holds the first record already,
// accents aside (see accents.h), as checked under the file's lock; the file
// as it was read then comes back, for what follows from the records.
AppendOutcome appendRecords(const QString &fileName, const QList<KnowledgeRecord> &records,
                            int capacity = KnowledgeTable::capacity, bool unlessKnown = false);

} // namespace teskaro
