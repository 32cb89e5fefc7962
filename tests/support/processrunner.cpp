// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "processrunner.h"

#include "knowledge/knowledgefile.h"
#include "knowledge/recordformat.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace teskaro::testing {

using namespace Qt::StringLiterals;

QString builtProgram(const QString &name)
{
    return qEnvironmentVariable("TESKARO_BIN_DIR") + u'/' + name;
}

ProcessResult runProgram(const QString &program, const QStringList &arguments,
                         const ProcessOptions &options)
{
    QProcess process;
    const QString path = program.contains(u'/') ? program : builtProgram(program);
    process.setProgram(path);
    process.setArguments(arguments);
    if (options.asNobody && ::geteuid() == 0) {
        if (::chown(".", 65534, 65534) != 0)
            qWarning("cannot give the working folder to nobody");
        process.setProgram(u"setpriv"_s);
        process.setArguments(
            QStringList{u"--reuid=65534"_s, u"--regid=65534"_s, u"--clear-groups"_s, path} +
            arguments);
    }
    if (options.fileSizeLimit >= 0) {
        process.setChildProcessModifier([limit = rlim_t(options.fileSizeLimit)] {
            std::signal(SIGXFSZ, SIG_DFL);
            const rlimit size{limit, limit};
            ::setrlimit(RLIMIT_FSIZE, &size);
        });
    }
    process.start();
    process.write(options.input);
    process.closeWriteChannel();
    ProcessResult result;
    result.finished =
        process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit;
    result.status = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = QString::fromUtf8(process.readAllStandardError()) +
                 (result.finished ? QString() : path + u": "_s + process.errorString());
    return result;
}

QList<QByteArray> sortedLines(const QByteArray &bytes)
{
    QList<QByteArray> lines = bytes.split('\n');
    std::sort(lines.begin(), lines.end());
    return lines;
}

bool fileHolds(const QString &fileName, const QByteArray &bytes, bool inAnyOrder)
{
    QFile file(fileName);
    const QByteArray held = file.open(QIODevice::ReadOnly) ? file.readAll() : "(nothing)";
    const bool holds = inAnyOrder ? sortedLines(held) == sortedLines(bytes) : held == bytes;
    if (!holds)
        qWarning() << fileName << "holds" << held << "\nand not" << bytes;
    return holds;
}

QList<KnowledgeRecord> recordsIn(const QString &fileName, bool *whole)
{
    const QByteArray bytes = readKnowledgeFile(fileName).bytes;
    RecordReader reader(bytes);
    QList<KnowledgeRecord> records;
    KnowledgeRecord record;
    RecordReader::Result result;
    while ((result = reader.next(record)) == RecordReader::Result::Record)
        records += record;
    if (whole)
        *whole = result == RecordReader::Result::End;
    return records;
}

void makeHostileFile(const QString &kind, const QString &name)
{
    if (kind == u"fifo"_s)
        QVERIFY(::mkfifo(QFile::encodeName(name).constData(), 0600) == 0);
    else if (kind == u"folder"_s)
        QVERIFY(QDir().mkdir(name));
    else if (kind == u"dangling link"_s)
        QVERIFY(QFile::link(u"perdido"_s, name)); // in a folder where it could be made
    else if (kind == u"sparse"_s)
        QVERIFY(QFile(name).open(QIODevice::WriteOnly) && QFile::resize(name, 64LL << 30));
}

QByteArray fingerprint(const QString &name)
{
    struct stat info
    {};
    if (::lstat(QFile::encodeName(name).constData(), &info) != 0)
        return "missing";
    QFile file(name);
    const bool readable = S_ISREG(info.st_mode) && file.open(QIODevice::ReadOnly);
    return QByteArray::number(info.st_mode, 8) + ' ' + QByteArray::number(info.st_ino) + ' ' +
           QByteArray::number(qint64(info.st_size)) + ' ' + (readable ? file.read(1 << 20) : "");
}

} // namespace teskaro::testing
