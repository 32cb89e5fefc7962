// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

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

RecordReader::RecordReader(QByteArrayView bytes)
    : m_bytes(bytes)
{}

RecordReader::Result RecordReader::next(Field &topic, Field &statement)
{
    if (!skipToNextField())
        return Result::End;
    topic = readField();
    if (m_afterComma) {
        // A second field left empty at the end of its line is empty: it runs
        // to the line end, which it consumes, and takes nothing from the next
        // line.
        while (m_pos < m_bytes.size() && (m_bytes[m_pos] == ' ' || m_bytes[m_pos] == '\t'))
            ++m_pos;
        if (m_pos == m_bytes.size() || m_bytes[m_pos] == '\r' || m_bytes[m_pos] == '\n') {
            statement = {m_pos, 0};
            consumeLineEnd();
            return Result::Record;
        }
    } else if (!skipToNextField()) {
        return Result::Incomplete;
    }
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

void RecordReader::consumeLineEnd()
{
    if (m_pos < m_bytes.size() && m_bytes[m_pos] == '\r')
        ++m_pos;
    if (m_pos < m_bytes.size() && m_bytes[m_pos] == '\n')
        ++m_pos;
}

RecordReader::Field RecordReader::readField()
{
    const qsizetype size = m_bytes.size();
    const char *data = m_bytes.data();
    m_afterComma = false;

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
                m_afterComma = true;
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
        m_afterComma = data[m_pos] == ',';
        if (m_afterComma)
            ++m_pos;
        else
            consumeLineEnd();
    }
    return field;
}

} // namespace teskaro
