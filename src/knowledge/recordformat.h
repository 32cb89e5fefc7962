// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "record.h"

#include <QByteArray>
#include <QString>

namespace teskaro {

// One record as a line of a knowledge file: both fields between double
// quotes, a comma between them, CR LF at the end, Windows-1252 bytes.
// Fields are written exactly as given; nothing is escaped.
QByteArray formatRecordLine(const KnowledgeRecord &record);

// A field as the learning writer stores it: one blank, the phrase without
// its outer blanks, one blank.
QString paddedField(QStringView phrase);

// Trims blanks (code 32) only, unlike QString::trimmed(), which also takes
// tabs and line ends.
inline QStringView trimBlanks(QStringView text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ')
        ++first;
    while (last > first && text[last - 1] == u' ')
        --last;
    return text.sliced(first, last - first);
}

// Reads records field by field from the bytes of a knowledge file, the way
// the file has always been read: a field is either quoted (up to the next
// double quote; whatever follows up to the next comma or line end is
// dropped) or bare (up to the next comma or line end). Line ends separate
// fields like commas do. Blanks, tabs and empty lines before a field are
// skipped. The structure is all ASCII, so the bytes are split first and
// each field decoded on its own.
class RecordReader
{
public:
    enum class Result {
        Record,     // a whole record was read
        End,        // nothing but blanks and line ends was left
        Incomplete, // the text ended after the first field of a record
    };

    // Where a field lies in the bytes.
    struct Field
    {
        qsizetype start = 0;
        qsizetype length = 0;
    };

    explicit RecordReader(QByteArrayView bytes);

    Result next(Field &topic, Field &statement);
    // The same, with both fields decoded.
    Result next(KnowledgeRecord &record);

    QByteArrayView bytesOf(Field field) const { return m_bytes.sliced(field.start, field.length); }
    // Where the next field is looked for: past the last field read and what
    // ended it (a comma or a line end).
    qsizetype position() const { return m_pos; }

private:
    bool skipToNextField(); // false at the end of the bytes
    Field readField();
    void consumeLineEnd();

    QByteArrayView m_bytes;
    qsizetype m_pos = 0;
    bool m_afterComma = false; // the last field ended at a comma
};

} // namespace teskaro
