// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Knowledge files read, written, rewritten and copied; outside programs found
// and started; the tools and learning (an append, in a child process) on any
// file, in any place, side by side. In the tables ' stands for ".

#include "knowledge/knowledgefile.h"
#include "knowledge/knowledgelines.h"
#include "knowledge/knowledgewriter.h"
#include "knowledge/recordformat.h"
#include "platform/processlauncher.h"
#include "platform/systeminformation.h"
#include "support/processrunner.h"
#include "support/testfolder.h"

#include <QDir>
#include <QProcess>
#include <QTest>

#include <csignal>
#include <iostream>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace teskaro;
using namespace teskaro::testing;

class TestTools : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void reads_data();
    void reads();
    void rewritesLines_data();
    void rewritesLines();
    void replaces();
    void findsPrograms();
    void startsWithoutAShell();
    void onFiles_data();
    void onFiles();
    void inAnyPlace();
    void besideLearning();
    void setsAsideAnInterruptedAppend_data();
    void setsAsideAnInterruptedAppend();
    void setsAsideWhereItCan_data();
    void setsAsideWhereItCan();
};

namespace {

QByteArray quoted(const char *text)
{
    return QByteArray(text).replace('\'', '"');
}

// The records learning statement i writes.
QList<KnowledgeRecord> statement(int i)
{
    const QString subject = u" TEMA %1 "_s.arg(i);
    const QString verb = u" ES EL DATO %1 "_s.arg(i);
    return {{subject, verb}, {verb, subject}};
}

QStringList sortedLines(const QByteArray &bytes, bool unique = false)
{
    QStringList lines =
        QString::fromLatin1(bytes).replace(u'\r', u'\n').split(u'\n', Qt::SkipEmptyParts);
    lines.sort();
    if (unique)
        lines.removeDuplicates();
    return lines;
}

int stopSignal = 0; // the child's: what stops its appends part-way

} // namespace

void teskaro::atAppendInterruptionPoint()
{
    if (stopSignal)
        ::raise(stopSignal);
}

namespace {

// The child's part: learns statements 0 to count - 1, printing each number once
// it is on disk; a read after each must see whole lines, as many as learned.
int learn(const QString &name, int count)
{
    std::signal(SIGXFSZ, SIG_IGN); // as the programs do
    for (int i = 0; i < count; ++i) {
        const AppendOutcome outcome = appendRecords(name, statement(i));
        if (!outcome.setAside.isEmpty())
            std::cerr << qPrintable(setAsideNote(name, outcome.setAside)) << '\n';
        if (outcome.status != AppendOutcome::Status::Appended) {
            std::cerr << qPrintable(outcome.reason.isEmpty() ? u"llena"_s : outcome.reason) << '\n';
            return 1;
        }
        std::cout << i << std::endl;
        const QByteArray read = readKnowledgeFile(name).bytes;
        if (read.count('\n') < 2 * qsizetype{i + 1} || !read.endsWith('\n'))
            return 2; // a read saw half a line
    }
    return 0;
}

} // namespace

