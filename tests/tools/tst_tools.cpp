#include "support/testfolder.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <unistd.h>

using namespace Qt::StringLiterals;
using teskaro::testing::TestFolder;

class TestTools : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sortsInSpanishOrder();
    void sortKeepsEqualRecordsInTheirOrder();
    void indBatSortsDefaultAlmOfTheWorkingFolder();
    void repetidoKeepsTheFirstOfEachRecord();
    void toolsLeaveAFileThatIsNotOneRecordPerLine_data();
    void toolsLeaveAFileThatIsNotOneRecordPerLine();
    void toolsReportAMissingFile_data();
    void toolsReportAMissingFile();
    void toolsReportAFolderTheyCannotWrite();
    void repetidoExplainsItself();
};

namespace {

struct Run
{
    int status = -1;
    QString out;
    QString err;
};

Run run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program.startsWith(u'/')
                      ? program
                      : qEnvironmentVariable("TESKARO_BIN_DIR") + u'/' + program,
                  arguments);
    if (!process.waitForFinished(20000))
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QByteArray lines(std::initializer_list<const char *> records)
{
    QByteArray bytes;
    for (const char *record : records)
        bytes += QByteArray(record) + "\r\n";
    return bytes;
}

} // namespace

void TestTools::sortsInSpanishOrder()
{
    TestFolder folder;
    folder.write(u"k.alm"_s, lines({"\" O \",\" z \"", "\" \xD1U \",\" x \"", "\" NZ \",\" y \"",
                                    "\" N \",\" y \"", "\" 9 \",\" y \"", "\"  \",\" y \"",
                                    "\" \xC1"
                                    "BACO \",\" y \"",
                                    "\" ABACO \",\" y \""}));
    const Run sorted = run(u"teskaro-ordenar"_s, {u"k.alm"_s});
    QCOMPARE(sorted.status, 0);
    QCOMPARE(sorted.out, u"8 registros ordenados en k.alm\n"_s);
    QCOMPARE(
        folder.read(u"k.alm"_s),
        lines({"\"  \",\" y \"", "\" 9 \",\" y \"", "\" ABACO \",\" y \"",
               "\" \xC1"
               "BACO \",\" y \"",
               "\" N \",\" y \"", "\" NZ \",\" y \"", "\" \xD1U \",\" x \"", "\" O \",\" z \""}));
}

void TestTools::sortKeepsEqualRecordsInTheirOrder()
{
    TestFolder folder;
    // The second and fourth lines read the same but differ in their bytes.
    folder.write(u"k.alm"_s, "\" B \",\" 1 \"\r\n\" A \",\" 2 \" first\r\n\n\" B \",\" 0 \"\n"
                             "\" A \",\" 2 \" second\r\n");
    QCOMPARE(run(u"teskaro-ordenar"_s, {u"k.alm"_s}).status, 0);
    QCOMPARE(folder.read(u"k.alm"_s), "\" A \",\" 2 \" first\r\n\" A \",\" 2 \" second\r\n"
                                      "\" B \",\" 0 \"\r\n\" B \",\" 1 \"\r\n");
}

void TestTools::indBatSortsDefaultAlmOfTheWorkingFolder()
{
    TestFolder folder;
    folder.write(u"default.alm"_s, lines({"\" Z \",\" 1 \"", "\" A \",\" 2 \""}));
    QProcess process;
    process.setWorkingDirectory(folder.path());
    process.start(qEnvironmentVariable("TESKARO_BIN_DIR") + u"/IND.BAT"_s, {});
    QVERIFY(process.waitForFinished(20000));
    QCOMPARE(process.exitCode(), 0);
    QCOMPARE(folder.read(u"default.alm"_s), lines({"\" A \",\" 2 \"", "\" Z \",\" 1 \""}));
}

