// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Bounded reading. A file is read whole but never beyond largestFile, even
// when it grows while being read, so that no file can take all the memory.
// A read takes no lock, yet sees a rewrite whole or not at all and reads
// again while it catches an append half-way.

#include "knowledgefile.h"
#include "knowledgefile_posix_internal.h"

#include <QFile>

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <thread>

namespace teskaro {

namespace posix {

int readAll(int fd, QByteArray &bytes)
{
    FileStatus info{};
    if (::fstat(fd, &info) != 0)
        return errno;
    if (info.st_size > largestFile)
        return fileTooLarge;
    bytes.clear();
    bytes.reserve(qsizetype(info.st_size) + 1);
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0)
            return 0;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (bytes.size() + n > largestFile) // it grew while being read
            return fileTooLarge;
        bytes.append(buffer, n);
    }
}

} // namespace posix

using namespace posix;

namespace {

using namespace std::chrono_literals;

// How often a read is repeated while it catches an append half-way.
constexpr int settleAttempts = 20;
constexpr auto settlePause = 1ms;

} // namespace

// Reads take no lock, so a reader never holds up learning: a rewrite
// replaces the file through a rename, which a reader sees whole or not at
// all, and an append is one write of whole lines. Only a read that catches
// an append half-way ends inside a line; it is read again until the append
// is complete. A file that really ends without a line end (edited by hand)
// is accepted as it is after a few tries.
FileReadOutcome readKnowledgeFile(const QString &fileName)
{
    FileReadOutcome outcome;
    const QByteArray path = QFile::encodeName(fileName);
    for (int attempt = 0;; ++attempt) {
        Descriptor fd;
        if (const int error = openChecked(path, O_RDONLY, fd)) {
            outcome.status = error == ENOENT ? FileReadOutcome::Status::Missing
                                             : FileReadOutcome::Status::Failed;
            outcome.reason = fileErrorReason(error);
            return outcome;
        }
        if (const int error = readAll(fd.get(), outcome.bytes)) {
            outcome.reason = fileErrorReason(error);
            outcome.bytes.clear();
            return outcome;
        }
        const bool endsInsideALine = !outcome.bytes.isEmpty() && !outcome.bytes.endsWith('\n') &&
                                     !outcome.bytes.endsWith('\r');
        if (!endsInsideALine || attempt + 1 >= settleAttempts)
            break;
        // An append in progress is over within a moment and leaves the file
        // longer; a file that simply ends without a line end stays as it is.
        std::this_thread::sleep_for(settlePause);
        FileStatus now{};
        if (::fstat(fd.get(), &now) == 0 && now.st_size == outcome.bytes.size())
            break;
    }
    outcome.status = FileReadOutcome::Status::Read;
    return outcome;
}

} // namespace teskaro
