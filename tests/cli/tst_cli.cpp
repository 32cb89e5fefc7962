#include "dialogue/phrasetables.h"
#include "dialogue/randomsource.h"
#include "support/testfolder.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace teskaro;
using teskaro::testing::numberedRecords;
using teskaro::testing::TestFolder;

// Runs teskaro-cli as a user does, in the test's folder, and reads what the
// user would see on standard output and standard error.
class TestCli : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void replaysAWholeSessionFromASeed();
    void endsWithStatusZero_data();
    void endsWithStatusZero();
    void failedStartUpExitsWithStatusOne();
    void commandsAnswerOnStandardError_data();
    void commandsAnswerOnStandardError();
    void helpListsEveryCommand();
    void openAndSaveAsTakeNamesWithBlanks();
    void commandLine_data();
    void commandLine();
};

namespace {

struct Run
{
    int status = -1;
    QString out;
    QString err;
};

Run runCli(const QByteArray &input, const QStringList &arguments = {})
{
    QProcess process;
    process.start(qEnvironmentVariable("TESKARO_BIN_DIR") + u"/teskaro-cli"_s, arguments);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// The canned texts a session with the given seed picks, in turn.
class Picks
{
public:
    explicit Picks(quint32 seed)
        : m_random(seed)
    {
        fillPhraseTables(m_phrases);
    }
    QString next(PhraseTable PhraseTables::*table)
    {
        return (m_phrases.*table)[pickPhraseIndex(m_random, phraseCountAtStart)];
    }

private:
    PhraseTables m_phrases;
    SeededRandom m_random;
};

QString startUpWithoutAFile(Picks &picks)
{
    return u"$ Recuperando ideas y recuerdos...\n"_s + QDir::currentPath() +
           u"\n\n$ Realmente no poseo ningún dato en mi memoria, pero ...\n"
           u":) ESTOY LISTO PARA UNA SESION.\n"_s +
           picks.next(&PhraseTables::teachPrompts) + u'\n';
}

const QByteArray sunRecords("\" EL SOL \",\" ES UNA ESTRELLA \"\r\n"
                            "\" ES UNA ESTRELLA \",\" EL SOL \"\r\n");

const QString inversionWarning =
    u"Adevertencia! - Parvelix Suite PRO\n"
    u"   Al activar/desactivar la opción de INVERSION DE PRONOMBRES (MI/TU ME/TE) atribuye al "
    u"programa TESKARO una entidad de personalidad propia.\n\n"
    u"   Utilice siempre la misma forma para no alterar la estructura de la información\n"_s;

} // namespace

void TestCli::replaysAWholeSessionFromASeed()
{
    TestFolder folder;
    const Run run = runCli("/invertir\n"
                           "el sol es una estrella\r\n"
                           "\xC2\xBFmi ni\xC3\xB1o es peque\xC3\xB1o?\n"
                           "//hola\n"
                           "/estado\n"
                           "/consulta\n"
                           "/estado\n"
                           "\xC2\xBFque sabes del sol?\n"
                           "/estado\n"
                           "adios\n"
                           "la luna es un satelite\n",
                           {u"--seed"_s, u"4242"_s});

    Picks picks(4242);
    QString transcript = startUpWithoutAFile(picks);
    transcript += u"\n  [ EL SOL ES UNA ESTRELLA ]\n"_s +
                  picks.next(&PhraseTables::learnedPhrases) + u"  EL SOL ... \n\n"_s;
    transcript += u"\n  [  MI NIÑO ES PEQUEÑO  ]\n"_s + picks.next(&PhraseTables::learnedPhrases) +
                  u"  MI NIÑO ... \n\n"_s;
    transcript += u"\n  [ /HOLA ]\n"_s + picks.next(&PhraseTables::notUnderstoodPhrases) + u'\n';
    transcript += u"\n$   ... cambiando a modo consulta ...\n\n"_s +
                  picks.next(&PhraseTables::askPrompts) + u'\n';
    transcript += u"\n  [  QUE SABES DEL SOL  ]\n"_s + picks.next(&PhraseTables::recallPhrases) +
                  u"EL SOL ES UNA ESTRELLA \n"_s;
    transcript += u"\n  [ ADIOS ]\n"_s;

    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, transcript);
    QCOMPARE(run.err, inversionWarning +
                          u"Base de conocimiento : default.alm | Aprendizaje directo: 2 | Modo: "
                          u"Aprendizaje\n"
                          u"Base de conocimiento : default.alm | Aprendizaje directo: 2 | Modo: "
                          u"Consulta\n"
                          u"Base de conocimiento : default.alm | Aprendizaje directo: 4 | Modo: "
                          u"Consulta\n"_s);
    QCOMPARE(folder.read(u"default.alm"_s), sunRecords +
                                                "\" MI NI\xD1O \",\" ES PEQUE\xD1O \"\r\n"
                                                "\" ES PEQUE\xD1O \",\" MI NI\xD1O \"\r\n");
}

