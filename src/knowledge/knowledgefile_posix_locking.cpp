// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Locking. Every append and every rewrite holds an exclusive lock on the
// file, waiting a while for another program to release it, and once it holds
// the lock makes sure the name still leads to the file it locked: a rewrite
// may have renamed a new file over it, and work done on the old one would be
// lost. Only regular files are opened, and the open never blocks on a FIFO
// nor creates a file through a dangling symbolic link.

#include "knowledgefile_posix_internal.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>

namespace teskaro::posix {

namespace {

using namespace std::chrono_literals;

// How long an operation waits for another program to release the file.
constexpr auto lockPatience = 10s;
constexpr auto lockPoll = 1ms;

int waitForLock(int fd, int operation)
{
    const auto deadline = std::chrono::steady_clock::now() + lockPatience;
    while (::flock(fd, operation | LOCK_NB) != 0) {
        if (errno == EINTR)
            continue;
        if (errno != EWOULDBLOCK || std::chrono::steady_clock::now() >= deadline)
            return errno;
        std::this_thread::sleep_for(lockPoll);
    }
    return 0;
}

} // namespace

// Opens a regular file. The open does not block, so a FIFO under the file's
// name cannot hang us; anything but a regular file is refused.
int openChecked(const QByteArray &path, int flags, Descriptor &out)
{
    const int existing = (flags & ~O_CREAT) | O_CLOEXEC | O_NONBLOCK;
    Descriptor fd(::open(path.constData(), existing));
    // A missing file is created, but never through a dangling symbolic link,
    // which O_CREAT alone follows: with O_EXCL any name in use is refused.
    // Then the name is a link (which stays missing) or was just made by
    // another program (which opens).
    if (!fd.isOpen() && errno == ENOENT && (flags & O_CREAT) != 0) {
        fd.reset(::open(path.constData(), existing | O_CREAT | O_EXCL, 0666));
        if (!fd.isOpen() && errno == EEXIST)
            fd.reset(::open(path.constData(), existing));
    }
    if (!fd.isOpen())
        return errno;
    FileStatus opened{};
    if (::fstat(fd.get(), &opened) != 0)
        return errno;
    if (S_ISDIR(opened.st_mode))
        return EISDIR;
    if (!S_ISREG(opened.st_mode))
        return ENXIO;
    ::fcntl(fd.get(), F_SETFL, ::fcntl(fd.get(), F_GETFL) & ~O_NONBLOCK);
    out = std::move(fd);
    return 0;
}

FileIdentity identityOf(int fd)
{
    FileIdentity identity;
    FileStatus status{};
    if (::fstat(fd, &status) == 0)
        identity = {quint64(status.st_dev), quint64(status.st_ino), 0};
    // An inode number freed by a rewrite may come back; when the file was
    // made tells the new file from the old one.
    struct statx extended
    {};
    if (::statx(fd, "", AT_EMPTY_PATH, STATX_BTIME, &extended) == 0 &&
        (extended.stx_mask & STATX_BTIME))
        identity.birth =
            qint64(extended.stx_btime.tv_sec) * 1000000000 + extended.stx_btime.tv_nsec;
    return identity;
}

// Opens the file and locks it, making sure that once the lock is held the
// name still leads to the locked file: a rewrite renames a new file over the
// old one, and work done on the old one would be lost.
int openLocked(const QByteArray &path, int flags, int lockOperation, Descriptor &out)
{
    for (int attempt = 0; attempt < 1000; ++attempt) {
        Descriptor fd;
        if (const int error = openChecked(path, flags, fd))
            return error;
        if (const int error = waitForLock(fd.get(), lockOperation))
            return error;
        FileStatus opened{};
        FileStatus named{};
        if (::fstat(fd.get(), &opened) == 0 && opened.st_nlink > 0 &&
            ::stat(path.constData(), &named) == 0 && named.st_dev == opened.st_dev &&
            named.st_ino == opened.st_ino) {
            out = std::move(fd);
            return 0;
        }
        if ((flags & O_CREAT) == 0 && ::stat(path.constData(), &named) != 0)
            return errno;
    }
    return EWOULDBLOCK;
}

} // namespace teskaro::posix
