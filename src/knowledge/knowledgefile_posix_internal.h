// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the POSIX files behind knowledgefile.h share, and nothing else sees:
// descriptors that close themselves, termination signals held while a file
// is being changed, reasons of our own beside the system's error numbers,
// and the steps that more than one operation takes.

#pragma once

#include "knowledgefile.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <array>
#include <atomic>
#include <csignal>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace teskaro::posix {

using FileStatus = struct stat;

// The largest file read: a table holds at most 5001 records, and a file of
// any size (a sparse one above all) must not take all the memory there is.
constexpr qint64 largestFile = qint64{64} * 1024 * 1024;
// Reasons of our own, beside the system's error numbers.
constexpr int fileTooLarge = -1;
constexpr int folderNotWritable = -2; // a new file cannot be made beside the old one
constexpr int ownerNotKept = -3;
constexpr int wouldBeTooLarge = -4; // what a write would leave could no longer be read

// A file descriptor that closes itself.
class Descriptor
{
public:
    Descriptor() = default;
    explicit Descriptor(int fd)
        : m_fd(fd)
    {}
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    Descriptor(Descriptor &&other) noexcept
        : m_fd(std::exchange(other.m_fd, -1))
    {}
    Descriptor &operator=(Descriptor &&other) noexcept
    {
        reset(std::exchange(other.m_fd, -1));
        return *this;
    }
    ~Descriptor() { reset(); }

    int get() const { return m_fd; }
    bool isOpen() const { return m_fd >= 0; }
    void reset(int fd = -1)
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
    }

private:
    int m_fd = -1;
};

// Termination signals that arrive while a file is being changed wait until
// it is consistent again, then end the program as they would have. Their
// dispositions are process-wide, so whichever thread gets one, it waits.
// Deferrals nest: an inner one raises what it held into the outer one.
class TerminationDeferred
{
public:
    TerminationDeferred()
    {
        struct sigaction hold
        {};
        hold.sa_handler = [](int signal) {
            held.fetch_or(1u << signal);
        };
        sigemptyset(&hold.sa_mask);
        for (std::size_t i = 0; i < deferred.size(); ++i)
            ::sigaction(deferred[i], &hold, &m_previous[i]);
    }
    ~TerminationDeferred()
    {
        for (std::size_t i = 0; i < deferred.size(); ++i)
            ::sigaction(deferred[i], &m_previous[i], nullptr);
        const unsigned pending = held.exchange(0);
        for (const int signal : deferred) {
            if (pending & (1u << signal))
                ::raise(signal);
        }
    }
    Q_DISABLE_COPY_MOVE(TerminationDeferred)

private:
    static constexpr std::array<int, 3> deferred{SIGTERM, SIGINT, SIGHUP};
    static inline std::atomic<unsigned> held{0};
    std::array<struct sigaction, 3> m_previous{};
};

// Locking (knowledgefile_posix_locking.cpp). Each returns 0 or the reason
// it failed, a system error number or one of the above.

// Opens a regular file without blocking on anything else under its name.
int openChecked(const QByteArray &path, int flags, Descriptor &out);
// Opens and locks the file that the name still leads to once it is locked.
int openLocked(const QByteArray &path, int flags, int lockOperation, Descriptor &out);

// Which file a descriptor is open on.
FileIdentity identityOf(int fd);

// Reading (knowledgefile_posix_reading.cpp): all of an open file, refused
// beyond largestFile.
int readAll(int fd, QByteArray &bytes);

// Appending (knowledgefile_posix_appending.cpp).
int writeAll(int fd, const char *data, qsizetype size);

// Rewriting (knowledgefile_posix_rewriting.cpp).
void syncFolderOf(const QByteArray &path);
int replaceThroughRename(const QString &target, const QByteArray &bytes, mode_t mode, ino_t inode,
                         const FileStatus *replaced, FileIdentity *written = nullptr);

// Setting aside (knowledgefile_posix_tail.cpp): a broken tail of the locked
// file goes to NAME.incompleto, or into what tells the user where that
// cannot take it, and off the file and off bytes.
int setAsideTail(int fd, const QByteArray &path, QByteArray &bytes, SetAsideTail &setAside);

} // namespace teskaro::posix
