// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogue/phrases.h"
#include "dialogue/randomsource.h"
#include "support/processrunner.h"
#include "support/testfolder.h"
#include "teskaro/version.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace teskaro;
using namespace teskaro::testing;

// teskaro-cli run as a user runs it: lines in, the transcript on standard
// output, everything else on standard error.
class TestCli : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void replaysAWholeSessionFromASeed();
    void answersCommands_data();
    void answersCommands();
    void deducesWithRulesAndLogicOn();
    void editsStatementsByNumber();
    void opensAndSavesNamesWithBlanks();
    void commandLine_data();
    void commandLine();
    void keepsEveryAcknowledgedStatementThroughKills();
};

namespace {

ProcessResult runCli(const QByteArray &input, const QStringList &arguments = {u"--seed"_s, u"5"_s})
{
    return runProgram(u"teskaro-cli"_s, arguments, {input});
}

const QByteArray sunRecords = "\" EL SOL \",\" ES UNA ESTRELLA \"\r\n"
                              "\" ES UNA ESTRELLA \",\" EL SOL \"\r\n";

} // namespace

void TestCli::replaysAWholeSessionFromASeed()
{
    TestFolder folder;
    const ProcessResult run =
        runCli("el sol es una estrella\r\n/consulta\n¿que sabes del sol?\nQUE SABES DE MI PERRO\n"
               "/invertir\nQUE SABES DE MI PERRO\n/estado\nFIN\nLA LUNA ES BLANCA");

    // The same seed draws the same texts, in turn: %n stands for the n-th.
    SeededRandom random(5);
    const Phrases &p = Phrases::standard();
    QString transcript =
        u"$ Recuperando ideas y recuerdos...\n"_s + QDir::currentPath() +
        u"\n\n$ Realmente no poseo ningún dato en mi memoria, pero ...\n"
        u":) ESTOY LISTO PARA UNA SESION.\n%1\n\n  [ EL SOL ES UNA ESTRELLA ]\n"
        u"%2  EL SOL ... \n\n\n$   ... cambiando a modo consulta ...\n\n%3\n\n"
        u"  [  QUE SABES DEL SOL  ]\n%4EL SOL ES UNA ESTRELLA \n\n  [ QUE SABES DE "
        u"MI PERRO ]\n%5 TU PERRO \n\n  [ QUE SABES DE MI PERRO ]\n%6 MI PERRO \n\n"
        u"  [ FIN ]\n"_s;
    QStringList picks;
    for (const QStringList *table :
         {&p.teachPrompts, &p.learned, &p.askPrompts, &p.recall, &p.ignorance, &p.ignorance})
        picks += pickPhrase(random, *table);
    transcript = transcript.arg(picks[0], picks[1], picks[2], picks[3], picks[4], picks[5]);
    QVERIFY(run.finished);
    QCOMPARE(run.status, 0);
    QCOMPARE(QString::fromUtf8(run.out), transcript);
    QVERIFY(run.err.startsWith(u"Adevertencia! - Parvelix Suite PRO\n   Al activar"_s));
    QVERIFY(run.err.endsWith(u"información\nBase de conocimiento : default.alm | Aprendizaje "
                             u"directo: 2 | Modo: Consulta\n"_s));
    QVERIFY(fileHolds(u"default.alm"_s, sunRecords));
}

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
    QTest::addRow("a help page as plain text")
        << QByteArray("/ayuda sistemas\n")
        << u"- Encadena cuando las reglas están activas. Con Aplicar reglas\n  lógicas, "_s
        << sunRecords;
    QTest::addRow("options say nothing")
        << QByteArray("/voz femenina\n/voz MASCULINA\n/sintesis sí\n/sintesis no\n/redundancias\n")
        << QString() << sunRecords;
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
    QTest::addRow("a start that fails")
        << QByteArray("LA LUNA ES BLANCA\n")
        << u" Adevertencia! - TESKARO\nTESKARO ha producido un fallo"_s
        << QByteArray("A,B\r\nC\r\n");
}

void TestCli::answersCommands()
{
    QFETCH(QByteArray, input);
    QFETCH(QString, err);
    QFETCH(QByteArray, file);

    TestFolder folder;
    folder.write(u"default.alm"_s, file == "A,B\r\nC\r\n" ? file : sunRecords);
    const ProcessResult run = runCli(input);
    QVERIFY(run.finished);
    QCOMPARE(run.status, file == "A,B\r\nC\r\n" ? 1 : 0);
    QVERIFY2(err.isEmpty() ? run.err.isEmpty() : run.err.contains(err), qPrintable(run.err));
    QVERIFY(!run.out.contains("LA LUNA") && !run.out.contains('\x1b'));
    QVERIFY(fileHolds(u"default.alm"_s, file, true)); // the start-up sort may come before
}