void TestTools::repetidoKeepsTheFirstOfEachRecord()
{
    TestFolder folder;
    folder.write(u"k.alm"_s, lines({"\" B \",\" 1 \"", "\" A \",\" 1 \"", "\"B\",\"1\"",
                                    "\" B \",\" 1 \"", "\" C \",\" 3 \"", "\" A \",\" 1 \""}));
    const Run result = run(u"repetido"_s, {u"k.alm"_s});
    QCOMPARE(result.status, 0);
    QCOMPARE(result.out, u"6 registros leídos, 2 repetidos eliminados\n"_s);
    QCOMPARE(folder.read(u"k.alm"_s),
             lines({"\" B \",\" 1 \"", "\" A \",\" 1 \"", "\"B\",\"1\"", "\" C \",\" 3 \""}));
}

void TestTools::toolsLeaveAFileThatIsNotOneRecordPerLine_data()
{
    QTest::addColumn<QString>("tool");
    QTest::addRow("sort") << u"teskaro-ordenar"_s;
    QTest::addRow("repetido") << u"repetido"_s;
}

void TestTools::toolsLeaveAFileThatIsNotOneRecordPerLine()
{
    QFETCH(QString, tool);
    TestFolder folder;
    const QByteArray outOfStep = lines({"\" Z \"", "\" A \",\" B \"", "\" Z \",\" A \""});
    folder.write(u"k.alm"_s, outOfStep);
    const Run result = run(tool, {u"k.alm"_s});
    QCOMPARE(result.status, 1);
    QVERIFY2(result.err.contains(u"la línea 1 no es un registro completo"_s),
             qPrintable(result.err));
    QCOMPARE(folder.read(u"k.alm"_s), outOfStep);
}

void TestTools::toolsReportAMissingFile_data()
{
    toolsLeaveAFileThatIsNotOneRecordPerLine_data();
}

void TestTools::toolsReportAMissingFile()
{
    QFETCH(QString, tool);
    TestFolder folder;
    const Run result = run(tool, {u"nada.alm"_s});
    QCOMPARE(result.status, 1);
    QVERIFY2(result.err.contains(u"nada.alm: no existe"_s), qPrintable(result.err));
    QVERIFY(QDir().entryList(QDir::Files | QDir::Hidden).isEmpty());
}

void TestTools::toolsReportAFolderTheyCannotWrite()
{
    TestFolder folder;
    QVERIFY(QDir().mkdir(u"locked"_s));
    folder.write(u"locked/k.alm"_s, lines({"\" B \",\" 1 \"", "\" B \",\" 1 \""}));
    const auto readable = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup |
                          QFile::ReadOther | QFile::ExeOther;
    QVERIFY(QFile::setPermissions(folder.path(), readable | QFile::WriteOwner));
    QVERIFY(QFile::setPermissions(folder.filePath(u"locked"_s), readable));
    // Permissions do not bind the superuser: run the tool as nobody then.
    Run result;
    if (::geteuid() == 0) {
        if (QStandardPaths::findExecutable(u"setpriv"_s).isEmpty())
            QSKIP("running as the superuser without setpriv");
        result = run(u"/usr/bin/setpriv"_s,
                     {u"--reuid=65534"_s, u"--regid=65534"_s, u"--clear-groups"_s,
                      qEnvironmentVariable("TESKARO_BIN_DIR") + u"/repetido"_s, u"locked/k.alm"_s});
    } else {
        result = run(u"repetido"_s, {u"locked/k.alm"_s});
    }
    QFile::setPermissions(folder.filePath(u"locked"_s), readable | QFile::WriteOwner);
    QCOMPARE(result.status, 1);
    QVERIFY2(result.err.contains(u"permiso denegado"_s), qPrintable(result.err));
    QCOMPARE(folder.read(u"locked/k.alm"_s), lines({"\" B \",\" 1 \"", "\" B \",\" 1 \""}));
}

void TestTools::repetidoExplainsItself()
{
    const Run help = run(u"repetido"_s, {u"--help"_s});
    QCOMPARE(help.status, 0);
    QVERIFY(help.out.startsWith(u"Uso: repetido ARCHIVO"_s));
    QCOMPARE(run(u"repetido"_s, {}).status, 2);
    QCOMPARE(run(u"teskaro-ordenar"_s, {u"--help"_s}).status, 0);
}

QTEST_GUILESS_MAIN(TestTools)
#include "tst_tools.moc"
