// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/consolemessageboxes.h"
#include "cli/consolesession.h"
#include "cli/streaminput.h"
#include "dialogue/dialogueengine.h"
#include "support/fakes.h"
#include "support/processrunner.h"
#include "support/testfolder.h"
#include "teskaro/version.h"

#include <QBuffer>
#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace teskaro;
using namespace teskaro::testing;

// teskaro-cli as a user sees it: lines in, the transcript on one stream,
// everything else on the other. Most of it runs in this process on buffers;
// the program itself runs where its command line, its end or a kill is what
// is tested.
class TestCli : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void answersCommands_data();
    void answersCommands();
    void deducesWithRulesAndLogicOn();
    void setsOptionsSilently();
    void understandsSpanishAsWritten();
    void editsStatementsByNumber();
    void opensAndSavesNamesWithBlanks();
    void drawsTheKnowledgeMap();
    void runsAsAProgram_data();
    void runsAsAProgram();
    void keepsEveryAcknowledgedStatementThroughKills();
};

namespace {

const QByteArray sunRecords = "\" EL SOL \",\" ES UNA ESTRELLA \"\r\n"
                              "\" ES UNA ESTRELLA \",\" EL SOL \"\r\n";

// The terminal front end on the engine, in a test folder holding default.alm:
// message boxes are written out as at a terminal; outside commands, speech
// and the end of the program are faked.
struct CliRig : Fakes
{
    explicit CliRig(const QByteArray &file = sunRecords) { folder.write(u"default.alm"_s, file); }

    // Starts the program, then hands it the lines until they end.
    void run(QByteArray input)
    {
        engine.start();
        QBuffer lines(&input);
        lines.open(QIODevice::ReadOnly);
        StreamInput stream(lines);
        console.run(stream);
    }
    QString out() const { return QString::fromUtf8(transcript.data()); }
    QString err() const { return QString::fromUtf8(messagesOut.data()); }

    TestFolder folder;
    QBuffer transcript;
    QBuffer messagesOut;
    bool opened = transcript.open(QIODevice::WriteOnly) && messagesOut.open(QIODevice::WriteOnly);
    ConsoleMessageBoxes boxes{messagesOut};
    Platform cliPlatform{files, launcher, launcher, launcher, boxes, exit};
    DialogueEngine engine{cliPlatform, speech, random};
    ConsoleSession console{engine, transcript, messagesOut, launcher};
};

} // namespace

