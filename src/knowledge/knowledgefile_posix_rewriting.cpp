// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Rewriting and copying. The new contents go to a new file beside the old
// one, are flushed and renamed over the old one while that is locked, so that
// a reader sees the old file or the new one, never half. The owner and group
// of the file replaced are kept, or nothing is replaced. What a killed
// rewrite left beside the file is removed by the next one.

#include "knowledgefile.h"
#include "knowledgefile_posix_internal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>

namespace teskaro {

using namespace Qt::StringLiterals;

namespace posix {

void syncFolderOf(const QByteArray &path)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(QFile::decodeName(path)).absolutePath());
    Descriptor dir(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.isOpen())
        ::fsync(dir.get());
}

namespace {

// A temporary file's name: short, so that any name that can be opened can
// be rewritten, and carrying the inode number of the file it replaces, so
// that one left by a killed rewrite is found again.
QString temporaryPrefix(ino_t inode)
{
    return u".tk-%1-"_s.arg(quint64(inode));
}

// Removes what killed rewrites of the file left behind. Every rewrite holds
// a lock on its temporary file, so one that can be locked has no owner left.
void removeStaleTemporaries(const QString &folder, ino_t inode)
{
    const QDir dir(folder);
    const QStringList names =
        dir.entryList({temporaryPrefix(inode) + u'*'}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names) {
        const QByteArray path = QFile::encodeName(dir.filePath(name));
        Descriptor fd(::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK));
        if (fd.isOpen() && ::flock(fd.get(), LOCK_EX | LOCK_NB) == 0)
            ::unlink(path.constData());
    }
}

} // namespace

// Writes the bytes to a new file beside the target, flushes it and renames it
// over the target: a reader sees the old file or the new one, never half.
// The inode is that of the file replaced (or, for a new one, its source).
// The owner and group of a file replaced are kept, so that a rewrite by
// another user (root above all) never takes the file from its owner; where
// that is not permitted, nothing is replaced.
int replaceThroughRename(const QString &target, const QByteArray &bytes, mode_t mode, ino_t inode,
                         const FileStatus *replaced, FileIdentity *written)
{
    const QString folder = QFileInfo(target).absolutePath();
    removeStaleTemporaries(folder, inode);
    const TerminationDeferred deferred; // leaves no temporary file behind
    const QByteArray path = QFile::encodeName(target);
    QByteArray temporary = QFile::encodeName(folder + u'/' + temporaryPrefix(inode)) + "XXXXXX";
    Descriptor out(::mkstemp(temporary.data()));
    if (!out.isOpen())
        return errno == EACCES || errno == EPERM ? folderNotWritable : errno;
    ::flock(out.get(), LOCK_EX);
    int error = 0;
    if (replaced && (replaced->st_uid != ::geteuid() || replaced->st_gid != ::getegid()) &&
        ::fchown(out.get(), replaced->st_uid, replaced->st_gid) != 0)
        error = ownerNotKept;
    ::fchmod(out.get(), mode); // after the owner, which may clear set-user bits
    if (!error)
        error = writeAll(out.get(), bytes.constData(), bytes.size());
    if (!error && ::fsync(out.get()) != 0)
        error = errno;
    if (!error && ::rename(temporary.constData(), path.constData()) != 0)
        error = errno;
    if (error) {
        ::unlink(temporary.constData());
        return error;
    }
    syncFolderOf(path);
    if (written)
        *written = identityOf(out.get());
    return 0;
}

} // namespace posix

using namespace posix;

FileWriteOutcome
rewriteKnowledgeFile(const QString &fileName,
                     const std::function<std::optional<QByteArray>(const QByteArray &)> &transform)
{
    return rewriteKnowledgeFile(
        fileName, [&](const QByteArray &bytes, const FileIdentity &) { return transform(bytes); });
}

FileWriteOutcome rewriteKnowledgeFile(
    const QString &fileName,
    const std::function<std::optional<QByteArray>(const QByteArray &, const FileIdentity &)>
        &transform)
{
    // Rewrite the file a symbolic link leads to, not the link itself.
    const QFileInfo info(fileName);
    const QString target = info.isSymLink() ? info.canonicalFilePath() : fileName;
    if (target.isEmpty())
        return {false, false, fileErrorReason(ENOENT)};
    const QByteArray path = QFile::encodeName(target);

    // Opened for writing as well, though it is replaced: a file its owner
    // may not write is left alone.
    Descriptor fd;
    if (const int error = openLocked(path, O_RDWR, LOCK_EX, fd))
        return {false, false, fileErrorReason(error)};
    QByteArray old;
    if (const int error = readAll(fd.get(), old))
        return {false, false, fileErrorReason(error)};
    SetAsideTail setAside;
    if (const int error = setAsideTail(fd.get(), path, old, setAside))
        return {false, false, fileErrorReason(error)};
    const std::optional<QByteArray> transformed = transform(old, identityOf(fd.get()));
    if (!transformed)
        return {false, true, {}, setAside};
    const QByteArray &renewed = *transformed;
    if (renewed.size() > largestFile)
        return {false, false, fileErrorReason(wouldBeTooLarge), setAside};

    FileStatus oldInfo{};
    if (::fstat(fd.get(), &oldInfo) != 0)
        return {false, false, fileErrorReason(errno), setAside};
    FileIdentity written;
    if (const int error = replaceThroughRename(target, renewed, oldInfo.st_mode & 07777,
                                               oldInfo.st_ino, &oldInfo, &written))
        return {false, false, fileErrorReason(error), setAside};
    return {true, false, {}, setAside, written};
}

FileWriteOutcome copyKnowledgeFile(const QString &sourceName, const QString &destinationName,
                                   ExistingFile whenExisting)
{
    FileStatus sourceInfo{};
    if (::stat(QFile::encodeName(sourceName).constData(), &sourceInfo) != 0)
        return {false, false, fileErrorReason(errno)};

    // The destination's folder must exist; the file itself may not.
    const QFileInfo destinationInfo(destinationName);
    const QString target =
        destinationInfo.isSymLink() ? destinationInfo.canonicalFilePath() : destinationName;
    if (target.isEmpty())
        return {false, false, fileErrorReason(ENOENT)};
    FileStatus existing{};
    const bool destinationExists = ::stat(QFile::encodeName(target).constData(), &existing) == 0;
    if (destinationExists && existing.st_dev == sourceInfo.st_dev &&
        existing.st_ino == sourceInfo.st_ino)
        return {false, false, u"es el mismo archivo"_s};
    if (destinationExists && S_ISDIR(existing.st_mode))
        return {false, false, fileErrorReason(EISDIR)};
    if (destinationExists && whenExisting == ExistingFile::Keep)
        return {false, true, u"ya existe"_s};

    const FileReadOutcome source = readKnowledgeFile(sourceName);
    if (source.status != FileReadOutcome::Status::Read)
        return {false, false, source.reason};

    // Someone may be appending to an existing destination: hold its lock
    // while it is replaced, as every rewrite does.
    Descriptor destination;
    if (destinationExists) {
        // Opened for writing, though it is replaced: a file its owner may
        // not write is left alone.
        if (const int error = openLocked(QFile::encodeName(target), O_WRONLY, LOCK_EX, destination))
            return {false, false, fileErrorReason(error)};
    }
    if (const int error =
            replaceThroughRename(target, source.bytes, sourceInfo.st_mode & 07777,
                                 destinationExists ? existing.st_ino : sourceInfo.st_ino,
                                 destinationExists ? &existing : nullptr))
        return {false, false, fileErrorReason(error)};
    return {true, false, {}};
}

} // namespace teskaro