void TestTools::reads_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("fields");  // of the records read, each ended by |
    QTest::addColumn<bool>("incomplete"); // the bytes end after a record's first field
    QTest::addColumn<bool>("written");    // as formatRecordLine writes the records read
    const auto row = [](const char *tag, const char *bytes, const char *fields,
                        bool incomplete = false, bool written = false) {
        QTest::addRow("%s", tag) << quoted(bytes) << QString::fromUtf8(fields) << incomplete
                                 << written;
    };
    row("as learning writes it", "' EL SOL ',' ES '\r\n' ES ',' EL SOL '\r\n",
        " EL SOL | ES | ES | EL SOL |", false, true);
    row("the code page, commas and controls, nothing escaped",
        "'\xD1 \x80\x9F\x81\xA0',', A\t\x01'\r\n", "Ñ €Ÿ\u0081\u00A0|, A\t\x01|", false, true);
    row("a quote ends a field, the rest up to a comma is lost", "' EL 'SOL' ','B'\r\n'C' x 'y','D'",
        " EL |B|C|D|");
    row("one field on a line", "'A'\r\n'B','C'\r\n'D','E'\r\n", "A|B|C|D|", true);
    row("bare fields lose leading blanks and tabs", "  \tABC  ,  DEF  \r\n", "ABC  |DEF  |");
    row("lone CR and lone LF end lines", "'A','B'\r'C','D'\n'E','F'", "A|B|C|D|E|F|");
    row("a lone CR inside a line ends the field before it", "'A',B\rC,'D' x\r'E','F'\r\n",
        "A|B|C|D|E|F|");
    row("a quote left open runs to the end", "'A','B\r\nC", "A|B\r\nC|");
    row("empty fields", "'',''\r\n,'B'\r\n", "|||B|");
    row("an empty last field ends at its line", "' A ',\r\n'B',  \r\n\r\n'C','D'\r\nE,",
        " A ||B||C|D|E||");
    row("empty lines are skipped", "\r\n'A'\r\n\r\n'B'\r\n", "A|B|");
}

void TestTools::reads()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, fields);
    QFETCH(bool, incomplete);
    QFETCH(bool, written);
    RecordReader reader(bytes);
    QString read;
    QByteArray again;
    KnowledgeRecord record;
    RecordReader::Result result;
    while ((result = reader.next(record)) == RecordReader::Result::Record) {
        read += record.topic + u'|' + record.statement + u'|';
        again += formatRecordLine(record);
    }
    QCOMPARE(read, fields);
    QCOMPARE(result, incomplete ? RecordReader::Result::Incomplete : RecordReader::Result::End);
    if (written)
        QCOMPARE(again, bytes);
}

void TestTools::rewritesLines_data()
{
    QTest::addColumn<bool>("sort"); // else remove repeated records
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("result"); // the lines, or the line that is not a record
    const auto row = [](const char *tag, bool sort, const char *bytes, const char *result) {
        QTest::addRow("%s, %s", sort ? "sort" : "repetido", tag)
            << sort << quoted(bytes) << quoted(result).replace("\n", "\r\n");
    };
    row("Ñ after N; blanks, punctuation, digits, letters", true,
        "' O ',0\n' \xD1U ',0\n' NZ ',0\n' N ',0\n' 9 ',0\n' AB ',0\n' - ',0\n'  ',0\n' A B ',0",
        "'  ',0\n' - ',0\n' 9 ',0\n' A B ',0\n' AB ',0\n' N ',0\n' NZ ',0\n' \xD1U ',0\n' O ',0\n");
    row("accents, then lower case, only break ties", true,
        "' \xC1"
        "BACO ',0\n' ABACOS ',0\n' ABACO ',0\n' \xE1"
        "baco ',0\n' abaco ',0",
        "' abaco ',0\n' ABACO ',0\n' \xE1"
        "baco ',0\n' \xC1"
        "BACO ',0\n' ABACOS ',0\n");
    row("topic, then statement; equal records keep their order", true,
        "'B','1'\r\n'A','2' one\n \t\r\n'B','0'\r'A','2' two",
        "'A','2' one\n'A','2' two\n'B','0'\n'B','1'\n");
    QByteArray many; // more than a sort by insertion alone would take
    for (char c = 'a'; c <= 'z'; ++c)
        many += "'A','B' " + QByteArray(1, c) + '\n';
    row("26 equal records keep their order", true, many.constData(), many.constData());
    row("the first of each stays", false, "' B ','1'\n'A','1'\n'B','1'\n' B ','1' x\nA , 1\n",
        "' B ','1'\n'A','1'\n'B','1'\nA , 1\n");
    row("one field on a line", true, "\r\n\n'Z'\r\n'A','B'", "3");
    row("a quote left open", false, "'A','B'\n'C','D", "2");
    row("three fields", true, "'A','B','C'", "1");
    row("a comma and blanks after a record", true, "'B','1', \t\n'A','0',\n'C','2',",
        "'A','0',\n'B','1', \t\n'C','2',\n");
    row("a CR inside quotes stays in its record", true, "'B','1\r2'\n'A','0'",
        "'A','0'\n'B','1\r2'\n");
}

