// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "knowledgefile.h"
#include "record.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

namespace teskaro {

// A knowledge file seen line by line, for the commands that reorder or thin
// out whole records. Each line keeps its bytes exactly, so nothing a record
// holds can be lost by reading and writing it again.
struct KnowledgeLine
{
    QByteArray bytes;       // without its line end
    KnowledgeRecord record; // as the program reads it
};

struct KnowledgeLines
{
    bool ok = false;
    QList<KnowledgeLine> lines;
    QString problem; // why the file is not one whole record per line
};

// Reads the records as the program does; blank lines are dropped. Fails
// unless every record is a line of its own (a CR inside a quoted field is
// no line end), because moving or removing lines of a file that is out of
// step would pair its fields anew.
KnowledgeLines parseKnowledgeLines(const QByteArray &bytes);

// The lines again, each ended by CR LF.
QByteArray joinKnowledgeLines(const QList<KnowledgeLine> &lines);

// Spanish alphabetical order (ICU's, through QCollator) of topic, then
// statement: blanks, then punctuation and symbols, then digits, then the
// letters with Ñ after N. Accents, then case (lower case first), only break
// ties. Records that compare equal keep their order; control characters do
// not count.
void sortSpanish(QList<KnowledgeLine> &lines);

// Drops every record whose two fields equal those of an earlier record, and
// returns how many were dropped.
qsizetype removeRepeated(QList<KnowledgeLine> &lines);

// The line repetido ends with, "N registros leídos, M repetidos eliminados",
// and M read back from it (nothing when the text is not such a line): the
// program tells the user what repetido did.
QString repeatedRemovalLine(qsizetype read, qsizetype removed);
std::optional<qsizetype> removedInRepeatedRemovalLine(const QString &line);

struct LinesRewrite
{
    bool ok = false;
    qsizetype linesRead = 0;
    qsizetype linesWritten = 0;
    QString problem;       // why nothing was written
    SetAsideTail setAside; // a broken tail found first, if there was one
};

// Rewrites a knowledge file line by line through the change, under the
// file's lock and through a rename; a file that is not one whole record per
// line is left as it is.
LinesRewrite rewriteKnowledgeLines(const QString &fileName,
                                   const std::function<void(QList<KnowledgeLine> &)> &change);

} // namespace teskaro
