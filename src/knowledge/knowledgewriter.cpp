#include "knowledgewriter.h"

#include "knowledgefile.h"
#include "recordformat.h"

namespace teskaro {

int countRecords(QByteArrayView bytes, int limit)
{
    RecordReader reader(bytes);
    RecordReader::Field topic;
    RecordReader::Field statement;
    int count = 0;
    while (count < limit && reader.next(topic, statement) == RecordReader::Result::Record)
        ++count;
    return count;
}

AppendOutcome appendRecords(const QString &fileName, const QList<KnowledgeRecord> &records,
                            int capacity)
{
    QByteArray bytes;
    for (const KnowledgeRecord &record : records)
        bytes += formatRecordLine(record);

    const int room = capacity - int(records.size());
    const auto admit = [room](const QByteArray &present) {
        return room >= 0 && countRecords(present, room + 1) <= room;
    };
    const FileWriteOutcome outcome = appendToKnowledgeFile(fileName, bytes, admit);
    if (outcome.ok)
        return {AppendOutcome::Status::Appended, {}};
    if (outcome.refused)
        return {AppendOutcome::Status::Full, {}};
    return {AppendOutcome::Status::Failed, outcome.reason};
}

} // namespace teskaro