void TestTools::rewritesLines()
{
    QFETCH(bool, sort);
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, result);
    KnowledgeLines parsed = parseKnowledgeLines(bytes);
    if (!parsed.ok) {
        QCOMPARE(parsed.problem,
                 u"la línea %1 no es un registro completo"_s.arg(QLatin1StringView(result)));
        return;
    }
    sort ? sortSpanish(parsed.lines) : void(removeRepeated(parsed.lines));
    QCOMPARE(joinKnowledgeLines(parsed.lines), result);
}

// A rewrite and a copy put a new file in place through a rename, keep the
// mode, go through a symbolic link to the file and leave no file behind.
void TestTools::replaces()
{
    TestFolder folder;
    folder.write(u"k.alm"_s, "old\n", QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
    const QFile::Permissions mode = QFile::permissions(u"k.alm"_s);
    folder.write(u"c.alm"_s, "other");
    QVERIFY(QDir().mkdir(u"folder"_s) && QFile::link(u"k.alm"_s, u"to-k.alm"_s) &&
            QFile::link(u"c.alm"_s, u"to-c.alm"_s));
    QFile old(u"k.alm"_s);
    QVERIFY(old.open(QIODevice::ReadOnly));
    struct stat info
    {};
    QVERIFY(::stat("k.alm", &info) == 0); // a killed rewrite left a copy, the name is the longest
    folder.write(u".tk-%1-left"_s.arg(info.st_ino), "");
    folder.write(QString(255, u'n'), "x");
    const bool root = ::geteuid() == 0; // then the file's owner is kept: nobody, in our group
    QVERIFY(!root || ::chown("k.alm", 65534, ::getegid()) == 0);
    QVERIFY(rewriteKnowledgeFile(u"to-k.alm"_s, [](const QByteArray &bytes) {
                return std::optional(bytes.toUpper());
            }).ok);
    QVERIFY(!root || QFileInfo(u"k.alm"_s).ownerId() == 65534);
    QVERIFY(!root || ::chown("k.alm", ::geteuid(), 65534) == 0); // and its group alone
    QVERIFY(rewriteKnowledgeFile(u"k.alm"_s, [](const QByteArray &bytes) {
                return std::optional(bytes.toUpper());
            }).ok);
    QVERIFY(!root || QFileInfo(u"k.alm"_s).groupId() == 65534);
    QVERIFY(fileHolds(u"k.alm"_s, "OLD\n") && old.readAll() == "old\n");
    const FileWriteOutcome refused =
        rewriteKnowledgeFile(u"k.alm"_s, [](const QByteArray &) { return std::nullopt; });
    QVERIFY(!refused.ok && refused.refused && fileHolds(u"k.alm"_s, "OLD\n"));
    const auto copied = [](const char *from, const char *to) {
        const FileWriteOutcome outcome =
            copyKnowledgeFile(QString::fromLatin1(from), QString::fromLatin1(to));
        return outcome.ok ? u"ok"_s : outcome.reason;
    };
    QCOMPARE(copied("k.alm", "to-k.alm"), u"es el mismo archivo"_s);
    QCOMPARE(copied("k.alm", "folder"), u"es una carpeta"_s);
    QCOMPARE(copied("none.alm", "c.alm"), u"no existe"_s);
    QVERIFY(fileErrorReason(EINVAL).startsWith(u"el sistema no admite"_s) &&
            fileErrorReason(1000).startsWith(u"error del"_s));
    QVERIFY(copied("k.alm", "to-c.alm") == u"ok"_s && fileHolds(u"c.alm"_s, "OLD\n"));
    QVERIFY(QFile::permissions(u"k.alm"_s) == mode && QFile::permissions(u"c.alm"_s) == mode);
    QCOMPARE(copied("k.alm", std::string(255, 'n').c_str()), u"ok"_s);
    QCOMPARE(QDir().entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(), 6);
}

// The launcher looks in its own folder, the working folder, then along PATH;
// the system information program is the first of its list along PATH. Only
// files that can run count: each made below that can is found from then on.
void TestTools::findsPrograms()
{
    TestFolder folder;
    const auto make = [&folder](const char *name, bool runnable = true) {
        const QString path = QString::fromLatin1(name);
        folder.write(path, "#!/bin/sh\n",
                     QFile::ReadOwner | QFile::WriteOwner |
                         (runnable ? QFile::ExeOwner : QFile::Permissions()));
        return folder.filePath(path);
    };
    const QString path = folder.filePath(u"a"_s) + u"::"_s + folder.filePath(u"b"_s) + u':';
    const auto locate = [&](const char *program) {
        return DetachedProcessLauncher::locate(QString::fromLatin1(program),
                                               folder.filePath(u"own"_s),
                                               folder.filePath(u"work"_s), path);
    };
    make("own/tool", false);
    for (const char *name : {"b/tool", "a/tool", "work/tool", "own/tool"}) {
        const QString made = make(name);
        QCOMPARE(locate("tool"), made);
    }
    QCOMPARE(systemInformationProgram(path), QString());
    make("a/hardinfo", false);
    for (const char *name : {"b/mate-system-monitor", "a/gnome-system-monitor", "b/cpu-x",
                             "a/cpu-x", "b/kinfocenter", "b/hardinfo"}) {
        const QString made = make(name);
        QCOMPARE(systemInformationProgram(path), made);
    }
}

// Whatever a name holds, it reaches the program as one argument, and the
// program runs in the working folder: no shell comes in between.
void TestTools::startsWithoutAShell()
{
    TestFolder folder;
    folder.write(
        u"show"_s,
        "#!/bin/sh\nprintf '%s|' \"$#\" \"$@\" \"$TESKARO_ARCHIVO\" > new && mv new arguments\n",
        QFile::ReadOwner | QFile::ExeOwner);
    qputenv("TESKARO_ARCHIVO", "heredado"); // what is given wins over what is inherited
    DetachedProcessLauncher launcher;
    QVERIFY(!launcher.start(u"no-such-program"_s, {}, {}) &&
            launcher.start(u"show"_s, {hostileName}, {u"TESKARO_ARCHIVO=a=b"_s}));
    QTRY_COMPARE_WITH_TIMEOUT(folder.read(u"arguments"_s),
                              (u"1|"_s + hostileName + u"|a=b|"_s).toUtf8(), 60000);
    qunsetenv("TESKARO_ARCHIVO");
}

void TestTools::onFiles_data()
{
    QTest::addColumn<QString>("kind"); // see makeHostileFile; "full disk" for a file on one
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QFile::Permissions>("permissions");
    QTest::addColumn<QString>("program"); // none: learning
    QTest::addColumn<QString>("reason");  // why it fails; none when it works
    const auto row = [](const char *tag, const char *kind, const QByteArray &bytes,
                        const QString &learning, const QString &rewriting,
                        QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner) {
        for (const char *program : {"", "teskaro-ordenar", "repetido"})
            QTest::addRow("%s, %s", *program ? program : "learning", tag)
                << QString::fromLatin1(kind) << bytes << permissions << QString::fromLatin1(program)
                << (*program ? rewriting : learning);
    };
    const QByteArray two = numberedRecords(2);
    const QString notARecord = u"la línea 3 no es un registro completo; el archivo no se ha "
                               u"modificado"_s;
    const QString unfinished = u"el final del archivo no es un registro completo"_s;
    const QString denied = u"permiso denegado"_s;
    row("no file", "", {}, {}, u"no existe"_s);
    row("records, some repeated, NUL and undefined bytes", "",
        two + two + QByteArrayLiteral("\"\0\",\" \x81\x8D\x8F\x90\x9D \"\r\n\" A\0B \",\"\0\"\r\n"),
        {}, {});
    row("no line end at the end", "", two.chopped(2), {}, {});
    row("half a record at the end", "", two + "\" X \"\r\n", unfinished, notARecord);
    row("a quote left open on the last line", "", two + "\" X \",\" Y\r\n", unfinished, notARecord);
    row("room for one statement more", "", numberedRecords(4999), {}, {});
    row("full", "", numberedRecords(5000), u"llena"_s, {});
    row("FIFO", "fifo", {}, u"no es un archivo normal"_s, u"no es un archivo normal"_s);
    row("folder", "folder", {}, u"es una carpeta"_s, u"es una carpeta"_s);
    row("dangling symbolic link", "dangling link", {}, u"no existe"_s, u"no existe"_s);
    const QString huge = u"el archivo es demasiado grande (más de 64 MiB)"_s;
    row("sparse, 64 GiB", "sparse", {}, huge, huge);
    row("without read permission", "", two, denied, denied, QFile::WriteOwner);
    row("without write permission", "", two, denied, denied, QFile::ReadOwner);
    const QFile::Permissions anyone =
        QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther | QFile::WriteOther;
    row("of another user", "", two, {}, u"no se pueden conservar su propietario y su grupo"_s,
        anyone);
    row("in a folder that may not be written", "", two, {},
        u"la carpeta no permite escribir en ella"_s, anyone | QFile::ExeOther);
    const QString tooBig = u"el archivo ha alcanzado el tamaño máximo permitido"_s;
    row("on a full disk", "full disk", two + two + two, tooBig, tooBig);
}

// Under a name no shell passes on whole: either it works (learned after whole
// lines, sorted, the first of each kept) or it ends with status 1 naming the
// reason, the file as it was. It leaves no temporary file.
void TestTools::onFiles()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, bytes);
    QFETCH(QFile::Permissions, permissions);
    QFETCH(QString, program);
    QFETCH(QString, reason);
    TestFolder folder;
    bytes.isEmpty() ? makeHostileFile(kind, hostileName)
                    : folder.write(hostileName, bytes, permissions);
    if (permissions & QFile::ExeOther) // the folder keeps only reading and entering
        QFile::setPermissions(u"."_s, QFile::ReadOwner | QFile::ExeOwner);
    const QByteArray before = fingerprint(hostileName);
    const ProcessOptions options{{},
                                 kind == u"full disk"_s ? bytes.size() / 4 : -1,
                                 permissions != (QFile::ReadOwner | QFile::WriteOwner)};
    const ProcessResult result = program.isEmpty()
                                     ? runProgram(QCoreApplication::applicationFilePath(),
                                                  {u"--learn"_s, hostileName, u"1"_s}, options)
                                     : runProgram(program, {hostileName}, options);
    QVERIFY2(result.finished, qPrintable(result.err));
    if (options.asNobody && ::geteuid() == 0 && result.status >= 126)
        QSKIP("nobody may not run the programs here");
    if (!reason.isEmpty()) {
        const QString prefix =
            program.isEmpty() ? QString() : program + u": "_s + hostileName + u": "_s;
        QCOMPARE(result.err, prefix + reason + u'\n');
        QVERIFY(result.status == 1 && fingerprint(hostileName) == before);
    } else if (program.isEmpty()) {
        const bool ended = bytes.isEmpty() || bytes.endsWith('\n');
        QVERIFY(result.status == 0 &&
                fileHolds(hostileName, bytes + (ended ? "" : "\r\n") +
                                           formatRecordLine(statement(0)[0]) +
                                           formatRecordLine(statement(0)[1])));
    } else {
        QVERIFY2(result.status == 0 &&
                     result.out.startsWith(QByteArray::number(sortedLines(bytes).size())),
                 qPrintable(result.err));
        QCOMPARE(sortedLines(folder.read(hostileName)),
                 sortedLines(bytes, program == u"repetido"_s));
    }
    QCOMPARE(QDir().entryList(QDir::Hidden | QDir::Files).filter(u".tk-"_s), QStringList());
}

