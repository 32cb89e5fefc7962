#include "recordformat.h"

#include "windows1252.h"

#include <cstring>

namespace teskaro {

QByteArray formatRecordLine(const KnowledgeRecord &record)
{
    QString line;
    line.reserve(record.topic.size() + record.statement.size() + 7);
    line += u'"';
    line += record.topic;
    line += u"\",\"";
    line += record.statement;
    line += u"\"\r\n";
    return encodeWindows1252(line);
}

QString paddedField(QStringView phrase)
{
    return u' ' + trimBlanks(phrase).toString() + u' ';
}

QStringView trimBlanks(QStringView text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ')
        ++first;
    while (last > first && text[last - 1] == u' ')
        --last;
    return text.sliced(first, last - first);
}

RecordReader::RecordReader(QByteArrayView bytes)
    : m_bytes(bytes)
{}

RecordReader::Result RecordReader::next(Field &topic, Field &statement)
{
    if (!skipToNextField())
        return Result::End;
    topic = readField();
    if (!skipToNextField())
        return Result::Incomplete;
    statement = readField();
    return Result::Record;
}

RecordReader::Result RecordReader::next(KnowledgeRecord &record)
{
    Field topic;
    Field statement;
    const Result result = next(topic, statement);
    if (result == Result::Record) {
        decodeWindows1252(bytesOf(topic), record.topic);
        decodeWindows1252(bytesOf(statement), record.statement);
    }
    return result;
}

bool RecordReader::skipToNextField()
{
    while (m_pos < m_bytes.size()) {
        const char c = m_bytes[m_pos];
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n')
            return true;
        ++m_pos;
    }
    return false;
}

RecordReader::Field RecordReader::readField()
{
    const qsizetype size = m_bytes.size();
    const char *data = m_bytes.data();
    const auto consumeLineEnd = [this, size, data] {
        if (m_pos < size && data[m_pos] == '\r')
            ++m_pos;
        if (m_pos < size && data[m_pos] == '\n')
            ++m_pos;
    };

    if (data[m_pos] == '"') {
        const qsizetype start = m_pos + 1;
        const void *quote = std::memchr(data + start, '"', size_t(size - start));
        const qsizetype close = quote ? static_cast<const char *>(quote) - data : size;
        m_pos = close < size ? close + 1 : size;
        // Whatever follows the closing quote belongs to no field.
        while (m_pos < size) {
            const char c = data[m_pos];
            if (c == ',') {
                ++m_pos;
                break;
            }
            if (c == '\r' || c == '\n') {
                consumeLineEnd();
                break;
            }
            ++m_pos;
        }
        return {start, close - start};
    }

    const qsizetype start = m_pos;
    while (m_pos < size) {
        const char c = data[m_pos];
        if (c == ',' || c == '\r' || c == '\n')
            break;
        ++m_pos;
    }
    const Field field{start, m_pos - start};
    if (m_pos < size) {
        if (data[m_pos] == ',')
            ++m_pos;
        else
            consumeLineEnd();
    }
    return field;
}

} // namespace teskaro