void TestCli::answersCommands_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("err");
    QTest::addColumn<QByteArray>("file"); // what default.alm holds afterwards

    const QString state = u"Base de conocimiento : default.alm | Aprendizaje directo:"_s;
    QTest::addRow("/estado in upper case")
        << QByteArray("/ESTADO\n") << state + u" 2 | Modo: Aprendizaje\n"_s << sunRecords;
    QTest::addRow("modes")
        << QByteArray("/consulta\n/estado\ninput\n/consulta\n/aprendizaje\n/estado\n")
        << state + u" 2 | Modo: Consulta\n"_s + state + u" 2 | Modo: Aprendizaje\n"_s << sunRecords;
    QTest::addRow("//TEXTO types a slash")
        << QByteArray("//EL A ES B\n") << QString()
        << sunRecords + "\" /EL A \",\" ES B \"\r\n\" ES B \",\" /EL A \"\r\n";
    QTest::addRow("a NUL typed is a blank")
        << QByteArray("EL A ES\0B\n", 10) << QString()
        << sunRecords + "\" EL A \",\" ES B \"\r\n\" ES B \",\" EL A \"\r\n";
    QTest::addRow("a save that ends without a name")
        << QByteArray("/guardar sub/\n/guardar /\n/estado\n")
        << u"No se ha guardado nada: falta el nombre del archivo detrás de sub/\nNo se ha guardado nada: falta el nombre del archivo detrás de /\n"_s +
               state + u"?? | Modo: Aprendizaje\n"_s
        << sunRecords;
    QTest::addRow("only /reemplazar replaces a file")
        << QByteArray(
               "/guardar copia\n/guardar copia\n/reemplazar copia\n/guardar default\n/estado\n")
        << u"$ Ya existe copia: use /reemplazar copia para reemplazarlo\nBase de conocimiento"_s
        << sunRecords;
    QTest::addRow("/acerca") << QByteArray("/acerca\n")
                             << u"acerca de TESKARO...\nTESKARO\nVersión compilada: "_s +
                                    QString::fromLatin1(version::text) + u"\n  Sistema Experto"_s
                             << sunRecords;
    QTest::addRow("/ayuda, then a page")
        << QByteArray("/ayuda\n/ayuda SISTEMAS\n")
        << u"  //TEXTO           escribe \"/TEXTO\" en la entrada\nPáginas de ayuda: /ayuda "
           u"sistemas, "
           u"/ayuda funcionamiento, /ayuda aplicaciones\nLos Sistemas Expertos\n\nVolver a "
           u"Funcionamiento de Teskaro"_s
        << sunRecords;
    QTest::addRow("repetido's end told before the next line")
        << QByteArray("/redundancias\n/estado\n")
        << u"$ Eliminados 2 registros repetidos de default.alm\n"_s + state << sunRecords;
    QTest::addRow("mistakes")
        << QByteArray("/nada\n/\n/estado ya\n/voz\n/sintesis tal vez\n"
                      "/abrir  \n/abrir no-existe.alm\n/guardar  \n/reglas\n")
        << u"Orden desconocida: /nada (escriba /ayuda para ver las "
           u"órdenes)\nOrden desconocida: / (escriba /ayuda para ver las "
           u"órdenes)\nLa orden /estado no lleva nada detrás.\nUse /voz "
           u"masculina o /voz femenina\nUse /sintesis si o /sintesis no\n"
           u"Falta el archivo: /abrir ARCHIVO\nNo existe el archivo "
           u"no-existe.alm\nFalta el nombre: /guardar NOMBRE\nUse /reglas si o "
           u"/reglas no\n"_s
        << sunRecords;
    QTest::addRow("escape sequences reach no terminal")
        << QByteArray("/nada\x1b[2J\n\x1b]0;X\x07\n") << u"Orden desconocida: /nada?[2J ("_s
        << sunRecords;
    QTest::addRow("/salir ends at once")
        << QByteArray("/salir\nLA LUNA ES BLANCA\n") << QString() << sunRecords;
    QTest::addRow("a correction typed; a number twice, one statement")
        << QByteArray("/listar\n/corregir 1 el \"sol\" | ¿es un astro?\n/listar\n/olvidar 1 1\n")
        << u"Corregida: EL 'SOL' | ES UN ASTRO\n1. EL 'SOL' | ES UN ASTRO\n1 afirmación, 2 "
           u"registros\nOlvidadas: 1\n"_s
        << QByteArray();
    QTest::addRow("the counter follows an edit")
        << QByteArray("EL A ES B\nLA C ES D\n/listar\n/olvidar 2 3\n/estado\n")
        << u"Olvidadas: 2\n"_s + state + u" 2 | Modo: Aprendizaje\n"_s << sunRecords;
}

void TestCli::answersCommands()
{
    QFETCH(QByteArray, input);
    QFETCH(QString, err);

    CliRig rig;
    rig.run(input);
    QVERIFY2(err.isEmpty() ? rig.err().isEmpty() : rig.err().contains(err), qPrintable(rig.err()));
    QVERIFY(!rig.out().contains(u"LA LUNA"_s) && !rig.out().contains(u'\x1b'));
    QTEST(rig.folder.read(u"default.alm"_s), "file");
}

void TestCli::deducesWithRulesAndLogicOn()
{
    CliRig rig;
    rig.run("/logica si\nEL SOL ES UNA ESTRELLA\nLAS ESTRELLAS SON ASTROS\n/reglas si\n/consulta\n"
            "QUE SABES DEL SOL\n/reglas no\n/logica no\nQUE SABES DEL SOL\n");
    const QString chain = u"DEDUZCO QUE EL SOL ES UNA ESTRELLA Y LAS ESTRELLAS SON ASTROS \n"_s;
    QVERIFY(rig.out().contains(u":) YA LO SABIA: EL SOL ES UNA ESTRELLA \n\n"_s));
    QVERIFY(rig.out().contains(u" ... \n\n:) AHORA "_s + chain));
    QCOMPARE(rig.out().count(u":) "_s + chain), 1);
    QCOMPARE(rig.folder.read(u"default.alm"_s), sunRecords +
                                                    "\" LAS ESTRELLAS \",\" SON ASTROS \"\r\n"
                                                    "\" SON ASTROS \",\" LAS ESTRELLAS \"\r\n");
}