void TestCli::deducesWithRulesAndLogicOn()
{
    TestFolder folder;
    folder.write(u"default.alm"_s, sunRecords);
    const ProcessResult run = runCli(
        "/logica si\nEL SOL ES UNA ESTRELLA\nLAS ESTRELLAS SON ASTROS\n/reglas si\n/consulta\n"
        "QUE SABES DEL SOL\n/reglas no\n/logica no\nQUE SABES DEL SOL\n");
    const QByteArray chain = "DEDUZCO QUE EL SOL ES UNA ESTRELLA Y LAS ESTRELLAS SON ASTROS \n";
    QVERIFY(run.out.contains(":) YA LO SABIA: EL SOL ES UNA ESTRELLA \n\n"));
    QVERIFY(run.out.contains(" ... \n\n:) AHORA " + chain));
    QCOMPARE(run.out.count(":) " + chain), 1);
    QVERIFY(fileHolds(u"default.alm"_s, sunRecords + "\" LAS ESTRELLAS \",\" SON ASTROS \"\r\n"
                                                     "\" SON ASTROS \",\" LAS ESTRELLAS \"\r\n"));
}

// The start-up sort may run at the same time: numbers come from a filtered
// listing, and the file is checked in any order.
void TestCli::editsStatementsByNumber()
{
    TestFolder folder;
    const QByteArray moon = "\" LA LUNA \",\" ES BLANCA \"\r\n\" ES BLANCA \",\" LA LUNA \"\r\n";
    folder.write(u"default.alm"_s, sunRecords + moon);
    const ProcessResult run = runCli("/listar luna\n/olvidar 1\n/deshacer\n/rehacer\n/deshacer\n"
                                     "/corregir 1 la luna | es un satelite\n/olvidar 2\n");
    QCOMPARE(run.err,
             u"1. LA LUNA | ES BLANCA\n2 afirmaciones, 4 registros\nOlvidadas: 1\nDeshecho\n"
             "Rehecho\nDeshecho\nCorregida: LA LUNA | ES UN SATELITE\nNo hay ninguna "
             u"afirmación 2 en la última lista: use /listar y los números que muestra\n"_s);
    QVERIFY(fileHolds(u"default.alm"_s,
                      sunRecords + "\" LA LUNA \",\" ES UN SATELITE \"\r\n"
                                   "\" ES UN SATELITE \",\" LA LUNA \"\r\n",
                      true));
}

void TestCli::opensAndSavesNamesWithBlanks()
{
    TestFolder folder;
    QVERIFY(QDir().mkpath(hostileName + u"/sub"_s));
    folder.write(hostileName + u"/sub/mi base.alm"_s, sunRecords);
    const QString other = QDir::currentPath() + u'/' + hostileName + u"/sub/mi base.alm"_s;
    const ProcessResult run =
        runCli((u"/abrir "_s + hostileName + u"/sub/mi base.alm\n/guardar "_s + hostileName +
                u"/copia.ALM\n/guardar otra copia\n/estado\n"_s)
                   .toUtf8());
    QVERIFY(run.finished);
    QVERIFY(
        run.out.contains((u"$ abriendo base de conocimientos "_s + other + u" ...\n"_s).toUtf8()));
    QVERIFY(fileHolds(hostileName + u"/copia.ALM"_s, sunRecords));
    QVERIFY(fileHolds(u"otra copia.alm"_s, sunRecords));
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

    QTest::addRow("--version") << QStringList{u"--version"_s} << 0
                               << u"teskaro-cli "_s + QString::fromLatin1(version::text) + u'\n'
                               << QString();
    QTest::addRow("unknown option")
        << QStringList{u"--silencio"_s} << 2 << QString()
        << u"teskaro-cli: opción desconocida: --silencio\nPruebe «teskaro-cli --help» para ver "
           u"las opciones.\n"_s;
    QTest::addRow("short unknown option")
        << QStringList{u"-x"_s} << 2 << QString() << u"teskaro-cli: opción desconocida: -x\n"_s;
    QTest::addRow("seed not a number") << QStringList{u"--seed"_s, u"-1"_s} << 2 << QString()
                                       << u"la semilla debe ser un número"_s;
    QTest::addRow("argument") << QStringList{u"base.alm"_s} << 2 << QString()
                              << u"teskaro-cli: argumento de más: base.alm\n"_s;
}

void TestCli::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);

    TestFolder folder;
    const ProcessResult run = runCli({}, arguments);
    QCOMPARE(run.status, status);
    QCOMPARE(QString::fromUtf8(run.out), out);
    QVERIFY2(run.err.contains(err), qPrintable(run.err));
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
            left -= 2 * direct;
        }
        QCOMPARE(left, 0); // nothing that was not typed
    }
    QVERIFY2(acknowledged.size() > 100, "too few statements were learned before the kills");
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
