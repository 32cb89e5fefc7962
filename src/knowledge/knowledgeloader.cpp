#include "knowledgeloader.h"

#include "knowledgefile.h"
#include "recordformat.h"
#include "windows1252.h"

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

    const QString text = decodeWindows1252(file.bytes);
    RecordReader reader(text);
    KnowledgeRecord record;
    for (;;) {
        switch (reader.next(record)) {
        case RecordReader::Result::End:
            return {LoadOutcome::Status::Loaded, {}};
        case RecordReader::Result::Incomplete:
            return {LoadOutcome::Status::Incomplete, {}};
        case RecordReader::Result::Record:
            if (table.isFull())
                return {LoadOutcome::Status::Overflow, {}};
            table.topicColumn[table.recordCount] = std::move(record.topic);
            table.statementColumn[table.recordCount] = std::move(record.statement);
            ++table.recordCount;
            break;
        }
    }
}

} // namespace teskaro