// Typed as Spanish is written, in lower case, with accents and question
// marks: learned and stored as written, found with or without accents.
// Each option reaches the engine, in order, and says nothing.
void TestCli::setsOptionsSilently()
{
    CliRig rig;
    rig.run("/sintesis sí\n/voz MASCULINA\n/voz femenina\n/reglas si\n/reglas no\n");
    QCOMPARE(rig.log.filter(u"voice:"_s), // the first at start-up
             (QStringList{u"voice:male"_s, u"voice:male"_s, u"voice:female"_s}));
    QVERIFY(rig.engine.session().speechEnabled() && !rig.engine.session().logicRulesApplied());
    QCOMPARE(rig.err(), QString());
}

void TestCli::understandsSpanishAsWritten()
{
    const QByteArray alhambra = "\" LA ALHAMBRA \",\" ESTA EN GRANADA \"\r\n"
                                "\" ESTA EN GRANADA \",\" LA ALHAMBRA \"\r\n";
    CliRig rig(sunRecords + alhambra);
    rig.run("la señora está en casa\nla canción es bonita\nel árbol es verde\n/consulta\n"
            "¿Dónde está Granada?\ndónde está la alhambra\nQUE SABES DE LA CANCION\n"
            "¿qué sabes del arbol?\n");
    const QString known = u":) TENGO ENTENDIDO QUE "_s;
    for (const QString &line :
         {u"  [ LA SEÑORA ESTÁ EN CASA ]\n:) ESTOY APRENDIENDO COSAS NUEVAS SOBRE   LA SEÑORA"_s,
          u"  [  DÓNDE ESTÁ GRANADA  ]\n"_s + known + u"ESTA EN GRANADA LA ALHAMBRA \n"_s,
          u"  [ DÓNDE ESTÁ LA ALHAMBRA ]\n"_s + known + u"LA ALHAMBRA ESTA EN GRANADA \n"_s,
          known + u"LA CANCIÓN ES BONITA \n"_s, known + u"EL ÁRBOL ES VERDE \n"_s})
        QVERIFY2(rig.out().contains(line), qPrintable(rig.out()));
    QCOMPARE(rig.folder.read(u"default.alm"_s),
             sunRecords + alhambra +
                 "\" LA SE\xd1ORA \",\" EST\xc1 EN CASA \"\r\n\" EST\xc1 EN CASA \",\" LA "
                 "SE\xd1ORA \"\r\n"
                 "\" LA CANCI\xd3N \",\" ES BONITA \"\r\n\" ES BONITA \",\" LA CANCI\xd3N \"\r\n"
                 "\" EL \xc1RBOL \",\" ES VERDE \"\r\n\" ES VERDE \",\" EL \xc1RBOL \"\r\n");
}

// Numbers name statements of the last listing, which a filter may thin out.
void TestCli::editsStatementsByNumber()
{
    const QByteArray moon = "\" LA LUNA \",\" ES BLANCA \"\r\n\" ES BLANCA \",\" LA LUNA \"\r\n";
    CliRig rig(sunRecords + moon);
    rig.run("/listar luna\n/olvidar 1\n/deshacer\n/rehacer\n/deshacer\n"
            "/corregir 1 la luna | es un satelite\n/olvidar 2\n/corregir 1\n/olvidar\n");
    QCOMPARE(rig.err(),
             u"1. LA LUNA | ES BLANCA\n2 afirmaciones, 4 registros\nOlvidadas: 1\nDeshecho\n"
             "Rehecho\nDeshecho\nCorregida: LA LUNA | ES UN SATELITE\nNo hay ninguna "
             u"afirmación 2 en la última lista: use /listar y los números que muestra\n"
             u"Use /corregir N TEMA | RESTO\nFalta el número de la afirmación: use /listar y los "
             u"números que muestra\n"_s);
    QCOMPARE(rig.folder.read(u"default.alm"_s),
             sunRecords +
                 "\" LA LUNA \",\" ES UN SATELITE \"\r\n\" ES UN SATELITE \",\" LA LUNA \"\r\n");
}