void TestCli::endsWithStatusZero_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QStringList>("echoes"); // the lines handled, as the transcript echoes them
    QTest::addColumn<bool>("endedByExitWord");
    QTest::addColumn<bool>("learned");

    QTest::addRow("end of input at once") << QByteArray() << QStringList() << false << false;
    QTest::addRow("end of input after a last line without a line end")
        << QByteArray("el sol es una estrella") << QStringList{u"  [ EL SOL ES UNA ESTRELLA ]"_s}
        << false << true;
    QTest::addRow("/salir") << QByteArray("/salir\nel sol es una estrella\n") << QStringList()
                            << false << false;
    QTest::addRow("exit word in learning mode") << QByteArray("fin\nel sol es una estrella\n")
                                                << QStringList{u"  [ FIN ]"_s} << true << false;
    QTest::addRow("exit word after learning")
        << QByteArray("el sol es una estrella\nquit\nla luna es un satelite\n")
        << QStringList{u"  [ EL SOL ES UNA ESTRELLA ]"_s, u"  [ QUIT ]"_s} << true << true;
}

void TestCli::endsWithStatusZero()
{
    QFETCH(QByteArray, input);
    QFETCH(QStringList, echoes);
    QFETCH(bool, endedByExitWord);
    QFETCH(bool, learned);

    TestFolder folder;
    const Run run = runCli(input, {u"--seed"_s, u"1"_s});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.err, QString());
    Picks picks(1);
    const QString startUp = startUpWithoutAFile(picks);
    QVERIFY2(run.out.startsWith(startUp), qPrintable(run.out));
    const QStringList handled =
        run.out.mid(startUp.size()).split(u'\n').filter(QRegularExpression(u"^  \\["_s));
    QCOMPARE(handled, echoes);
    if (echoes.isEmpty())
        QCOMPARE(run.out, startUp);
    if (endedByExitWord)
        QVERIFY2(run.out.endsWith(echoes.last() + u'\n'), qPrintable(run.out));
    QCOMPARE(folder.read(u"default.alm"_s), learned ? sunRecords : QByteArray());
}

void TestCli::failedStartUpExitsWithStatusOne()
{
    TestFolder folder;
    folder.write(u"default.alm"_s, numberedRecords(5002));
    const Run run = runCli("el sol es una estrella\n/estado\n");
    QCOMPARE(run.status, 1);
    QCOMPARE(run.out, u"$ Recuperando ideas y recuerdos...\n"_s + QDir::currentPath() +
                          u"\n$ en archivo default.alm ..."_s);
    QVERIFY2(run.err.startsWith(u" Adevertencia! - TESKARO\nTESKARO ha producido un fallo que "
                                u"impide la correcta ejecución del software."_s),
             qPrintable(run.err));
    QVERIFY2(run.err.endsWith(u"https://teskaro.example/\n"_s), qPrintable(run.err));
}

