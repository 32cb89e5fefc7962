#include "hostilefiles.h"

#include "support/testfolder.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTest>

#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

namespace teskaro::testing {

using namespace Qt::StringLiterals;

namespace {

void write(const QString &name, const QByteArray &bytes)
{
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray twoRecords()
{
    return "\" LOS HOMBRES \",\" SON ANIMALES \"\r\n\" SON ANIMALES \",\" LOS HOMBRES \"\r\n";
}

void randomBytes(const QString &name)
{
    QByteArray bytes(64 * 1024, Qt::Uninitialized);
    QRandomGenerator random(1);
    for (char &byte : bytes)
        byte = char(random.bounded(256));
    write(name, bytes);
}

void fiftyMegabytesWithoutALineEnd(const QString &name)
{
    write(name, twoRecords() + QByteArray(50 * 1024 * 1024, 'A'));
}

void nulBytes(const QString &name)
{
    write(name, QByteArray("\" A\0B \",\" C \"\r\n\"\0\",\"\0\0\"\r\n", 23));
}

void undefinedBytes(const QString &name)
{
    write(name, "\" \x81\x8D \",\" \x8F\x90\x9D \"\r\n\" \x8F\x90\x9D \",\" \x81\x8D \"\r\n");
}

void openQuoteAtTheEnd(const QString &name)
{
    write(name, twoRecords() + "\" EL SOL \",\" ES UNA ESTRELLA");
}

void fifo(const QString &name)
{
    QVERIFY(::mkfifo(QFile::encodeName(name).constData(), 0644) == 0);
}

void folder(const QString &name)
{
    QVERIFY(QDir().mkdir(name));
}

void danglingLink(const QString &name)
{
    QVERIFY(QFile::link(u"perdido/"_s + name, name));
}

void withoutReadPermission(const QString &name)
{
    write(name, twoRecords());
    QVERIFY(QFile::setPermissions(name, QFile::WriteOwner));
}

void withoutWritePermission(const QString &name)
{
    write(name, twoRecords());
    QVERIFY(QFile::setPermissions(name, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
}

void sixRecords(const QString &name)
{
    write(name, twoRecords() + twoRecords() + twoRecords());
}

const QString notARecord = u"no es un registro completo"_s;
const QString unfinished = u"el final del archivo no es un registro completo"_s;
const QString denied = u"permiso denegado"_s;
const QString tooBig = u"el archivo ha alcanzado el tamaño máximo permitido"_s;

} // namespace

const QList<HostileFile> &hostileFiles()
{
    using Status = LoadOutcome::Status;
    static const QList<HostileFile> files = {
        {.tag = "random bytes", .make = randomBytes, .toolReason = notARecord},
        {.tag = "50 MB without a line end",
         .make = fiftyMegabytesWithoutALineEnd,
         .load = Status::Incomplete,
         .startsUp = false,
         .learnReason = unfinished,
         .toolReason = notARecord},
        {.tag = "NUL bytes", .make = nulBytes},
        {.tag = "undefined code page bytes", .make = undefinedBytes},
        {.tag = "a quote open at the end",
         .make = openQuoteAtTheEnd,
         .learnReason = unfinished,
         .toolReason = notARecord},
        {.tag = "FIFO",
         .make = fifo,
         .load = Status::Unreadable,
         .readReason = u"no es un archivo normal"_s,
         .startsUp = false,
         .learnReason = u"no es un archivo normal"_s,
         .replaceReason = u"no es un archivo normal"_s,
         .toolReason = u"no es un archivo normal"_s},
        {.tag = "folder",
         .make = folder,
         .load = Status::Unreadable,
         .readReason = u"es una carpeta"_s,
         .learnReason = u"es una carpeta"_s,
         .replaceReason = u"es una carpeta"_s,
         .toolReason = u"es una carpeta"_s},
        {.tag = "dangling symbolic link",
         .make = danglingLink,
         .load = Status::Missing,
         .readReason = u"no existe"_s,
         .learnReason = u"no existe"_s,
         .replaceReason = u"no existe"_s,
         .toolReason = u"no existe"_s},
        {.tag = "without read permission",
         .make = withoutReadPermission,
         .needsPermissions = true,
         .load = Status::Unreadable,
         .readReason = denied,
         .startsUp = false,
         .learnReason = denied,
         .toolReason = denied},
        {.tag = "without write permission",
         .make = withoutWritePermission,
         .needsPermissions = true,
         .learnReason = denied,
         .replaceReason = denied,
         .toolReason = denied},
        {.tag = "on a full disk",
         .make = sixRecords,
         .diskFull = true,
         .readReason = tooBig, // for a copy of it
         .learnReason = tooBig,
         .replaceReason = tooBig,
         .toolReason = tooBig},
    };
    return files;
}

void addHostileRows()
{
    QTest::addColumn<int>("hostile");
    for (int i = 0; i < hostileFiles().size(); ++i)
        QTest::addRow("%s", hostileFiles()[i].tag) << i;
}

const HostileFile &fetchHostile()
{
    QFETCH(int, hostile);
    return hostileFiles().at(hostile);
}

namespace {

void runThisRowAsNobody(const QString &setpriv)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(setpriv, {u"--reuid=65534"_s, u"--regid=65534"_s, u"--clear-groups"_s,
                          QCoreApplication::applicationFilePath(),
                          QString::fromLatin1(QTest::currentTestFunction()) + u':' +
                              QString::fromLatin1(QTest::currentDataTag())});
    const bool finished = child.waitForFinished(120000);
    const QByteArray output = child.readAll();
    // setpriv says 126 or 127 when nobody may not run the test program.
    if (finished && (child.exitCode() == 126 || child.exitCode() == 127))
        QSKIP(qPrintable(u"nobody cannot run this test program: "_s +
                         QString::fromLocal8Bit(output)));
    QVERIFY2(finished && child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
             output.constData());
}

} // namespace

bool ranAsNobody(const HostileFile &hostile)
{
    if (!hostile.needsPermissions || ::geteuid() != 0)
        return false;
    const QString setpriv = QStandardPaths::findExecutable(u"setpriv"_s);
    if (setpriv.isEmpty())
        QTest::qSkip("permissions do not bind the superuser, and setpriv is missing", __FILE__,
                     __LINE__);
    else
        runThisRowAsNobody(setpriv);
    return true;
}

QByteArray fingerprint(const QString &name)
{
    struct stat info
    {};
    if (::lstat(QFile::encodeName(name).constData(), &info) != 0)
        return "missing";
    QByteArray print = QByteArray::number(info.st_mode, 8) + ' ' + QByteArray::number(info.st_ino) +
                       ' ' + QByteArray::number(qint64(info.st_size));
    QFile file(name);
    if (S_ISREG(info.st_mode) && file.open(QIODevice::ReadOnly)) {
        QCryptographicHash hash(QCryptographicHash::Sha256);
        hash.addData(&file);
        print += ' ' + hash.result().toHex();
    }
    return print;
}

FileSizeLimit::FileSizeLimit(qint64 bytes)
{
    if (bytes < 0)
        return;
    std::signal(SIGXFSZ, SIG_IGN);
    ::getrlimit(RLIMIT_FSIZE, &m_previous);
    rlimit limit = m_previous;
    limit.rlim_cur = rlim_t(bytes);
    m_active = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
    QVERIFY(m_active);
}

FileSizeLimit::~FileSizeLimit()
{
    if (m_active)
        ::setrlimit(RLIMIT_FSIZE, &m_previous);
}

} // namespace teskaro::testing