// In a folder no shell passes on whole, IND.BAT (installed in another such)
// sorts default.alm; what the tools say; wrong arguments end with status 2.
void TestTools::inAnyPlace()
{
    TestFolder root;
    QVERIFY(QDir().mkdir(hostileName) && QDir::setCurrent(hostileName) &&
            QDir().mkdir(hostileName));
    for (const QString &name : {u"IND.BAT"_s, u"teskaro-ordenar"_s})
        QVERIFY(QFile::copy(builtProgram(name), hostileName + u'/' + name));
    root.write(hostileName + u"/default.alm"_s, "\"B\",\"1\"\r\n\"A\",\"2\"\r\n\"B\",\"1\"\r\n");
    // Told which file by TESKARO_ARCHIVO, it sorts that one alone.
    root.write(hostileName + u"/otro.alm"_s, "\"B\",\"1\"\r\n\"A\",\"2\"\r\n");
    const QString other = QDir::current().absoluteFilePath(u"otro.alm"_s);
    qputenv("TESKARO_ARCHIVO", QFile::encodeName(other));
    const QString indBat = QDir(hostileName).absoluteFilePath(u"IND.BAT"_s);
    QCOMPARE(runProgram(indBat).out, (u"2 registros ordenados en "_s + other + u'\n').toUtf8());
    qunsetenv("TESKARO_ARCHIVO");
    const ProcessResult sorted = runProgram(indBat);
    QVERIFY2(sorted.finished && sorted.status == 0, qPrintable(sorted.err));
    QCOMPARE(sorted.out, "3 registros ordenados en default.alm\n");
    QVERIFY(fileHolds(u"default.alm"_s, "\"A\",\"2\"\r\n\"B\",\"1\"\r\n\"B\",\"1\"\r\n"));
    QCOMPARE(runProgram(u"repetido"_s, {u"default.alm"_s}).out,
             "3 registros leídos, 1 repetidos eliminados\n");
    QCOMPARE(runProgram(u"teskaro-ordenar"_s, {u"a"_s, u"b"_s}).status, 2);
    const ProcessResult usage = runProgram(u"repetido"_s);
    QCOMPARE(usage.status, 2);
    QCOMPARE(usage.err, u"Uso: repetido ARCHIVO   (repetido --help explica más)\n"_s);
}

