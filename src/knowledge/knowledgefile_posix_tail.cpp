// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Setting a broken tail aside. What an append stopped half-way left after
// the file's last line end, unless it is one whole record, is added to
// NAME.incompleto (never overwritten: it may hold earlier fragments) and
// flushed there before the file is cut back to that line end, with the file
// locked and termination signals held: the fragment is never lost, and the
// file reads whole again.

#include "knowledgefile.h"
#include "knowledgefile_posix_internal.h"

#include "knowledgelines.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>

namespace teskaro {

// Sets aside the bytes after the last line end when they are not one whole
// record (see knowledgefile.h), with the file open for writing and locked, and
// takes them off bytes, the file's contents.
int posix::setAsideTail(int fd, const QByteArray &path, QByteArray &bytes, QString &sideFile)
{
    const qsizetype lineEnd = std::max(bytes.lastIndexOf('\n'), bytes.lastIndexOf('\r')) + 1;
    const QByteArray tail = bytes.sliced(lineEnd);
    const KnowledgeLines lines = parseKnowledgeLines(tail);
    if (lines.ok && lines.lines.size() <= 1)
        return 0;
    const TerminationDeferred deferred;
    const QByteArray side = path + ".incompleto";
    // Added to, never overwritten: it may hold earlier fragments.
    Descriptor out(
        ::open(side.constData(), O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666));
    if (!out.isOpen())
        return errno;
    int error = writeAll(out.get(), (tail + "\r\n").constData(), tail.size() + 2);
    if (!error && ::fdatasync(out.get()) != 0)
        error = errno;
    if (!error && (::ftruncate(fd, lineEnd) != 0 || ::fdatasync(fd) != 0))
        error = errno;
    if (error)
        return error;
    bytes.truncate(lineEnd);
    sideFile = QFile::decodeName(side);
    return 0;
}

using namespace posix;

QString setAsideBrokenTail(const QString &fileName)
{
    const QByteArray path = QFile::encodeName(fileName);
    Descriptor fd;
    QByteArray bytes;
    QString sideFile;
    if (openLocked(path, O_RDWR, LOCK_EX, fd) == 0 && readAll(fd.get(), bytes) == 0)
        setAsideTail(fd.get(), path, bytes, sideFile);
    return sideFile;
}

} // namespace teskaro
