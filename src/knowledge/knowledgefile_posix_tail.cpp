// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Setting a broken tail aside. What an append stopped half-way left after
// the file's last line end, unless it is one whole record, is added to
// NAME.incompleto (never overwritten: it may hold earlier fragments) and
// flushed there before the file is cut back to that line end, with the file
// locked and termination signals held: the fragment is never lost, and the
// file reads whole again. Where the side file cannot take it, the file is
// cut back all the same and the fragment goes to the user in the report.

#include "knowledgefile.h"
#include "knowledgefile_posix_internal.h"

#include "knowledgelines.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>

namespace teskaro {

using namespace Qt::StringLiterals;

namespace {

// Adds the tail to the side file: one that is a regular file already, or a
// new one; never through a symbolic link, and without waiting on a FIFO.
// A fragment starts on a line of its own, and what a failed write left is
// cut off again.
int addToSideFile(const QByteArray &side, const QByteArray &tail)
{
    using namespace posix;
    Descriptor out(::open(side.constData(),
                          O_RDWR | O_APPEND | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0666));
    if (!out.isOpen())
        return errno == ELOOP ? ENXIO : errno;
    FileStatus info{};
    if (::fstat(out.get(), &info) != 0)
        return errno;
    if (!S_ISREG(info.st_mode))
        return ENXIO;
    char last = '\n';
    if (info.st_size > 0 && ::pread(out.get(), &last, 1, info.st_size - 1) != 1)
        return errno;
    const QByteArray piece =
        (last == '\n' || last == '\r' ? QByteArray() : QByteArray("\r\n")) + tail + "\r\n";
    int error = writeAll(out.get(), piece.constData(), piece.size());
    if (!error && ::fdatasync(out.get()) != 0)
        error = errno;
    if (error && ::ftruncate(out.get(), info.st_size) == 0)
        ::fdatasync(out.get());
    return error;
}

} // namespace

// Sets aside the bytes after the last line end when they are not one whole
// record (see knowledgefile.h), with the file open for writing and locked, and
// takes them off bytes, the file's contents. The file is cut back even when
// the side file cannot take them: it must work again, and the user is told
// what was cut off.
int posix::setAsideTail(int fd, const QByteArray &path, QByteArray &bytes, SetAsideTail &setAside)
{
    const qsizetype lineEnd = std::max(bytes.lastIndexOf('\n'), bytes.lastIndexOf('\r')) + 1;
    const QByteArray tail = bytes.sliced(lineEnd);
    const KnowledgeLines lines = parseKnowledgeLines(tail);
    if (lines.ok && lines.lines.size() <= 1)
        return 0;
    const TerminationDeferred deferred;
    // Beside the file itself, wherever a symbolic link to it stands, so that
    // one file has one side file.
    const QFileInfo file(QFile::decodeName(path));
    const QString sideFile =
        (file.isSymLink() ? file.canonicalFilePath() : file.filePath()) + u".incompleto"_s;
    const int sideError = addToSideFile(QFile::encodeName(sideFile), tail);
    if (::ftruncate(fd, lineEnd) != 0 || ::fdatasync(fd) != 0)
        return errno;
    bytes.truncate(lineEnd);
    setAside = {sideFile, sideError ? fileErrorReason(sideError) : QString(),
                sideError ? tail : QByteArray()};
    return 0;
}

using namespace posix;

SetAsideTail setAsideBrokenTail(const QString &fileName)
{
    const QByteArray path = QFile::encodeName(fileName);
    Descriptor fd;
    QByteArray bytes;
    SetAsideTail setAside;
    if (openLocked(path, O_RDWR, LOCK_EX, fd) == 0 && readAll(fd.get(), bytes) == 0)
        setAsideTail(fd.get(), path, bytes, setAside);
    return setAside;
}

} // namespace teskaro