// The sort and repetido rewrite the file over and over while statements are
// learned into it: every statement acknowledged must be there once.
void TestTools::besideLearning()
{
    constexpr int statements = 300;
    TestFolder folder;
    QByteArray expected = "\" DOBLE \",\" DOBLE \"\r\n";
    folder.write(u"k.alm"_s, expected + expected);
    QProcess learner;
    learner.start(QCoreApplication::applicationFilePath(),
                  {u"--learn"_s, u"k.alm"_s, QString::number(statements)});
    for (int rewrites = 0; rewrites < 10 || learner.state() != QProcess::NotRunning; ++rewrites) {
        const ProcessResult result =
            runProgram(rewrites % 2 ? u"repetido"_s : u"teskaro-ordenar"_s, {u"k.alm"_s});
        QVERIFY2(result.finished && result.status == 0, qPrintable(result.err));
        learner.waitForFinished(0); // lets it notice that the learner has ended
    }
    QVERIFY2(learner.exitCode() == 0, learner.readAllStandardError().constData());
    QCOMPARE(learner.readAllStandardOutput().count('\n'), statements);
    for (int i = 0; i < statements; ++i)
        expected += formatRecordLine(statement(i)[0]) + formatRecordLine(statement(i)[1]);
    QCOMPARE(sortedLines(folder.read(u"k.alm"_s)), sortedLines(expected));
}

