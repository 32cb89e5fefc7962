#include "dialogue/sysinfo.h"
#include "platform/linuxregistry.h"
#include "support/recordingfakes.h"
#include "support/testfolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace teskaro;
using namespace teskaro::testing;

using Value = std::optional<RegistryValue>;
Q_DECLARE_METATYPE(Value)

class TestSysInfo : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsValueAsText_data();
    void readsValueAsText();
    void startsToolOrTellsItIsUnavailable_data();
    void startsToolOrTellsItIsUnavailable();
    void unavailableMessageReadsExactly();
    void linuxRegistryFindsToolOnPath_data();
    void linuxRegistryFindsToolOnPath();
    void linuxRegistryAnswersNothingElse_data();
    void linuxRegistryAnswersNothingElse();
    void startsToolFoundOnPath();
};

namespace {

const QString location1 = u"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"_s;
const QString location2 = u"SOFTWARE\\Microsoft\\Shared Tools Location"_s;

Value text(const QByteArray &bytes)
{
    return RegistryValue{1, bytes};
}

Value number(const QByteArray &bytes)
{
    return RegistryValue{4, bytes};
}

// Makes each entry under root: "a/x" an executable file, "a/x-" a file that
// cannot be run, "a/x/" a folder.
void makeEntries(const QDir &root, const QStringList &entries)
{
    for (QString entry : entries) {
        const bool folder = entry.endsWith(u'/');
        const bool runnable = !entry.endsWith(u'-');
        entry.chop(folder || !runnable ? 1 : 0);
        QVERIFY(root.mkpath(QFileInfo(entry).path()));
        if (folder) {
            QVERIFY(root.mkpath(entry));
            continue;
        }
        QFile file(root.filePath(entry));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.setPermissions(runnable ? file.permissions() | QFile::ExeOwner
                                     : QFile::ReadOwner | QFile::WriteOwner);
    }
}

} // namespace

void TestSysInfo::readsValueAsText_data()
{
    QTest::addColumn<Value>("value");
    QTest::addColumn<bool>("read");
    QTest::addColumn<QString>("result"); // it was "before"

    QTest::addRow("absent") << Value() << false << QString();
    QTest::addRow("string with its zero") << text("C:\\msinfo\0"_ba) << true << u"C:\\msinfo"_s;
    QTest::addRow("string without zero") << text("C:\\msinfo"_ba) << true << u"C:\\msinfo"_s;
    QTest::addRow("last zero dropped only") << text("A\0\0"_ba) << true << u"A\0"_s;
    QTest::addRow("inner zero kept") << text("A\0B"_ba) << true << u"A\0B"_s;
    QTest::addRow("empty") << text(""_ba) << true << QString();
    QTest::addRow("only a zero") << text("\0"_ba) << true << QString();
    QTest::addRow("code page") << text("Informaci\xf3n \x80\0"_ba) << true << u"Información €"_s;
    QTest::addRow("number") << number("\x78\x56\x34\x12"_ba) << true << u"&h12345678"_s;
    QTest::addRow("number padded") << number("\x0f\x00\xab\x01"_ba) << true << u"&h01AB000F"_s;
    QTest::addRow("number zero high byte") << number("\x10\0\0\0"_ba) << true << u"&h000010"_s;
    QTest::addRow("binary") << Value({3, "abc"_ba}) << true << u"before"_s;
    QTest::addRow("multi-string") << Value({7, "a\0b\0\0"_ba}) << true << u"before"_s;
    QTest::addRow("1024 bytes") << text(QByteArray(1023, 'x') + '\0') << true
                                << QString(1023, u'x');
    QTest::addRow("1025 bytes") << text(QByteArray(1024, 'x') + '\0') << false << QString();
}