void TestCli::opensAndSavesNamesWithBlanks()
{
    CliRig rig;
    QVERIFY(QDir().mkpath(hostileName + u"/sub"_s));
    rig.folder.write(hostileName + u"/sub/mi base.alm"_s, sunRecords);
    const QString other = QDir::currentPath() + u'/' + hostileName + u"/sub/mi base.alm"_s;
    rig.run((u"/abrir "_s + hostileName + u"/sub/mi base.alm\n/guardar "_s + hostileName +
             u"/copia.ALM\n/guardar otra copia\n/estado\n"_s)
                .toUtf8());
    QVERIFY(rig.out().contains(u"$ abriendo base de conocimientos "_s + other + u" ...\n"_s));
    QVERIFY(fileHolds(hostileName + u"/copia.ALM"_s, sunRecords));
    QVERIFY(fileHolds(u"otra copia.alm"_s, sunRecords));
    QCOMPARE(rig.err(), u"Base de conocimiento : "_s + other +
                            u" | Aprendizaje directo:?? | Modo: Aprendizaje\n"_s);
}

void TestCli::drawsTheKnowledgeMap()
{
    CliRig rig(sunRecords + "\" EL GATO \",\" EST\xc1 EN LA CASA \"\r\n");
    rig.run("/mapa GATO mapa.svg\n/mapa mapa\n");
    QCOMPARE(rig.err(), u"$ Mapa de conocimientos guardado en mapa.svg: 2 cosas, 1 afirmación\n"
                        u"Falta el archivo .svg: /mapa [TEXTO] ARCHIVO.svg\n"_s);
    const QString svg = QString::fromUtf8(rig.folder.read(u"mapa.svg"_s));
    for (const QString &text : {u"<svg"_s, u">EL GATO<"_s, u">ESTÁ EN<"_s, u">LA CASA<"_s})
        QVERIFY2(svg.contains(text), qPrintable(text));
}

// The program itself: its command line, a session replayed from a seed, and
// a start that fails. "%1" in the output stands for the working folder.
void TestCli::runsAsAProgram_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    QTest::addColumn<QByteArray>("file"); // default.alm before, or none

    const QStringList seeded{u"--seed"_s, u"5"_s};
    QTest::addRow("--version") << QStringList{u"--version"_s} << QByteArray() << 0
                               << u"teskaro-cli "_s + QString::fromLatin1(version::text) + u'\n'
                               << QString() << QByteArray();
    QTest::addRow("unknown option")
        << QStringList{u"--silencio"_s} << QByteArray() << 2 << QString()
        << u"teskaro-cli: opción desconocida: --silencio\nPruebe «teskaro-cli --help» para ver "
           u"las opciones.\n"_s
        << QByteArray();
    QTest::addRow("short unknown option")
        << QStringList{u"-x"_s} << QByteArray() << 2 << QString()
        << u"teskaro-cli: opción desconocida: -x\n"_s << QByteArray();
    QTest::addRow("seed not a number")
        << QStringList{u"--seed"_s, u"-1"_s} << QByteArray() << 2 << QString()
        << u"la semilla debe ser un número"_s << QByteArray();
    QTest::addRow("argument") << QStringList{u"base.alm"_s} << QByteArray() << 2 << QString()
                              << u"teskaro-cli: argumento de más: base.alm\n"_s << QByteArray();
    QTest::addRow("a start that fails")
        << seeded << QByteArray("LA LUNA ES BLANCA\n") << 1
        << u"$ Recuperando ideas y recuerdos...\n%1\n$ en archivo default.alm ..."_s
        << u" Adevertencia! - TESKARO\nTESKARO ha producido un fallo"_s
        << QByteArray("A,B\r\nC\r\n");
    QTest::addRow("repetido's end told before the program ends")
        << seeded << QByteArray("/redundancias\n") << 0
        << u"$ Recuperando ideas y recuerdos...\n%1\n$ en archivo default.alm ...\n:) ESTOY "
           u"LISTO PARA UNA SESION.\n:) ENSEÑAME ALGO INTRODUCIENDO DATOS \n"_s
        << u"$ Eliminados 2 registros repetidos de default.alm\n"_s << sunRecords + sunRecords;
    QTest::addRow("a session replayed from a seed")
        << seeded
        << QByteArray("el sol es una estrella\r\n/consulta\n¿que sabes del sol?\nQUE SABES DE MI "
                      "PERRO\n/invertir\nQUE SABES DE MI PERRO\n/estado\nFIN\nLA LUNA ES BLANCA")
        << 0
        << u"$ Recuperando ideas y recuerdos...\n%1\n\n$ Realmente no poseo ningún dato en mi "
           u"memoria, pero ...\n:) ESTOY LISTO PARA UNA SESION.\n:) ENSEÑAME ALGO INTRODUCIENDO "
           u"DATOS \n\n  [ EL SOL ES UNA ESTRELLA ]\n:) HE COMPRENDIDO ESO SOBRE   EL SOL ... "
           u"\n\n\n$   ... cambiando a modo consulta ...\n\n:) PLANTEAME CUALQUIER CUESTION QUE "
           u"TE INTERESE \n\n  [  QUE SABES DEL SOL  ]\n:) EN CIERTA OCASION PUDE APRENDER QUE "
           u"EL SOL ES UNA ESTRELLA \n\n  [ QUE SABES DE MI PERRO ]\n:( NUNCA ME HAN COMENTADO "
           u"NADA ACERCA DE  TU PERRO \n\n  [ QUE SABES DE MI PERRO ]\n:( NUNCA ME HAN "
           u"COMENTADO NADA ACERCA DE  MI PERRO \n\n  [ FIN ]\n"_s
        << u"información\nBase de conocimiento : default.alm | Aprendizaje directo: 2 | Modo: "
           u"Consulta\n"_s
        << QByteArray();
}

