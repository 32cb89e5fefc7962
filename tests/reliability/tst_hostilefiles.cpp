// Hostile things where the knowledge file should be, met by the engine at
// start-up, at a question (a file chosen in the open dialog), at the sort
// command, at learning and in the save-as dialog, and hostile names and
// folders. Each meets the
// settled answer, or a "$ " line naming the file and the reason; nothing
// hangs, and no file is changed unless the operation worked.

#include "hostilefiles.h"
#include "knowledge/knowledgeloader.h"
#include "knowledge/recordformat.h"
#include "support/recordingfakes.h"
#include "support/testfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using namespace teskaro;
using namespace teskaro::testing;

class TestHostileFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startUp_data() { addHostileRows(); }
    void startUp();
    void questionAboutAnOpenedFile_data() { addHostileRows(); }
    void questionAboutAnOpenedFile();
    void sortCommand_data() { addHostileRows(); }
    void sortCommand();
    void learning_data() { addHostileRows(); }
    void learning();
    void saveAsFromIt_data() { addHostileRows(); }
    void saveAsFromIt();
    void saveAsOntoIt_data() { addHostileRows(); }
    void saveAsOntoIt();
    void hostileNamesAndFolders();
};

namespace {

const QString hostileFolder = u"carpeta con blancos 'simples' \"dobles\"; Жизнь"_s;
const QString hostileName = u"mi base \"de\" 'datos'; ñandú Жизнь.alm"_s;

qint64 sizeOf(const QString &name)
{
    return QFileInfo(name).size();
}

// The bytes of a regular file; opening a FIFO to read it would wait for a
// writer for ever.
QByteArray bytesOf(const QString &name)
{
    QFile file(name);
    if (!QFileInfo(name).isFile() || !file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// An engine started in the working folder, with nothing there yet.
std::unique_ptr<EngineRig> startedRig()
{
    auto rig = std::make_unique<EngineRig>();
    rig->engine.Form_Load();
    return rig;
}

void typeInto(EngineRig &rig, const QString &line)
{
    rig.view.input = line;
    rig.engine.pressDefaultButton();
}

QList<KnowledgeRecord> recordsOf(const QString &name)
{
    auto table = std::make_unique<KnowledgeTable>();
    loadKnowledgeTable(name, *table);
    QList<KnowledgeRecord> records;
    for (int row = 0; row < table->recordCount; ++row)
        records += {table->topicColumn[row], table->statementColumn[row]};
    return records;
}

// The status line a load of the file gives, without its line end.
QString statusLine(const HostileFile &hostile, const QString &file)
{
    if (hostile.load == LoadOutcome::Status::Unreadable)
        return u"$ No es posible leer la base de conocimientos "_s + file + u": "_s +
               hostile.readReason;
    if (hostile.load == LoadOutcome::Status::Incomplete)
        return u"$ El último registro de "_s + file +
               u" está incompleto y no se ha tenido en cuenta"_s;
    return {};
}

// The line a failed save-as writes.
QString copyFailure(const DialogueState &state, const QString &reason)
{
    return u"$ No se ha podido copiar "_s + state.activeFileName + u" en "_s +
           state.selectedFileName + u": "_s + reason + u"\r\n"_s;
}

} // namespace

void TestHostileFiles::startUp()
{
    const HostileFile &hostile = fetchHostile();
    if (ranAsNobody(hostile))
        return;
    TestFolder folder;
    hostile.make(u"default.alm"_s);
    const QByteArray before = fingerprint(u"default.alm"_s);

    EngineRig rig;
    {
        const FileSizeLimit limit(hostile.diskFull ? sizeOf(u"default.alm"_s) + 10 : -1);
        rig.engine.Form_Load();
    }
    QCOMPARE(rig.exit.ended, !hostile.startsUp);
    if (hostile.startsUp) {
        QVERIFY(rig.messages.shown.isEmpty());
        QVERIFY(rig.view.transcript.contains(u":) ESTOY LISTO PARA UNA SESION.\r\n"_s));
    } else {
        QCOMPARE(rig.exit.status, 1);
        QCOMPARE(rig.messages.shown.size(), 1);
        QCOMPARE(rig.messages.shown.first().title, u" Adevertencia! - TESKARO"_s);
    }
    QCOMPARE(fingerprint(u"default.alm"_s), before);
}

void TestHostileFiles::questionAboutAnOpenedFile()
{
    const HostileFile &hostile = fetchHostile();
    if (ranAsNobody(hostile))
        return;
    TestFolder folder;
    const auto rig = startedRig();
    hostile.make(u"hostil.alm"_s);
    const QByteArray before = fingerprint(u"hostil.alm"_s);
    rig->engine.abre_Click();
    rig->engine.Formopen_Command1_Click(folder.path(), u"hostil.alm"_s);
    rig->engine.Option2_Click();
    const qsizetype mark = rig->view.transcript.size();
    typeInto(*rig, u"QUE SABES DE LOS HOMBRES"_s);

    const QString &file = rig->engine.state().activeFileName;
    QCOMPARE(file, folder.filePath(u"hostil.alm"_s));
    const QString status = statusLine(hostile, file);
    // The status line, then the question, then answers from what was read.
    const QString added = rig->view.transcript.mid(mark);
    const QString echo = u"\r\n  [ QUE SABES DE LOS HOMBRES ]\r\n"_s;
    QVERIFY2(added.startsWith(status + (status.isEmpty() ? u""_s : u"\r\n"_s) + echo),
             qPrintable(added.left(300)));
    const QList<KnowledgeRecord> readable = recordsOf(u"hostil.alm"_s);
    QCOMPARE(rig->engine.state().table.recordCount, readable.size());
    QCOMPARE(rig->view.countLabel, countCaption(int(readable.size())));
    QVERIFY(!rig->engine.state().replyText.isEmpty());
    QVERIFY(added.endsWith(rig->engine.state().replyText + u"\r\n"_s));
    QCOMPARE(added.count(u"\r\n$ "_s) + added.startsWith(u"$ "_s), status.isEmpty() ? 0 : 1);
    QCOMPARE(fingerprint(u"hostil.alm"_s), before);
}

// "Ordenar ideas y recuerdos" starts the sort and reads the file again.
void TestHostileFiles::sortCommand()
{
    const HostileFile &hostile = fetchHostile();
    if (ranAsNobody(hostile))
        return;
    TestFolder folder;
    const auto rig = startedRig();
    hostile.make(u"default.alm"_s);
    const QByteArray before = fingerprint(u"default.alm"_s);
    const qsizetype mark = rig->view.transcript.size();
    rig->engine.orden_Click();

    const QString added = rig->view.transcript.mid(mark);
    const QString status = statusLine(hostile, u"default.alm"_s);
    const bool seen = QFileInfo(u"default.alm"_s).exists() && !QFileInfo(u"default.alm"_s).isDir();
    QCOMPARE(rig->launcher.started.size(), seen ? 1 : 0);
    if (!seen)
        QVERIFY(added.contains(u"\r\n$ Realmente no poseo ningún dato en mi memoria, pero ..."_s));
    else if (!status.isEmpty())
        QVERIFY2(added.contains(u"...\r\n"_s + status + u"\r\n:) ESTOY LISTO PARA UNA SESION."_s),
                 qPrintable(added));
    else
        QVERIFY2(!added.contains(u"\r\n$ No"_s) && !added.contains(u"\r\n$ El"_s),
                 qPrintable(added));
    if (seen)
        QCOMPARE(rig->view.countLabel, countCaption(int(recordsOf(u"default.alm"_s).size())));
    QVERIFY(!rig->exit.ended);
    QCOMPARE(fingerprint(u"default.alm"_s), before);
}

void TestHostileFiles::learning()
{
    const HostileFile &hostile = fetchHostile();
    if (ranAsNobody(hostile))
        return;
    TestFolder folder;
    const auto rig = startedRig();
    hostile.make(u"default.alm"_s);
    const QByteArray before = fingerprint(u"default.alm"_s);
    const QList<KnowledgeRecord> recordsBefore = recordsOf(u"default.alm"_s);
    const QByteArray bytesBefore = bytesOf(u"default.alm"_s);
    const int countBefore = rig->engine.state().displayedCount;
    const qsizetype mark = rig->view.transcript.size();
    {
        const FileSizeLimit limit(hostile.diskFull ? sizeOf(u"default.alm"_s) + 10 : -1);
        typeInto(*rig, u"LOS PERROS SON LEALES"_s);
    }
    const QString added = rig->view.transcript.mid(mark);
    const QString echo = u"\r\n  [ LOS PERROS SON LEALES ]\r\n"_s;

    if (hostile.learnReason.isEmpty()) {
        QCOMPARE(added, echo + rig->engine.state().replyText + u"\r\n"_s);
        QVERIFY(added.contains(u"  LOS PERROS ... "_s));
        QVERIFY(bytesOf(u"default.alm"_s).startsWith(bytesBefore));
        const QList<KnowledgeRecord> learned{{u" LOS PERROS "_s, u" SON LEALES "_s},
                                             {u" SON LEALES "_s, u" LOS PERROS "_s}};
        QCOMPARE(recordsOf(u"default.alm"_s), recordsBefore + learned);
        QCOMPARE(rig->engine.state().displayedCount, countBefore + 1);
    } else {
        QCOMPARE(added, echo + u"$ No he podido guardar lo aprendido en default.alm: "_s +
                            hostile.learnReason + u". No se ha aprendido nada.\r\n"_s);
        QCOMPARE(fingerprint(u"default.alm"_s), before);
        QCOMPARE(rig->engine.state().displayedCount, countBefore);
    }
    QVERIFY(!rig->exit.ended);
}

void TestHostileFiles::saveAsFromIt()
{
    const HostileFile &hostile = fetchHostile();
    if (ranAsNobody(hostile))
        return;
    TestFolder folder;
    const auto rig = startedRig();
    hostile.make(u"default.alm"_s);
    const QByteArray before = fingerprint(u"default.alm"_s);
    const qsizetype mark = rig->view.transcript.size();
    rig->view.onSaveDialog = [&] {
        rig->engine.Formsave_Command1_Click(folder.path(), u"COPIA"_s);
    };
    {
        const FileSizeLimit limit(hostile.diskFull ? sizeOf(u"default.alm"_s) / 2 : -1);
        rig->engine.guar_Click();
    }
    const QString added = rig->view.transcript.mid(mark);
    const DialogueState &state = rig->engine.state();
    if (hostile.readReason.isEmpty()) {
        QCOMPARE(added, QString());
        QCOMPARE(bytesOf(u"COPIA.alm"_s), bytesOf(u"default.alm"_s));
    } else {
        QCOMPARE(added, copyFailure(state, hostile.readReason));
        QVERIFY(!QFile::exists(u"COPIA.alm"_s));
    }
    QCOMPARE(fingerprint(u"default.alm"_s), before);
    // No half-written copy is left behind.
    QCOMPARE(
        QDir().entryList(QDir::Hidden | QDir::Files | QDir::NoDotAndDotDot).filter(u".COPIA"_s),
        QStringList());
}

void TestHostileFiles::saveAsOntoIt()
{
    const HostileFile &hostile = fetchHostile();
    if (ranAsNobody(hostile))
        return;
    TestFolder folder;
    folder.write(u"bueno.alm"_s, "\" EL SOL \",\" ES UNA ESTRELLA \"\r\n");
    const auto rig = startedRig();
    rig->engine.abre_Click();
    rig->engine.Formopen_Command1_Click(folder.path(), u"bueno.alm"_s);
    hostile.make(u"default.alm"_s);
    const QByteArray before = fingerprint(u"default.alm"_s);
    const qsizetype mark = rig->view.transcript.size();
    rig->view.onSaveDialog = [&] {
        rig->engine.Formsave_Command1_Click(folder.path(), u"default"_s);
    };
    {
        const FileSizeLimit limit(hostile.diskFull ? 16 : -1);
        rig->engine.guar_Click();
    }
    const QString added = rig->view.transcript.mid(mark);
    const DialogueState &state = rig->engine.state();
    if (hostile.replaceReason.isEmpty()) {
        QCOMPARE(added, QString());
        QCOMPARE(bytesOf(u"default.alm"_s), bytesOf(u"bueno.alm"_s));
    } else {
        QCOMPARE(added, copyFailure(state, hostile.replaceReason));
        QCOMPARE(fingerprint(u"default.alm"_s), before);
    }
    QCOMPARE(bytesOf(u"bueno.alm"_s), QByteArray("\" EL SOL \",\" ES UNA ESTRELLA \"\r\n"));
}

// Blanks, quotes, a semicolon and non-Latin letters in the working folder,
// in a file opened and in a name typed in the save-as dialog.
void TestHostileFiles::hostileNamesAndFolders()
{
    TestFolder root;
    QVERIFY(QDir().mkdir(hostileFolder));
    QVERIFY(QDir::setCurrent(hostileFolder));
    const QString here = QDir::currentPath();
    root.write(hostileFolder + u'/' + hostileName, "\" EL SOL \",\" ES UNA ESTRELLA \"\r\n");

    const auto rig = startedRig();
    QVERIFY(rig->view.transcript.contains(here + u"\r\n"_s));
    rig->engine.abre_Click();
    rig->engine.Formopen_Command1_Click(here, hostileName);
    typeInto(*rig, u"LA LUNA ES UN SATELITE"_s);
    rig->engine.Option2_Click();
    const qsizetype mark = rig->view.transcript.size();
    typeInto(*rig, u"QUE SABES DE LA LUNA"_s);
    QVERIFY(rig->view.transcript.mid(mark).contains(u"LA LUNA ES UN SATELITE"_s));

    rig->view.onSaveDialog = [&] {
        rig->engine.Formsave_Command1_Click(here, u" otra \"copia\"; 'ñ' Ж "_s);
    };
    rig->engine.guar_Click();
    const QByteArray learned = bytesOf(hostileName);
    QCOMPARE(learned,
             "\" EL SOL \",\" ES UNA ESTRELLA \"\r\n"
             "\" LA LUNA \",\" ES UN SATELITE \"\r\n\" ES UN SATELITE \",\" LA LUNA \"\r\n");
    QCOMPARE(bytesOf(u"otra \"copia\"; 'ñ' Ж.alm"_s), learned);

    // repetido gets the whole name as its one argument.
    rig->engine.redun_Click();
    QCOMPARE(rig->launcher.started.last(), (QStringList{u"repetido"_s, here + u'/' + hostileName}));
    QVERIFY(!rig->view.transcript.contains(u"\r\n$ No"_s));
}

QTEST_GUILESS_MAIN(TestHostileFiles)
#include "tst_hostilefiles.moc"
