#include "knowledgewriter.h"

#include "knowledgefile.h"
#include "recordformat.h"
#include "windows1252.h"

namespace teskaro {

int countRecords(QStringView text, int limit)
{
    RecordReader reader(text);
    KnowledgeRecord record;
    int count = 0;
    while (count < limit && reader.next(record) == RecordReader::Result::Record)
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
        return room >= 0 && countRecords(decodeWindows1252(present), room + 1) <= room;
    };
    const FileWriteOutcome outcome = appendToKnowledgeFile(fileName, bytes, admit);
    if (outcome.ok)
        return {AppendOutcome::Status::Appended, {}};
    if (outcome.refused)
        return {AppendOutcome::Status::Full, {}};
    return {AppendOutcome::Status::Failed, outcome.reason};
}

} // namespace teskaro