void TestCli::runsAsAProgram()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QFETCH(QByteArray, file);

    TestFolder folder;
    if (!file.isNull())
        folder.write(u"default.alm"_s, file);
    const ProcessResult run = runProgram(u"teskaro-cli"_s, arguments, {input});
    QVERIFY(run.finished);
    QTEST(run.status, "status");
    QCOMPARE(QString::fromUtf8(run.out),
             out.contains(u"%1"_s) ? out.arg(QDir::currentPath()) : out);
    QVERIFY2(run.err.contains(err), qPrintable(run.err));
    if (run.status == 0 && !input.isEmpty())
        QVERIFY(fileHolds(u"default.alm"_s, sunRecords, true)); // the start-up sort may come first
    else if (!file.isNull())
        QCOMPARE(folder.read(u"default.alm"_s), file);
}

// Killed with SIGKILL while it learns a long list of statements, its start-up
// sort running beside it: whenever the kill comes, the file reads whole, holds
// both records of every statement acknowledged on standard output, and
// nothing but whole statements that were typed.
void TestCli::keepsEveryAcknowledgedStatementThroughKills()
{
    TestFolder folder;
    QRandomGenerator random(20240611);
    QSet<int> acknowledged;
    int typed = 0;
    for (int kill = 0; kill < 8; ++kill) {
        QProcess cli;
        cli.start(builtProgram(u"teskaro-cli"_s), {u"--seed"_s, QString::number(kill)});
        QVERIFY(cli.waitForStarted());
        const int first = typed;
        for (; typed < first + 200; ++typed)
            cli.write(u"EL TEMA %1 ES EL DATO %1\n"_s.arg(typed).toUtf8());

        // Killed at once, or once a random statement has been acknowledged.
        const QString wanted = u"  EL TEMA %1 ... "_s.arg(first + int(random.bounded(180)));
        QString output;
        const QDeadlineTimer patience(60000);
        while (kill % 2 && !output.contains(wanted) && !patience.hasExpired()) {
            cli.waitForReadyRead(100);
            output += QString::fromUtf8(cli.readAllStandardOutput());
        }
        cli.kill();
        cli.waitForFinished();
        output += QString::fromUtf8(cli.readAllStandardOutput());
        for (int n = first; n < typed; ++n) {
            if (output.contains(u"  EL TEMA %1 ... "_s.arg(n)))
                acknowledged += n;
        }

        // The start-up sort moves a statement's two records apart.
        bool whole = false;
        const QList<KnowledgeRecord> records = recordsIn(u"default.alm"_s, &whole);
        QVERIFY(whole);
        QHash<QString, int> seen;
        for (const KnowledgeRecord &record : records)
            ++seen[record.topic + u'|' + record.statement];
        qsizetype left = records.size();
        for (int n = 0; n < typed; ++n) {
            const int direct = seen.value(u" EL TEMA %1 | ES EL DATO %1 "_s.arg(n));
            QVERIFY2(direct == seen.value(u" ES EL DATO %1 | EL TEMA %1 "_s.arg(n)) && direct <= 1,
                     "half a statement, or one twice");
            QVERIFY2(direct == 1 || !acknowledged.contains(n), "an acknowledged statement is lost");
            left -= 2 * qsizetype{direct};
        }
        QCOMPARE(left, 0); // nothing that was not typed
    }
    QVERIFY2(acknowledged.size() > 100, "too few statements were learned before the kills");
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
