// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "knowledge/record.h"

#include <QByteArray>
#include <QStringList>

namespace teskaro::testing {

struct ProcessOptions
{
    QByteArray input = {};     // standard input, closed after it
    qint64 fileSizeLimit = -1; // as on a full disk: a longer write fails
    bool asNobody = false;     // so that permissions bind when the tests run as root
};

struct ProcessResult
{
    bool finished = false; // false when it could not start, crashed or hung
    int status = -1;
    QByteArray out;
    QString err;
};

// Running the programs as a user does, and checking the files they leave.

// Runs a program (without a folder: one built beside the tests) in the working
// folder and waits for it; as nobody, it first hands nobody the folder.
ProcessResult runProgram(const QString &program, const QStringList &arguments = {},
                         const ProcessOptions &options = {});
QString builtProgram(const QString &name);

// Whether the file holds exactly these bytes (for records, the lines
// formatRecordLine makes), or these lines in any order (where a sort may have
// run); warns what it holds if not.
bool fileHolds(const QString &fileName, const QByteArray &bytes, bool inAnyOrder = false);

// The records the programs read from the file, and whether it ends with a whole one.
QList<KnowledgeRecord> recordsIn(const QString &fileName, bool *whole = nullptr);

// Makes something hostile under the name, where a knowledge file should be:
// a "fifo", a "folder", a "dangling link" or a "sparse" file of 64 GiB.
void makeHostileFile(const QString &kind, const QString &name);

// Its type, mode, inode, size and first MiB: any write changes it.
QByteArray fingerprint(const QString &name);

} // namespace teskaro::testing
