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
QStringView trimBlanks(QStringView text);

// Reads records field by field, the way the knowledge file has always been
// read: a field is either quoted (up to the next double quote; whatever
// follows up to the next comma or line end is dropped) or bare (up to the
// next comma or line end). Line ends separate fields like commas do. Blanks,
// tabs and empty lines before a field are skipped.
class RecordReader
{
public:
    enum class Result {
        Record,     // a whole record was read
        End,        // nothing but blanks and line ends was left
        Incomplete, // the text ended after the first field of a record
    };

    explicit RecordReader(QStringView text);

    Result next(KnowledgeRecord &record);

private:
    bool skipToNextField(); // false at the end of the text
    QString readField();

    QStringView m_text;
    qsizetype m_pos = 0;
};

} // namespace teskaro
