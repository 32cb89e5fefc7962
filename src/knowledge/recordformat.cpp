#include "recordformat.h"

#include "windows1252.h"

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

RecordReader::RecordReader(QStringView text)
    : m_text(text)
{}

RecordReader::Result RecordReader::next(KnowledgeRecord &record)
{
    if (!skipToNextField())
        return Result::End;
    record.topic = readField();
    if (!skipToNextField())
        return Result::Incomplete;
    record.statement = readField();
    return Result::Record;
}

bool RecordReader::skipToNextField()
{
    while (m_pos < m_text.size()) {
        const QChar c = m_text[m_pos];
        if (c != u' ' && c != u'\t' && c != u'\r' && c != u'\n')
            return true;
        ++m_pos;
    }
    return false;
}

QString RecordReader::readField()
{
    const qsizetype size = m_text.size();
    const auto consumeLineEnd = [this, size] {
        if (m_pos < size && m_text[m_pos] == u'\r')
            ++m_pos;
        if (m_pos < size && m_text[m_pos] == u'\n')
            ++m_pos;
    };

    if (m_text[m_pos] == u'"') {
        const qsizetype start = m_pos + 1;
        qsizetype close = m_text.indexOf(u'"', start);
        if (close < 0)
            close = size;
        const QString value = m_text.sliced(start, close - start).toString();
        m_pos = close < size ? close + 1 : size;
        // Whatever follows the closing quote belongs to no field.
        while (m_pos < size) {
            const QChar c = m_text[m_pos];
            if (c == u',') {
                ++m_pos;
                break;
            }
            if (c == u'\r' || c == u'\n') {
                consumeLineEnd();
                break;
            }
            ++m_pos;
        }
        return value;
    }

    const qsizetype start = m_pos;
    while (m_pos < size) {
        const QChar c = m_text[m_pos];
        if (c == u',' || c == u'\r' || c == u'\n')
            break;
        ++m_pos;
    }
    const QString value = m_text.sliced(start, m_pos - start).toString();
    if (m_pos < size) {
        if (m_text[m_pos] == u',')
            ++m_pos;
        else
            consumeLineEnd();
    }
    return value;
}

} // namespace teskaro