// A learner stopped part-way through an append: SIGTERM waits for the append
// to end; after SIGKILL the next rewrite sets the broken tail aside, keeps the
// direct record before it and says so.
void TestTools::setsAsideAnInterruptedAppend_data()
{
    QTest::addColumn<int>("signal");
    QTest::addRow("SIGTERM") << int(SIGTERM);
    QTest::addRow("SIGKILL") << int(SIGKILL);
}

void TestTools::setsAsideAnInterruptedAppend()
{
    QFETCH(int, signal);
    TestFolder folder;
    const QByteArray two = numberedRecords(2);
    const QByteArray direct = formatRecordLine(statement(0)[0]);
    const QByteArray mirror = formatRecordLine(statement(0)[1]);
    folder.write(u"k.alm"_s, two);
    const QStringList learning{u"--learn"_s, u"k.alm"_s, u"1"_s, QString::number(signal)};
    const ProcessResult stopped = runProgram(QCoreApplication::applicationFilePath(), learning);
    QVERIFY(!stopped.finished && stopped.out.isEmpty());
    if (signal == SIGTERM) {
        QVERIFY(fileHolds(u"k.alm"_s, two + direct + mirror));
        return;
    }
    const QByteArray fragment = folder.read(u"k.alm"_s).mid(two.size() + direct.size());
    QVERIFY(!fragment.isEmpty() && mirror.startsWith(fragment) && fragment != mirror);
    const ProcessResult sorted = runProgram(u"teskaro-ordenar"_s, {u"k.alm"_s});
    QCOMPARE(sorted.err,
             u"teskaro-ordenar: "_s + setAsideNote(u"k.alm"_s, {u"k.alm.incompleto"_s}) + u'\n');
    QVERIFY(sorted.status == 0 && fileHolds(u"k.alm"_s, two + direct, true) &&
            fileHolds(u"k.alm.incompleto"_s, fragment + "\r\n"));
}

