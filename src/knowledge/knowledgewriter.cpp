// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "knowledgewriter.h"

#include "accents.h"
#include "knowledgefile.h"
#include "recordformat.h"
#include "windows1252.h"

namespace teskaro {

using namespace Qt::StringLiterals;

AppendOutcome appendRecords(const QString &fileName, const QList<KnowledgeRecord> &records,
                            int capacity, bool unlessKnown)
{
    QByteArray bytes;
    for (const KnowledgeRecord &record : records)
        bytes += formatRecordLine(record);

    // The new records start on a line of their own. They read back as written
    // only if the file ends with a whole record: after a lone field they
    // would be paired out of step, and a quote left open at the end would
    // run on into them.
    const int room = capacity - int(records.size());
    QString refusal;
    bool known = false;
    const QByteArray knownTopic = unlessKnown ? encodeWindows1252(records.first().topic) : "";
    const QByteArray knownStatement =
        unlessKnown ? encodeWindows1252(records.first().statement) : "";
    QByteArray before;
    QList<RecordFields> fields;
    const auto admit = [&](const QByteArray &present) {
        if (unlessKnown)
            before = present;
        RecordReader reader(present);
        RecordReader::Field topic;
        RecordReader::Field statement;
        RecordReader::Result result;
        int count = 0;
        while ((result = reader.next(topic, statement)) == RecordReader::Result::Record) {
            ++count;
            if (unlessKnown)
                fields += {topic, statement};
            if (unlessKnown && equalFolded(reader.bytesOf(topic), knownTopic) &&
                equalFolded(reader.bytesOf(statement), knownStatement)) {
                known = true;
                return false;
            }
        }
        if (count > room)
            return false;
        const bool quoteLeftOpen = count > 0 && present[statement.start - 1] == '"' &&
                                   statement.start + statement.length == present.size();
        if (result == RecordReader::Result::Incomplete || quoteLeftOpen) {
            refusal = u"el final del archivo no es un registro completo"_s;
            return false;
        }
        return true;
    };
    const FileWriteOutcome outcome = appendToKnowledgeFile(fileName, bytes, admit);
    if (outcome.ok)
        return {AppendOutcome::Status::Appended, {}, outcome.setAside, before, fields};
    if (known)
        return {AppendOutcome::Status::Known, {}, outcome.setAside};
    if (outcome.refused && refusal.isEmpty())
        return {AppendOutcome::Status::Full, {}, outcome.setAside};
    return {AppendOutcome::Status::Failed, outcome.refused ? refusal : outcome.reason,
            outcome.setAside};
}

QString setAsideNote(const QString &fileName, const SetAsideTail &setAside)
{
    const QString start = u"El final de "_s + fileName +
                          u" no era un registro completo (una escritura interrumpida)"_s;
    if (setAside.failure.isEmpty())
        return start + u"; se ha guardado aparte en "_s + setAside.sideFile;
    // Shown as it was, with every control character written out, so that
    // nothing in it acts on the screen; the start of a long one is enough to
    // know it.
    constexpr qsizetype shownLength = 200;
    QString shown;
    for (const QChar c : decodeWindows1252(setAside.bytes)) {
        if (c == u'\\')
            shown += u"\\\\"_s;
        else if (c == u'\r')
            shown += u"\\r"_s;
        else if (c == u'\n')
            shown += u"\\n"_s;
        else if (c < u' ' || (c >= u'\x7f' && c < u'\xa0'))
            shown += u"\\x%1"_s.arg(int(c.unicode()), 2, 16, QChar(u'0'));
        else
            shown += c;
    }
    if (shown.size() > shownLength)
        shown = shown.first(shownLength) + u"… (%1 bytes en total)"_s.arg(setAside.bytes.size());
    return start + u"; no se ha podido guardar aparte en "_s + setAside.sideFile + u" ("_s +
           setAside.failure + u") y se ha quitado del archivo. Decía: «"_s + shown + u"»"_s;
}

} // namespace teskaro
