// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Appending. An append locks the file, sets aside a broken tail, starts on a
// line of its own, writes its records with termination signals held and
// flushes them before it reports success; on any failure the file is cut
// back to where it was, so that it never keeps half a record.

#include "knowledgefile.h"
#include "knowledgefile_posix_internal.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>

namespace teskaro {

int posix::writeAll(int fd, const char *data, qsizetype size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size_t(size));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        data += n;
        size -= n;
    }
    return 0;
}

using namespace posix;

[[gnu::weak]] void atAppendInterruptionPoint() {}

FileWriteOutcome appendToKnowledgeFile(const QString &fileName, const QByteArray &bytes,
                                       const std::function<bool(const QByteArray &)> &admit)
{
    const QByteArray path = QFile::encodeName(fileName);
    // The file must be readable too: an append that cannot see what the file
    // holds cannot tell whether it may add to it, nor start on a new line.
    Descriptor fd;
    int error = openLocked(path, O_RDWR | O_APPEND | O_CREAT, LOCK_EX, fd);
    if (error)
        return {false, false, fileErrorReason(error)};

    QByteArray present;
    if (const int readError = readAll(fd.get(), present))
        return {false, false, fileErrorReason(readError)};
    SetAsideTail setAside;
    if (const int tailError = setAsideTail(fd.get(), path, present, setAside))
        return {false, false, fileErrorReason(tailError)};
    if (admit && !admit(present))
        return {false, true, {}, setAside};
    const off_t sizeBefore = present.size();

    QByteArray piece = bytes;
    if (sizeBefore > 0 && !present.endsWith('\n') && !present.endsWith('\r'))
        piece.prepend("\r\n");
    if (sizeBefore + piece.size() > largestFile)
        return {false, false, fileErrorReason(wouldBeTooLarge), setAside};

    // The piece goes in two writes with the interruption point between them,
    // where tests stop the process; the file reads whole only after both.
    const TerminationDeferred deferred;
    const qsizetype firstPart = piece.size() - piece.size() / 4;
    error = writeAll(fd.get(), piece.constData(), firstPart);
    atAppendInterruptionPoint();
    if (!error)
        error = writeAll(fd.get(), piece.constData() + firstPart, piece.size() - firstPart);
    if (!error && ::fdatasync(fd.get()) != 0)
        error = errno;
    if (error) {
        // Never leave half a record behind: cut the file back to where it was.
        if (::ftruncate(fd.get(), sizeBefore) == 0)
            ::fdatasync(fd.get());
        return {false, false, fileErrorReason(error), setAside};
    }
    if (sizeBefore == 0)
        syncFolderOf(path);
    return {true, false, {}, setAside};
}

} // namespace teskaro