// A broken tail cut off by learning and by the sort wherever the file is:
// added to NAME.incompleto (a regular file or a new one, beside the file
// itself) or, where that cannot take it, shown to the user; either way the
// file works again, and nothing waits on what stands under the side file's
// name. A sort that cannot go on says it did cut the tail off.
void TestTools::setsAsideWhereItCan_data()
{
    QTest::addColumn<QString>("place");   // what stands in the way
    QTest::addColumn<QString>("program"); // none: learning
    QTest::addColumn<QString>("failure"); // why the side file could not take it; none when it did
    QTest::addColumn<QByteArray>("side"); // what it holds afterwards; none: as it was
    QTest::addColumn<QString>("problem"); // why the sort goes no further; none when it does
    const auto row = [](const char *tag, const char *place, const QString &failure,
                        const QByteArray &side, const QString &sortProblem = {}) {
        for (const QString &program : {QString(), u"teskaro-ordenar"_s})
            QTest::addRow("%s, %s", program.isEmpty() ? "learning" : "teskaro-ordenar", tag)
                << QString::fromLatin1(place) << program << failure << side
                << (program.isEmpty() ? QString() : sortProblem);
    };
    const QByteArray torn = "\" TEMA 9 \",\" ES EL\r\n";
    const QString notRegular = u"no es un archivo normal"_s;
    row("a new side file", "", {}, torn);
    row("a side file without its last line end", "unended side file", {}, "OLD\r\n" + torn);
    row("a FIFO as side file", "fifo", notRegular, {});
    row("a folder as side file", "folder", u"es una carpeta"_s, {});
    row("a symbolic link as side file", "dangling link", notRegular, {});
    row("a folder that may not be written", "locked folder", u"permiso denegado"_s, "missing",
        u"la carpeta no permite escribir en ella"_s);
    row("a name too long for a side file", "long name", u"el nombre es demasiado largo"_s,
        "missing");
    row("a full disk", "full disk", u"el archivo ha alcanzado el tamaño máximo permitido"_s, {});
    row("through a symbolic link", "link", {}, torn);
    row("with a broken line left", "broken line", {}, torn,
        u"la línea 1 no es un registro completo; aparte de su final, el archivo no se ha "
        u"modificado"_s);
}

