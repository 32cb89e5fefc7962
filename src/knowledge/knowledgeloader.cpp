// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "knowledgeloader.h"

#include "knowledgefile.h"
#include "recordformat.h"

namespace teskaro {

LoadOutcome loadKnowledgeTable(const QString &fileName, KnowledgeTable &table)
{
    const FileReadOutcome file = readKnowledgeFile(fileName);
    switch (file.status) {
    case FileReadOutcome::Status::Missing:
        return {LoadOutcome::Status::Missing, file.reason};
    case FileReadOutcome::Status::Failed:
        return {LoadOutcome::Status::Unreadable, file.reason};
    case FileReadOutcome::Status::Read:
        break;
    }

    return loadKnowledgeBytes(file.bytes, table);
}

LoadOutcome loadKnowledgeBytes(QByteArrayView bytes, KnowledgeTable &table)
{
    RecordReader reader(bytes);
    RecordReader::Field topic;
    RecordReader::Field statement;
    for (;;) {
        switch (reader.next(topic, statement)) {
        case RecordReader::Result::End:
            return {LoadOutcome::Status::Loaded, {}};
        case RecordReader::Result::Incomplete:
            return {LoadOutcome::Status::Incomplete, {}};
        case RecordReader::Result::Record:
            if (table.isFull())
                return {LoadOutcome::Status::Overflow, {}};
            table.append(reader.bytesOf(topic), reader.bytesOf(statement));
            break;
        }
    }
}

} // namespace teskaro