void TestSysInfo::readsValueAsText()
{
    QFETCH(Value, value);
    QFETCH(bool, read);
    QFETCH(QString, result);

    FakeRegistry registry;
    if (value)
        registry.set(u"Key"_s, u"Value"_s, *value);
    QString found = u"before"_s;
    QCOMPARE(GetKeyValue(registry, Registry::Root::LocalMachine, u"Key"_s, u"Value"_s, found),
             read);
    QCOMPARE(found, result);
}

void TestSysInfo::startsToolOrTellsItIsUnavailable_data()
{
    QTest::addColumn<Value>("path");          // location 1
    QTest::addColumn<Value>("folder");        // location 2
    QTest::addColumn<QStringList>("files");   // made in the working folder
    QTest::addColumn<QStringList>("missing"); // programs that cannot start
    QTest::addColumn<QString>("started");     // none: the message instead

    const Value none;
    const Value tools = text("Tools\0"_ba);
    const QStringList exe{u"Tools\\MSINFO32.EXE"_s};
    const QStringList no;

    QTest::addRow("location 1 first") << text("C:\\Archivos\\msinfo32.exe\0"_ba) << tools << exe
                                      << no << u"C:\\Archivos\\msinfo32.exe"_s;
    QTest::addRow("location 1 unchanged")
        << text("  msinfo32 /all\0"_ba) << none << no << no << u"  msinfo32 /all"_s;
    QTest::addRow("location 1 number")
        << number("\x78\x56\x34\x12"_ba) << none << no << no << u"&h12345678"_s;
    QTest::addRow("location 1 other type")
        << Value({3, "x\0"_ba}) << tools << exe << no << QString();
    QTest::addRow("location 1 empty") << text(""_ba) << tools << exe << no << QString();
    QTest::addRow("location 1 only a zero") << text("\0"_ba) << tools << exe << no << QString();
    QTest::addRow("location 1 cannot start")
        << text("msinfo32\0"_ba) << tools << exe << QStringList{u"msinfo32"_s} << QString();
    QTest::addRow("location 2") << none << tools << exe << no << u"Tools\\MSINFO32.EXE"_s;
    QTest::addRow("location 2 ends in backslash")
        << none << text("Tools\\\0"_ba) << QStringList{u"Tools\\\\MSINFO32.EXE"_s} << no
        << u"Tools\\\\MSINFO32.EXE"_s;
    QTest::addRow("location 2 backslash kept")
        << none << text("Tools\\\0"_ba) << exe << no << QString();
    QTest::addRow("location 2 without file") << none << tools << no << no << QString();
    QTest::addRow("location 2 empty")
        << none << text("\0"_ba) << QStringList{u"\\MSINFO32.EXE"_s} << no << QString();
    QTest::addRow("location 2 cannot start") << none << tools << exe << exe << QString();
    QTest::addRow("neither") << none << none << exe << no << QString();
}

void TestSysInfo::startsToolOrTellsItIsUnavailable()
{
    QFETCH(Value, path);
    QFETCH(Value, folder);
    QFETCH(QStringList, files);
    QFETCH(QStringList, missing);
    QFETCH(QString, started);

    TestFolder workingFolder;
    for (const QString &file : std::as_const(files))
        workingFolder.write(file, "tool");
    PlatformFakes fakes;
    if (path)
        fakes.registry.set(location1, u"PATH"_s, *path);
    if (folder)
        fakes.registry.set(location2, u"MSINFO"_s, *folder);
    fakes.launcher.missing = missing;

    StartSysInfo(fakes.platform);

    const QList<QStringList> programs =
        started.isEmpty() ? QList<QStringList>() : QList<QStringList>{{started}};
    QCOMPARE(fakes.launcher.started, programs);
    QCOMPARE(fakes.messages.shown.size(), started.isEmpty() ? 1 : 0);
}

void TestSysInfo::unavailableMessageReadsExactly()
{
    PlatformFakes fakes;
    StartSysInfo(fakes.platform);

    QCOMPARE(fakes.log.events, QStringList{u"message:teskaro"_s});
    const MessageBoxSpec &box = fakes.messages.shown.at(0);
    QCOMPARE(box.title, u"teskaro"_s);
    QCOMPARE(box.text, u"System Information Is Unavailable At This Time"_s);
    QCOMPARE(box.icon, MessageBoxSpec::Icon::None);
    QCOMPARE(box.buttons, MessageBoxSpec::Buttons::Ok);
}