void TestCli::commandsAnswerOnStandardError_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("err");

    const QString learningState =
        u"Base de conocimiento : default.alm | Aprendizaje directo:00 | Modo: Aprendizaje\n"_s;
    QTest::addRow("/estado at start") << QByteArray("/estado\n") << learningState;
    QTest::addRow("/estado in upper case") << QByteArray("/ESTADO\n") << learningState;
    QTest::addRow("/consulta then /aprendizaje")
        << QByteArray("/consulta\n/estado\n/aprendizaje\n/estado\n")
        << u"Base de conocimiento : default.alm | Aprendizaje directo:00 | Modo: Consulta\n"_s +
               learningState;
    QTest::addRow("mode word typed") << QByteArray("hablemos\n/estado\n")
                                     << u"Base de conocimiento : default.alm | Aprendizaje "
                                        u"directo:00 | Modo: Consulta\n"_s;
    QTest::addRow("/invertir") << QByteArray("/invertir\n") << inversionWarning;
    QTest::addRow("/acerca") << QByteArray("/acerca\n")
                             << u"acerca de TESKARO...\nTESKARO\nVersión compilada: 1.0.35\n"
                                u"  Sistema Experto de Aprendizaje y Consulta de propósito general "
                                u"basado en el lenguaje humano. Forma parte de un proyecto de "
                                u"investigación en inteligencia artificial aplicada sobre sistemas "
                                u"expertos alimentados en lenguaje natural.\n"
                                u"© Los autores de Teskaro. Programa distribuido con fines "
                                u"educativos y de investigación.\n"_s;
    QTest::addRow("options say nothing")
        << QByteArray("/voz femenina\n/voz masculina\n/sintesis si\n/sintesis no\n/ordenar\n"
                      "/redundancias\n")
        << QString();
    QTest::addRow("unknown command")
        << QByteArray("/zzz otra cosa\n")
        << u"Orden desconocida: /zzz otra cosa (escriba /ayuda para ver las órdenes)\n"_s;
    QTest::addRow("slash alone")
        << QByteArray("/\n") << u"Orden desconocida: / (escriba /ayuda para ver las órdenes)\n"_s;
    QTest::addRow("command that takes nothing")
        << QByteArray("/consulta ya\n/estado\n")
        << u"La orden /consulta no lleva nada detrás.\n"_s + learningState;
    QTest::addRow("voice not named")
        << QByteArray("/voz aguda\n") << u"Use /voz masculina o /voz femenina\n"_s;
    QTest::addRow("speech neither on nor off")
        << QByteArray("/sintesis quizas\n") << u"Use /sintesis si o /sintesis no\n"_s;
    QTest::addRow("open without a file")
        << QByteArray("/abrir\n/abrir  \n")
        << u"Falta el archivo: /abrir ARCHIVO\nFalta el archivo: /abrir ARCHIVO\n"_s;
    QTest::addRow("open a file that is not there")
        << QByteArray("/abrir nada.alm\n/estado\n")
        << u"No existe el archivo nada.alm\n"_s + learningState;
    QTest::addRow("save without a name")
        << QByteArray("/guardar\n") << u"Falta el nombre: /guardar NOMBRE\n"_s;
}

void TestCli::commandsAnswerOnStandardError()
{
    QFETCH(QByteArray, input);
    QFETCH(QString, err);

    TestFolder folder;
    const Run run = runCli(input);
    QCOMPARE(run.status, 0);
    QCOMPARE(run.err, err);
    if (!err.isEmpty())
        QVERIFY2(!run.out.contains(err.section(u'\n', 0, 0)), qPrintable(run.out));
}

void TestCli::helpListsEveryCommand()
{
    TestFolder folder;
    const Run run = runCli("/ayuda\n");
    QCOMPARE(run.status, 0);
    for (const QString &command :
         {u"/aprendizaje"_s, u"/consulta"_s, u"/abrir ARCHIVO"_s, u"/guardar NOMBRE"_s,
          u"/ordenar"_s, u"/redundancias"_s, u"/invertir"_s, u"/voz masculina"_s,
          u"/voz femenina"_s, u"/sintesis si|no"_s, u"/acerca"_s, u"/estado"_s, u"/ayuda"_s,
          u"/salir"_s, u"//"_s}) {
        QVERIFY2(run.err.contains(u"\n  "_s + command), qPrintable(command));
    }
    QVERIFY(!run.out.contains(u"/salir"_s));
}

