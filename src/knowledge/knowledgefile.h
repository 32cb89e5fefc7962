// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

namespace teskaro {

// Byte-level access to a knowledge file, shared by the programs and the
// outside commands so that they never lose each other's work:
// - every append and every rewrite holds an exclusive lock on the file, and
//   after taking it makes sure the name still leads to the file it locked
//   (a rewrite may have renamed a new file over it), else starts again;
// - a rewrite writes a new file beside the old one, flushes it and renames it
//   over the old one while it holds the lock;
// - a read takes no lock, so it never holds up learning; it sees a rewrite
//   whole or not at all, and reads again when it catches an append half-way;
// - an append is flushed to disk before it reports success;
// - termination signals that arrive during an append or a rewrite wait
//   until the file is consistent again, then end the program;
// - what an append stopped half-way left (a kill, a crash) is set aside:
//   opened for writing, a file whose bytes after its last line end are not
//   one whole record has them added to NAME.incompleto and is cut back to
//   that line end. A whole record lacking only its line end is kept.
// Reasons are in Spanish: they end up in the transcript.

struct FileReadOutcome
{
    enum class Status {
        Read,
        Missing,
        Failed
    };
    Status status = Status::Failed;
    QByteArray bytes;
    QString reason;
};

// Which file is under a name. A rewrite puts a new file there; an append
// keeps the one that is there.
struct FileIdentity
{
    quint64 device = 0;
    quint64 inode = 0;
    qint64 birth = 0; // when it was made, in nanoseconds, where the system keeps it

    friend bool operator==(const FileIdentity &, const FileIdentity &) = default;
};

// A broken tail set aside (see above): the side file, beside the file
// itself (not beside a symbolic link to it), and the bytes cut off. When the
// side file could not take them, failure says why, and the bytes are all
// that is left of them, for the user to be told.
struct SetAsideTail
{
    QString sideFile = {}; // empty when nothing was set aside
    QString failure = {};
    QByteArray bytes = {};

    bool isEmpty() const { return sideFile.isEmpty(); }
};

struct FileWriteOutcome
{
    bool ok = false;
    bool refused = false; // the admission test said no; nothing was written
    QString reason;
    SetAsideTail setAside = {}; // a broken tail found first, if there was one
    FileIdentity written = {};  // the file under the name once written
};

FileReadOutcome readKnowledgeFile(const QString &fileName);

// Why a file operation failed, in Spanish, for a system error number.
QString fileErrorReason(int error);

// Sets aside a broken tail (see above) of an existing file, under its lock,
// as start-up does before it reads.
SetAsideTail setAsideBrokenTail(const QString &fileName);

// Called part-way through writing an append. Does nothing; a test program
// links its own, which stops the process there as a kill would.
void atAppendInterruptionPoint();

// Appends the bytes as one piece; creates the file when it is missing, and
// fails on one it cannot both read and write, or that would then be larger
// than any file is read (64 MiB). A file whose last line lacks
// its line end gets one first, so the new records start on a line of their
// own. When given, admit sees the file's present contents while the lock is
// held and may refuse the append. On failure the file is left as it was.
FileWriteOutcome appendToKnowledgeFile(const QString &fileName, const QByteArray &bytes,
                                       const std::function<bool(const QByteArray &)> &admit = {});

// Replaces the contents of an existing file, which must be readable and
// writable, with transform(old contents). A transform that returns nothing
// leaves the file untouched (refused); one that returns more than any file
// is read (64 MiB) fails.
FileWriteOutcome
rewriteKnowledgeFile(const QString &fileName,
                     const std::function<std::optional<QByteArray>(const QByteArray &)> &transform);
// The same, telling the transform which file it is replacing.
FileWriteOutcome rewriteKnowledgeFile(
    const QString &fileName,
    const std::function<std::optional<QByteArray>(const QByteArray &, const FileIdentity &)>
        &transform);

// What a copy does with a file already under the destination's name.
enum class ExistingFile {
    Keep,   // refused: nothing is written
    Replace // through a rename, as a rewrite does
};

// Copies the source file to the destination, through a rename, so that
// neither file is ever left half written. Refuses to copy a file onto
// itself, or onto one that may not be written (whatever whenExisting says).
FileWriteOutcome copyKnowledgeFile(const QString &sourceName, const QString &destinationName,
                                   ExistingFile whenExisting = ExistingFile::Replace);

} // namespace teskaro