void TestSysInfo::linuxRegistryFindsToolOnPath_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("path"); // folder names under the temporary folder
    QTest::addColumn<QString>("found");

    QTest::addRow("list order beats PATH order")
        << QStringList{u"a/gnome-system-monitor"_s, u"b/hardinfo"_s} << u"a:b"_s << u"b/hardinfo"_s;
    QTest::addRow("PATH order for one program")
        << QStringList{u"a/kinfocenter"_s, u"b/kinfocenter"_s} << u"b:a"_s << u"b/kinfocenter"_s;
    QTest::addRow("not runnable") << QStringList{u"a/hardinfo-"_s, u"b/cpu-x"_s} << u"a:b"_s
                                  << u"b/cpu-x"_s;
    QTest::addRow("a folder") << QStringList{u"a/hardinfo/"_s, u"b/cpu-x"_s} << u"a:b"_s
                              << u"b/cpu-x"_s;
    QTest::addRow("empty PATH parts")
        << QStringList{u"b/mate-system-monitor"_s} << u"::b:"_s << u"b/mate-system-monitor"_s;
    QTest::addRow("folder not on PATH") << QStringList{u"b/hardinfo"_s} << u"a"_s << QString();
    QTest::addRow("unlisted program") << QStringList{u"a/htop"_s} << u"a"_s << QString();
}

void TestSysInfo::linuxRegistryFindsToolOnPath()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, path);
    QFETCH(QString, found);

    QTemporaryDir root;
    makeEntries(QDir(root.path()), entries);
    QStringList folders = path.split(u':');
    for (QString &folder : folders)
        folder = folder.isEmpty() ? folder : root.filePath(folder);

    const LinuxRegistry registry(folders.join(u':'));
    const auto value = registry.readValue(Registry::Root::LocalMachine, location1, u"PATH"_s);
    if (found.isEmpty()) {
        QVERIFY(!value);
        return;
    }
    QVERIFY(value);
    QCOMPARE(value->type, 1u);
    QCOMPARE(value->bytes, root.filePath(found).toLatin1() + '\0');
}

void TestSysInfo::linuxRegistryAnswersNothingElse_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");

    QTest::addRow("location 2") << location2 << u"MSINFO"_s;
    QTest::addRow("other value of location 1") << location1 << u"MSINFO"_s;
    QTest::addRow("other key") << u"SOFTWARE\\Microsoft"_s << u"PATH"_s;
}

void TestSysInfo::linuxRegistryAnswersNothingElse()
{
    QFETCH(QString, key);
    QFETCH(QString, value);

    QTemporaryDir root;
    makeEntries(QDir(root.path()), {u"hardinfo"_s});
    const LinuxRegistry registry(root.path());
    QVERIFY(!registry.readValue(Registry::Root::LocalMachine, key, value));
}

void TestSysInfo::startsToolFoundOnPath()
{
    QTemporaryDir root;
    makeEntries(QDir(root.path()), {u"kinfocenter"_s});
    PlatformFakes fakes;
    LinuxRegistry found(root.path());
    StartSysInfo({fakes.files, fakes.launcher, fakes.messages, fakes.exit, found});
    QCOMPARE(fakes.launcher.started, QList<QStringList>{{root.filePath(u"kinfocenter"_s)}});

    LinuxRegistry nothing(QString{});
    StartSysInfo({fakes.files, fakes.launcher, fakes.messages, fakes.exit, nothing});
    QCOMPARE(fakes.launcher.started.size(), 1);
    QCOMPARE(fakes.messages.shown.size(), 1);
}

QTEST_GUILESS_MAIN(TestSysInfo)
#include "tst_sysinfo.moc"