void TestCli::openAndSaveAsTakeNamesWithBlanks()
{
    TestFolder folder;
    folder.write(u"default.alm"_s, sunRecords);
    QVERIFY(QDir().mkdir(u"otra carpeta"_s));
    folder.write(u"otra carpeta/mi base.alm"_s, QByteArray());
    const QString other = QDir::currentPath() + u"/otra carpeta/mi base.alm"_s;

    // The second copy goes to a folder named from the root.
    const Run run = runCli("/guardar copia del sol\n"
                           "/abrir otra carpeta/mi base.alm\n"
                           "/estado\n"
                           "el mar es azul\n"
                           "/guardar " +
                           QDir::currentPath().toUtf8() + "/otra carpeta/copia del mar.ALM\n");
    QCOMPARE(run.status, 0);
    QCOMPARE(folder.read(u"copia del sol.alm"_s), sunRecords);
    const QByteArray seaRecords("\" EL MAR \",\" ES AZUL \"\r\n\" ES AZUL \",\" EL MAR \"\r\n");
    QCOMPARE(folder.read(u"otra carpeta/mi base.alm"_s), seaRecords);
    QCOMPARE(folder.read(u"otra carpeta/copia del mar.ALM"_s), seaRecords);
    QCOMPARE(folder.read(u"default.alm"_s), sunRecords);
    QVERIFY2(run.out.contains(u"\n$ abriendo base de conocimientos "_s + other +
                              u" ...\n\n:) ESTOY LISTO PARA UNA SESION.\n"_s),
             qPrintable(run.out));
    QCOMPARE(run.err, u"Base de conocimiento : "_s + other +
                          u" | Aprendizaje directo:?? | Modo: "
                          u"Aprendizaje\n"_s);
}

void TestCli::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");

    QTest::addRow("--version") << QStringList{u"--version"_s} << 0 << u"teskaro-cli 1.0.35\n"_s
                               << QString();
    QTest::addRow("--help") << QStringList{u"--help"_s} << 0 << u"--seed <N>"_s << QString();
    QTest::addRow("unknown option") << QStringList{u"--silencio"_s} << 2 << QString()
                                    << u"teskaro-cli: opción desconocida: --silencio\n"_s;
    QTest::addRow("unknown short option")
        << QStringList{u"-x"_s} << 2 << QString() << u"teskaro-cli: opción desconocida: -x\n"_s;
    QTest::addRow("seed that is no number")
        << QStringList{u"--seed"_s, u"siete"_s} << 2 << QString()
        << u"teskaro-cli: la semilla debe ser un número entre 0 y 4294967295: siete\n"_s;
    QTest::addRow("seed without a number")
        << QStringList{u"--seed"_s} << 2 << QString() << u"teskaro-cli: "_s;
    QTest::addRow("an argument") << QStringList{u"default.alm"_s} << 2 << QString()
                                 << u"teskaro-cli: argumento de más: default.alm\n"_s;
}

// Only the first line of the error is held exactly; the second one points
// to --help.
void TestCli::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);

    TestFolder folder;
    const Run run = runCli("el sol es una estrella\n", arguments);
    QCOMPARE(run.status, status);
    QVERIFY2(out.isEmpty() ? run.out.isEmpty() : run.out.contains(out), qPrintable(run.out));
    QVERIFY2(err.isEmpty() ? run.err.isEmpty() : run.err.startsWith(err), qPrintable(run.err));
    if (status != 0)
        QVERIFY2(run.err.endsWith(u"--help» para ver las opciones.\n"_s), qPrintable(run.err));
    QVERIFY(!QFile::exists(u"default.alm"_s));
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
