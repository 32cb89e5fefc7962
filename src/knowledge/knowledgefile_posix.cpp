// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "knowledgefile.h"

#include "knowledgelines.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace teskaro {

using namespace Qt::StringLiterals;

namespace {

// The largest file read: a table holds at most 5001 records, and a file of
// any size (a sparse one above all) must not take all the memory there is.
constexpr qint64 largestFile = 64 * 1024 * 1024;
// Reasons of our own, beside the system's error numbers.
constexpr int fileTooLarge = -1;
constexpr int folderNotWritable = -2; // a new file cannot be made beside the old one
constexpr int ownerNotKept = -3;

} // namespace

QString fileErrorReason(int error)
{
    switch (error) {
    case fileTooLarge:
        return u"el archivo es demasiado grande (más de 64 MiB)"_s;
    case folderNotWritable:
        return u"la carpeta no permite escribir en ella"_s;
    case ownerNotKept:
        return u"no se pueden conservar su propietario y su grupo"_s;
    case ENOENT:
        return u"no existe"_s;
    case EACCES:
    case EPERM:
        return u"permiso denegado"_s;
    case EISDIR:
        return u"es una carpeta"_s;
    case ENOSPC:
    case EDQUOT:
        return u"no queda espacio en el disco"_s;
    case EROFS:
        return u"el sistema de archivos es de solo lectura"_s;
    case EFBIG:
        return u"el archivo ha alcanzado el tamaño máximo permitido"_s;
    case ENAMETOOLONG:
        return u"el nombre es demasiado largo"_s;
    case ENOTDIR:
        return u"una parte de la ruta no es una carpeta"_s;
    case ELOOP:
        return u"hay demasiados enlaces simbólicos en la ruta"_s;
    case ENXIO:
        return u"no es un archivo normal"_s;
    case EWOULDBLOCK:
        return u"otro programa lo mantiene bloqueado"_s;
    case EINVAL:
        return u"el sistema no admite la operación con ese nombre o en ese lugar"_s;
    case EIO:
        return u"error de lectura o escritura en el dispositivo"_s;
    case EMFILE:
    case ENFILE:
        return u"hay demasiados archivos abiertos"_s;
    case ENOMEM:
        return u"no queda memoria"_s;
    case ETXTBSY:
    case EBUSY:
        return u"está en uso"_s;
    case EXDEV:
        return u"está en otro sistema de archivos"_s;
    case EEXIST:
        return u"ya existe"_s;
    case EOVERFLOW:
        return u"el archivo es demasiado grande"_s;
    case EMLINK:
        return u"la carpeta tiene demasiadas entradas"_s;
    case ESTALE:
        return u"el archivo remoto ya no está disponible"_s;
    default:
        return u"error del sistema número %1"_s.arg(error);
    }
}

namespace {

using namespace std::chrono_literals;
using FileStatus = struct stat;

// How long an operation waits for another program to release the file.
constexpr auto lockPatience = 10s;
constexpr auto lockPoll = 1ms;
// How often a read is repeated while it catches an append half-way.
constexpr int settleAttempts = 20;
constexpr auto settlePause = 1ms;

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

int writeAll(int fd, const char *data, qsizetype size)
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

void syncFolderOf(const QByteArray &path)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(QFile::decodeName(path)).absolutePath());
    Descriptor dir(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.isOpen())
        ::fsync(dir.get());
}

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

// Writes the bytes to a new file beside the target, flushes it and renames it
// over the target: a reader sees the old file or the new one, never half.
// The inode is that of the file replaced (or, for a new one, its source).
// The owner and group of a file replaced are kept, so that a rewrite by
// another user (root above all) never takes the file from its owner; where
// that is not permitted, nothing is replaced.
int replaceThroughRename(const QString &target, const QByteArray &bytes, mode_t mode, ino_t inode,
                         const FileStatus *replaced)
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
    return 0;
}

// Sets aside the bytes after the last line end when they are not one whole
// record (see the header), with the file open for writing and locked, and
// takes them off bytes, the file's contents.
int setAsideTail(int fd, const QByteArray &path, QByteArray &bytes, QString &sideFile)
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

} // namespace

[[gnu::weak]] void atAppendInterruptionPoint() {}

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
    QString setAside;
    if (const int tailError = setAsideTail(fd.get(), path, present, setAside))
        return {false, false, fileErrorReason(tailError)};
    if (admit && !admit(present))
        return {false, true, {}, setAside};
    const off_t sizeBefore = present.size();

    QByteArray piece = bytes;
    if (sizeBefore > 0 && !present.endsWith('\n') && !present.endsWith('\r'))
        piece.prepend("\r\n");

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

FileWriteOutcome
rewriteKnowledgeFile(const QString &fileName,
                     const std::function<std::optional<QByteArray>(const QByteArray &)> &transform)
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
    QString setAside;
    if (const int error = setAsideTail(fd.get(), path, old, setAside))
        return {false, false, fileErrorReason(error)};
    const std::optional<QByteArray> transformed = transform(old);
    if (!transformed)
        return {false, true, {}, setAside};
    const QByteArray &renewed = *transformed;

    FileStatus oldInfo{};
    if (::fstat(fd.get(), &oldInfo) != 0)
        return {false, false, fileErrorReason(errno), setAside};
    if (const int error = replaceThroughRename(target, renewed, oldInfo.st_mode & 07777,
                                               oldInfo.st_ino, &oldInfo))
        return {false, false, fileErrorReason(error), setAside};
    return {true, false, {}, setAside};
}

FileWriteOutcome copyKnowledgeFile(const QString &sourceName, const QString &destinationName)
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