void TestTools::setsAsideWhereItCan()
{
    QFETCH(QString, place);
    QFETCH(QString, program);
    QFETCH(QString, failure);
    QFETCH(QByteArray, side);
    QFETCH(QString, problem);
    TestFolder folder;
    const QByteArray two = numberedRecords(2);
    const QByteArray torn = "\" TEMA 9 \",\" ES EL\r\n";
    const QString name = place == u"long name"_s ? QString(250, u'k') + u".alm"_s : u"k.alm"_s;
    QString file = name;
    if (place == u"link"_s) {
        QVERIFY(QDir().mkdir(u"dentro"_s) && QFile::link(u"dentro/k.alm"_s, name));
        file = u"dentro/k.alm"_s;
    }
    const QByteArray bytes = place == u"broken line"_s ? "A\r\nB\r\n" + two : two;
    folder.write(file, bytes + torn.chopped(2), QFile::Permissions(0x6666));
    const QString sideFile = file + u".incompleto"_s;
    if (place == u"unended side file"_s)
        folder.write(sideFile, "OLD");
    else if (place == u"full disk"_s)
        folder.write(sideFile, QByteArray(4091, 'x'));
    else if (QStringList{u"fifo"_s, u"folder"_s, u"dangling link"_s}.contains(place))
        makeHostileFile(place, sideFile);
    if (place == u"locked folder"_s) // it keeps only reading and entering
        QFile::setPermissions(u"."_s, QFile::ReadOwner | QFile::ExeOwner);
    const QByteArray sideBefore = fingerprint(sideFile);
    const ProcessOptions options{
        {}, place == u"full disk"_s ? 4096 : -1, place == u"locked folder"_s};
    const ProcessResult result = program.isEmpty()
                                     ? runProgram(QCoreApplication::applicationFilePath(),
                                                  {u"--learn"_s, name, u"1"_s}, options)
                                     : runProgram(program, {name}, options);
    QVERIFY2(result.finished, qPrintable(result.err));
    const QString shownSide =
        place == u"link"_s ? QFileInfo(sideFile).absoluteFilePath() : name + u".incompleto"_s;
    const QString note =
        setAsideNote(name, {shownSide, failure, failure.isEmpty() ? "" : torn.chopped(2)});
    const QString tool = program.isEmpty() ? QString() : program + u": "_s;
    if (!problem.isEmpty()) {
        QCOMPARE(result.err, tool + note + u'\n' + tool + name + u": "_s + problem + u'\n');
        QVERIFY(result.status == 1 && fileHolds(file, bytes));
    } else {
        QCOMPARE(result.err, tool + note + u'\n');
        QCOMPARE(result.status, 0);
        QVERIFY(fileHolds(file,
                          bytes + (program.isEmpty() ? formatRecordLine(statement(0)[0]) +
                                                           formatRecordLine(statement(0)[1])
                                                     : QByteArray()),
                          true));
    }
    if (side.isEmpty())
        QCOMPARE(fingerprint(sideFile), sideBefore);
    else
        QVERIFY(side == "missing" ? !QFileInfo::exists(sideFile) : fileHolds(sideFile, side));
}

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    stopSignal = arguments.value(4).toInt();
    if (arguments.value(1) == u"--learn"_s)
        return learn(arguments.value(2), arguments.value(3).toInt());
    TestTools test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_tools.moc"
