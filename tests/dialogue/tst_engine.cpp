// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogue/helppages.h"
#include "knowledge/knowledgefile.h"
#include "knowledge/knowledgelines.h"
#include "knowledge/knowledgewriter.h"
#include "knowledge/recordformat.h"
#include "support/enginerig.h"
#include "support/processrunner.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace teskaro;
using namespace teskaro::testing;

// The engine on fakes: what one line sent in each mode writes to the
// transcript and the file, start-up, and the commands on the knowledge file
// as a whole. The random pick is held at the first phrase of every table.
class TestEngine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void learns_data();
    void learns();
    void answers_data();
    void answers();
    void deduces_data();
    void deduces();
    void helpPageExamplesHold();
    void editsStatements_data();
    void editsStatements();
    void countsLearnedStatementsAndShowsWhatQuestionsRead();
    void refusesToLearnWhatCannotBeKept();
    void speaksRepliesAndPromptsOnlyWhileSpeechIsOn();
    void optionsAndTheEndOfTheProgram();
    void sampleIsWhatLearningWrites();
    void startsUp_data();
    void startsUp();
    void opensAnotherFileWithoutReadingIt();
    void savesACopyAndGoesOnWithTheSource();
    void sortsThroughTheOutsideCommandAndRereads();
    void removesRepeatedRecordsThroughRepetido();
};

namespace {

QString echo(const QString &line)
{
    return u"\r\n  [ "_s + line + u" ]\r\n"_s;
}

QByteArray records(std::initializer_list<std::pair<const char *, const char *>> pairs)
{
    QByteArray bytes;
    for (const auto &[topic, statement] : pairs)
        bytes += QByteArray("\" ") + topic + " \",\" " + statement + " \"\r\n";
    return bytes;
}

// A statement's two records, the direct one and its mirror image.
QByteArray statement(const char *subject, const char *verbPhrase)
{
    return records({{subject, verbPhrase}, {verbPhrase, subject}});
}

const QString learned = u":) ESTOY APRENDIENDO COSAS NUEVAS SOBRE "_s;
const QString recall = u":) TENGO ENTENDIDO QUE "_s;
const QString ignorance = u":( REALMENTE NO SE NADA SOBRE "_s;
const QString notUnderstood = u":( NO ENTIENDO NADA. MI COMPRENSION ES MUY LIMITADA. SIGUE LA "
                              u"SINTAXIS ESTABLECIDA PARA EL MODO ACTUAL \r\n"_s;
const QString toConsultation =
    u"\r\n$   ... cambiando a modo consulta ...\r\n\r\n:) PREGUNTA LO QUE QUIERAS \r\n"_s;

const QString ready = u"\r\n:) ESTOY LISTO PARA UNA SESION.\r\n"_s;
const QString teach = u":) CUENTAME ALGO ACERCA DE CUALQUIER TEMA \r\n"_s;
const QByteArray twoRecords = "\" LOS HOMBRES \",\" SON \"\r\n\" SON \",\" LOS HOMBRES \"\r\n";

QString cwd()
{
    return QDir::currentPath();
}

} // namespace

void TestEngine::learns_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("invert");
    QTest::addColumn<QString>("transcript");
    QTest::addColumn<QByteArray>("file"); // null: no file made
    QTest::addColumn<Mode>("mode");

    const auto row = [](const char *name, const QString &line, const QString &said,
                        Mode mode = Mode::Learning) {
        QTest::addRow("%s", name) << line << false << said << QByteArray() << mode;
    };
    // A statement learned: its subject as acknowledged, its two fields on file.
    const auto learnt = [](const char *name, const QString &line, const char *topic,
                           const char *verbPhrase, bool invert = false,
                           const QString &subject = QString()) {
        const QString shown =
            subject.isNull() ? u"  "_s + QString::fromLatin1(topic) + u' ' : subject;
        QTest::addRow("%s", name) << line << invert
                                  << echo(line) + learned + shown + u"... \r\n\r\n"_s
                                  << statement(topic, verbPhrase) << Mode::Learning;
    };
    learnt("worked example", u"LOS HOMBRES SON ANIMALES INTELIGENTES A VECES"_s, "LOS HOMBRES",
           "SON ANIMALES INTELIGENTES A VECES");
    learnt("ESTA comes first in the list", u"LA MESA ES DONDE ESTA EL LIBRO"_s, "LA MESA ES DONDE",
           "ESTA EL LIBRO");
    learnt("ESTAN is not ESTA", u"LOS LIBROS ESTAN AQUI"_s, "LOS LIBROS", "ESTAN AQUI");
    learnt("outer blanks trimmed, inner kept", u"  EL  SOL ES  GRANDE  "_s, "EL  SOL",
           "ES  GRANDE");
    learnt("pasted lower case and accents", u"el árbol es verde"_s, "EL \xc1RBOL", "ES VERDE",
           false, u"  EL ÁRBOL "_s);
    learnt("copula at the end", u"EL CIELO ES"_s, "EL CIELO", "ES");
    learnt("a capital outside the code page stays small", u"el µ es x"_s, "EL \xb5", "ES X");
    learnt("copula at the start", u"ES MI AMIGO"_s, "", "ES MI AMIGO", false, u"  "_s);
    learnt("inversion in both phrases", u"MI PERRO ES TU AMIGO"_s, "TU PERRO", "ES MI AMIGO", true);
    learnt("inversion of the first form only", u"PEPE ES MI AMIGO Y TU HERMANO"_s, "PEPE",
           "ES MI AMIGO Y MI HERMANO", true);
    learnt("inversion of MIS and ME", u"MIS LIBROS SON LO QUE ME GUSTA"_s, "TUS LIBROS",
           "SON LO QUE TE GUSTA", true);
    learnt("double quotes kept as single ones", u"EL \"LIBRO\" ESTA AQUI, EN LA MESA"_s,
           "EL 'LIBRO'", "ESTA AQUI, EN LA MESA");
    learnt("characters the file cannot hold", u"EL \u20ac\u4e2d ES \U0001F600"_s, "EL \x80?",
           "ES ?", false, u"  EL \u20ac? "_s);
    learnt("control characters stored as blanks", u"EL\rSOL ES\0UNA\x7f"_s, "EL SOL", "ES UNA");
    learnt("ESTÁ with an accent, Ñ", u"la señora está en casa"_s, "LA SE\xd1ORA", "EST\xc1 EN CASA",
           false, u"  LA SEÑORA "_s);
    learnt("ESTÁN, Ü", u"LOS PINGÜINOS ESTÁN AQUÍ"_s, "LOS PING\xdcINOS", "EST\xc1N AQU\xcd", false,
           u"  LOS PINGÜINOS "_s);
    learnt("TÉ is no TE", u"EL TÉ ES VERDE"_s, "EL T\xc9", "ES VERDE", true, u"  EL TÉ "_s);
    learnt("TÚ is no TU", u"TÚ ERES MI AMIGO ES LO QUE DIJO"_s, "T\xda ERES TU AMIGO",
           "ES LO QUE DIJO", true, u"  TÚ ERES TU AMIGO "_s);
    row("a question with accents", u"CÓMO ES EL SOL"_s,
        echo(u"CÓMO ES EL SOL"_s) +
            u":) CAMBIA A MODO CONSULTA SI DESEAS FORMULAR ALGUNA PREGUNTA \r\n"_s);
    row("CONVERSACIÓN", u"CONVERSACIÓN"_s, toConsultation, Mode::Consultation);
    row("ADIÓS", u"ADIÓS"_s, echo(u"ADIÓS"_s));
    row("blanks only", u"   "_s, echo(u"   "_s) + notUnderstood);
    row("no copula", u"HOLA AMIGO"_s, echo(u"HOLA AMIGO"_s) + notUnderstood);
    row("empty line", QString(), QString());
    row("HABLEMOS", u"HABLEMOS"_s, toConsultation, Mode::Consultation);
    row("hablemos is no command", u"hablemos"_s, echo(u"hablemos"_s) + notUnderstood);
    row("THEN  END is no exit word", u"THEN  END"_s, echo(u"THEN  END"_s) + notUnderstood);
    row("a question with a copula", u"SABES QUE LOS HOMBRES SON ANIMALES"_s,
        echo(u"SABES QUE LOS HOMBRES SON ANIMALES"_s) +
            u":) CAMBIA A MODO CONSULTA SI DESEAS FORMULAR ALGUNA PREGUNTA \r\n"_s);
    row("a pasted question mark", u"EL SOL ES?"_s, echo(u"EL SOL ES?"_s) + toConsultation,
        Mode::Consultation);
}

void TestEngine::learns()
{
    QFETCH(QString, line);
    QFETCH(bool, invert);
    QFETCH(QString, transcript);
    QFETCH(QByteArray, file);
    QFETCH(Mode, mode);

    EngineRig rig;
    if (!invert)
        rig.engine.togglePronounInversion();
    rig.mark();
    rig.engine.submit(line);
    QCOMPARE(rig.added(), transcript);
    QCOMPARE(rig.file(), file.isNull() ? QByteArray() : file);
    QCOMPARE(QFile::exists(u"default.alm"_s), !file.isNull());
    QCOMPARE(rig.engine.session().mode(), mode);
    QCOMPARE(rig.engine.session().learnedCount(), file.isNull() ? 0 : 1);
}

void TestEngine::answers_data()
{
    QTest::addColumn<QByteArray>("file"); // null: none
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("invert");
    QTest::addColumn<QString>("transcript");
    QTest::addColumn<QString>("count");

    // The transcript gains what comes before the echo, the echo, the replies.
    const auto row = [](const char *name, const QByteArray &file, const QString &line,
                        const QString &replies, const char *count = " 1", bool invert = true,
                        const QString &before = {}) {
        QTest::addRow("%s", name) << file << line << invert
                                  << before + (line.isEmpty() ? QString() : echo(line)) + replies
                                  << QString::fromLatin1(count);
    };
    const auto known = [](const QString &text) {
        return recall + text + u" \r\n"_s;
    };
    const auto unknown = [](const QString &subject) {
        return ignorance + subject + u" \r\n"_s;
    };
    const QByteArray hombres = records({{"LOS HOMBRES", "SON ANIMALES INTELIGENTES A VECES"}});
    const QString aboutHombres = known(u"LOS HOMBRES SON ANIMALES INTELIGENTES A VECES"_s);
    row("SOBRE cuts the plural S", hombres, u"QUE SABES SOBRE LOS HOMBRES"_s, aboutHombres);
    row("articles before interrogatives", records({{"EL TELEFONO DE TORVAN", "ES 555"}}),
        u"CUAL ES EL TELEFONO DE TORVAN"_s, known(u"EL TELEFONO DE TORVAN ES 555"_s));
    row("subject ends inside a word", records({{"EL LIBRO DE NEUROBIOLOGIA", "ESTA AQUI"}}),
        u"SABES ALGO DEL LIBRO DE NEURO"_s, unknown(u" LIBRO DE NEURO"_s));
    row("blank after only", "\"XSOL \",\"ES\"\r\n", u"QUE SABES SOBRE SOL"_s, known(u"XSOL ES"_s));
    row("blank before only", "\"X  SOLX\",\"Y\"\r\n", u"QUE SABES DEL SOL"_s,
        known(u"X  SOLX Y"_s));
    row("a subject that repeats itself", records({{"ABABAB ABABAC", "X"}}),
        u"QUE SABES DE ABABAC"_s, known(u"ABABAB ABABAC X"_s));
    row("a match at the very start", records({{"JUANA ES MI HERMANA", "X"}}), u"QUIEN ES JUAN"_s,
        known(u"JUANA ES MI HERMANA X"_s));
    row("every record in file order",
        records({{"EL SOL", "ES UNA ESTRELLA"}, {"LA LUNA", "ES BLANCA"}, {"EL SOL", "CALIENTA"}}),
        u"QUE SABES DEL SOL"_s, known(u"EL SOL ES UNA ESTRELLA"_s) + known(u"EL SOL CALIENTA"_s),
        " 3");
    const QByteArray arboles = records({{"EL \xc1RBOL", "ES VERDE"}, {"EL ARBOL", "ES ALTO"}});
    const QString aboutArboles = known(u"EL ÁRBOL ES VERDE"_s) + known(u"EL ARBOL ES ALTO"_s);
    row("QUÉ, a subject with an accent", arboles, u"QUÉ SABES DEL ÁRBOL"_s, aboutArboles, " 2");
    row("a subject without the accent", arboles, u"QUE SABES DEL ARBOL"_s, aboutArboles, " 2");
    row("DÓNDE ESTÁ", records({{"LA ALHAMBRA", "ESTA EN GRANADA"}}), u"DÓNDE ESTÁ LA ALHAMBRA"_s,
        known(u"LA ALHAMBRA ESTA EN GRANADA"_s));
    const QByteArray juan = records({{"JU\xc1N", "ES MI HERMANO"}});
    row("QUIÉN ES", juan, u"QUIÉN ES JUAN"_s, known(u"JUÁN ES MI HERMANO"_s));
    row("CÓMO ES", juan, u"CÓMO ES JUÁN"_s, known(u"JUÁN ES MI HERMANO"_s));
    row("CUÁL ES", juan, u"CUÁL ES JUAN"_s, known(u"JUÁN ES MI HERMANO"_s));
    row("AÑO is no ANO", records({{"EL A\xd1O", "TIENE DOCE MESES"}}), u"QUE SABES DEL ANO"_s,
        unknown(u" ANO"_s));
    row("the subject named as written", hombres, u"QUE SABES DE LOS PINGÜINOS"_s,
        unknown(u" PINGÜINOS"_s));
    row("ADIÓS", hombres, u"ADIÓS"_s, QString());
    row("QUIEN ES alone", hombres, u"QUIEN ES"_s, notUnderstood);
    row("input in lower case", hombres, u"input"_s, notUnderstood);
    row("FIN with a blank", hombres, u"FIN "_s, notUnderstood);
    row("empty line reads the file", hombres, QString(), QString());
    row("an exit word", hombres, u"ME VOY"_s, QString());
    row("no file", {}, u"QUE SABES DEL SOL"_s, unknown(u" SOL"_s), " 0");
    row("MI after DE", hombres, u"QUE SABES DE MI PERRO"_s, unknown(u" TU PERRO"_s));
    row("inversion off", hombres, u"QUE SABES DE MI PERRO"_s, unknown(u" MI PERRO"_s), " 1", false);
    row("TE then ME", hombres, u"QUE SABES SOBRE LO QUE TE DIJE Y ME DIJISTE"_s,
        unknown(u"LO QUE ME DIJE Y ME DIJISTE"_s));
    row("the plural S comes back", hombres, u"QUE SABES SOBRE LOS PERROS"_s,
        unknown(u"LOS PERROS"_s));
    row("no article, no singular", records({{"PERRO", "ES UN ANIMAL"}}), u"QUE SABES DE PERROS"_s,
        unknown(u" PERROS"_s));
    row("UNAS is an article", records({{"UNAS CASA", "AQUI"}}), u"QUE SABES DE UNAS CASAS"_s,
        known(u"UNAS CASA AQUI"_s));
    row("a file that holds more than a table", QByteArray(5002, '\n').replace("\n", "A,B\r\n"),
        u"QUE SABES DE Z"_s, unknown(u" Z"_s), " 5001", true,
        u"$ La base de conocimientos default.alm tiene más de 5001 registros: solo se han leído "
        u"los 5001 primeros\r\n"_s);
    row("a last record of one field", hombres + "\"SOLO\"\r\n", u"QUE SABES DE Z"_s,
        unknown(u" Z"_s), " 1", true,
        u"$ El último registro de default.alm está incompleto y no se ha tenido en cuenta\r\n"_s);
    const QString unreadable = u"$ No es posible leer la base de conocimientos default.alm: "_s;
    row("a FIFO", "make:fifo", u"QUE SABES DE Z"_s, unknown(u" Z"_s), " 0", true,
        unreadable + u"no es un archivo normal\r\n"_s);
    row("a folder", "make:folder", u"QUE SABES DE Z"_s, unknown(u" Z"_s), " 0", true,
        unreadable + u"es una carpeta\r\n"_s);
    row("a dangling link, as no file", "make:dangling link", u"QUE SABES DE Z"_s, unknown(u" Z"_s),
        " 0");
}

void TestEngine::answers()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, line);
    QFETCH(bool, invert);
    QFETCH(QString, transcript);
    QFETCH(QString, count);

    EngineRig rig;
    if (file.startsWith("make:")) // a hostile thing in its place
        makeHostileFile(QString::fromLatin1(file.sliced(5)), u"default.alm"_s);
    else if (!file.isNull())
        rig.folder.write(u"default.alm"_s, file);
    if (!invert)
        rig.engine.togglePronounInversion();
    rig.engine.switchMode(Mode::Consultation);
    rig.mark();
    rig.engine.submit(line);
    QCOMPARE(rig.added(), transcript);
    QCOMPARE(rig.engine.session().countCaption(), count);
    QCOMPARE(rig.engine.session().learnedCount(), 0);
    QCOMPARE(rig.log.count(u"beforeAnswer"_s), transcript.count(u"\r\n:"_s));
    QCOMPARE(rig.exit.status, line == u"ME VOY"_s || line == u"ADIÓS"_s ? 0 : -1);
}

// With both logic items on: what a question or a statement then adds at
// the end, and what the file gains (nothing from a question).
void TestEngine::deduces_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("tail");
    QTest::addColumn<QByteArray>("gained");
    const auto row = [](const char *name, const QByteArray &file, const QString &line,
                        const QStringList &chains, const QByteArray &gained = {}) {
        const QString prefix = gained.isEmpty() ? u":) DEDUZCO QUE "_s : u":) AHORA DEDUZCO QUE "_s;
        QTest::addRow("%s", name) << file << line
                                  << (chains.isEmpty()
                                          ? QString()
                                          : prefix + chains.join(u" \r\n"_s + prefix) + u" \r\n"_s)
                                  << gained;
    };
    const QByteArray gato = statement("EL GATO", "ES UN FELINO");
    const QByteArray felinos = statement("LOS FELINOS", "SON MAMIFEROS");
    const QByteArray mamiferos = statement("LOS MAMIFEROS", "SON ANIMALES");
    const QString example = u"EL GATO ES UN FELINO Y LOS FELINOS SON MAMIFEROS"_s;
    const QString three =
        u"EL GATO ES UN FELINO, LOS FELINOS SON MAMIFEROS Y LOS MAMIFEROS SON ANIMALES"_s;
    row("plural in ES",
        statement("EL PAIS", "ES UNA NACION") + statement("LAS NACIONES", "SON ESTADOS"),
        u"QUE SABES DEL PAIS"_s, {u"EL PAIS ES UNA NACION Y LAS NACIONES SON ESTADOS"_s});
    row("Z and CES, no article",
        statement("EL FARO", "ES UNA LUZ") + statement("LUCES", "SON ONDAS"),
        u"QUE SABES DEL FARO"_s, {u"EL FARO ES UNA LUZ Y LUCES SON ONDAS"_s});
    row("ESTA EN to ESTAN only",
        statement("EL LIBRO", "ESTA EN LA MESA") + statement("LA MESA", "ES DE PINO") +
            statement("LAS MESAS", "ESTAN EN LA COCINA") + statement("LA COCINA", "ES GRANDE"),
        u"QUE SABES DEL LIBRO"_s, {u"EL LIBRO ESTA EN LA MESA Y LAS MESAS ESTAN EN LA COCINA"_s});
    row("ESTÁ EN counts as ESTA EN",
        statement("EL LIBRO", "EST\xc1 EN LA MESA") + statement("LAS MESAS", "ESTAN EN LA COCINA"),
        u"QUE SABES DEL LIBRO"_s, {u"EL LIBRO ESTÁ EN LA MESA Y LAS MESAS ESTAN EN LA COCINA"_s});
    row("PAÍS and PAISES name the same thing",
        statement("ESPA\xd1"
                  "A",
                  "ES UN PA\xcdS") +
            statement("LOS PAISES", "SON ESTADOS"),
        u"QUE SABES DE ESPAÑA"_s, {u"ESPAÑA ES UN PAÍS Y LOS PAISES SON ESTADOS"_s});
    row("ES never to ESTA",
        statement("EL PERRO", "ES UN ANIMAL") + statement("EL ANIMAL", "ESTA EN EL CAMPO"),
        u"QUE SABES DEL PERRO"_s, {});
    row("topics that name the same thing",
        statement("EL GATO", "ES UN GATO") + statement("LOS GATOS", "SON GATOS"),
        u"QUE SABES DE LOS GATOS"_s, {});
    row("no deduction without an answer", gato + felinos, u"QUE SABES DE LOS PERROS"_s, {});
    row("learned: every chain through it", gato + mamiferos, u"LOS FELINOS SON MAMIFEROS"_s,
        {example, three, u"LOS FELINOS SON MAMIFEROS Y LOS MAMIFEROS SON ANIMALES"_s}, felinos);
    row("learned: chains without it untold", gato + felinos, u"EL PERRO ES UN ANIMAL"_s, {},
        statement("EL PERRO", "ES UN ANIMAL"));
    QTest::addRow("known with other accents: told as written")
        << statement("EL \xc1RBOL", "ES VERDE") << u"EL ARBOL ES VERDE"_s
        << u":) YA LO SABIA: EL ARBOL ES VERDE \r\n\r\n"_s << QByteArray();
    QTest::addRow("known: nothing kept, nothing drawn")
        << gato << u"EL GATO ES UN FELINO"_s << u":) YA LO SABIA: EL GATO ES UN FELINO \r\n\r\n"_s
        << QByteArray();
}

void TestEngine::deduces()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, line);
    QFETCH(QString, tail);
    QFETCH(QByteArray, gained);
    EngineRig rig(file);
    rig.engine.setLogicRulesApplied(true);
    rig.engine.setRealTimeLogicApplied(true);
    if (line.startsWith(u"QUE"_s))
        rig.engine.switchMode(Mode::Consultation);
    const int learned = rig.engine.session().learnedCount();
    rig.random.values = {0.0f, 0.0f};
    rig.mark();
    rig.engine.submit(line);
    const QString added = rig.added();
    QVERIFY2(added.endsWith(tail) && added.count(u"DEDUZCO"_s) == tail.count(u"DEDUZCO"_s),
             qPrintable(added));
    QCOMPARE(rig.file(), file + gained);
    QCOMPARE(rig.engine.session().learnedCount(), learned + !gained.isEmpty());
    QCOMPARE(rig.random.values.size(), tail.startsWith(u":) YA"_s) ? 2 : 1);
}

// Every example row of the help page, sent in turn in its mode in one
// session that starts without a file, gets a reply (never the echo) that
// holds what the row quotes; each exit word ends a session of its own. The
// logic items are on: the page shows them too.
void TestEngine::helpPageExamplesHold()
{
    EngineRig rig;
    rig.engine.setLogicRulesApplied(true);
    rig.engine.setRealTimeLogicApplied(true);
    static const QRegularExpression example(
        u"^\\|[^`\\n]*`([^`]*)` \\| (Aprendizaje|Consulta) \\| (.*) \\|$"_s,
        QRegularExpression::MultilineOption);
    static const QRegularExpression exits(u"^\\| (`.*`) \\| (\\w+) \\| termina el programa \\|$"_s,
                                          QRegularExpression::MultilineOption);
    static const QRegularExpression quoted(u"`([^`]*)`"_s);
    const QString page = helpPageMarkdown(HelpPage::HowItWorks);
    int examples = 0;
    for (auto row = example.globalMatch(page); row.hasNext(); ++examples) {
        const QRegularExpressionMatch match = row.next();
        const Mode mode =
            match.captured(2) == u"Aprendizaje"_s ? Mode::Learning : Mode::Consultation;
        if (rig.engine.session().mode() != mode)
            rig.engine.switchMode(mode);
        rig.mark();
        rig.engine.submit(match.captured(1));
        const QString replies = rig.added().remove(echo(match.captured(1)));
        for (auto promise = quoted.globalMatch(match.captured(3)); promise.hasNext();) {
            const QString text = promise.next().captured(1);
            QVERIFY2(replies.contains(text),
                     qPrintable(match.captured(1) + u": "_s + text + u'\n' + replies));
        }
    }
    for (const QRegularExpressionMatch &row : exits.globalMatch(page)) {
        for (const QRegularExpressionMatch &word : quoted.globalMatch(row.captured(1))) {
            EngineRig session;
            session.engine.switchMode(row.captured(2) == u"Aprendizaje"_s ? Mode::Learning
                                                                          : Mode::Consultation);
            session.engine.submit(word.captured(1));
            QVERIFY2(session.exit.status == 0 && ++examples, qPrintable(word.captured(1)));
        }
    }
    QCOMPARE(examples, 52 + 17); // none left out by a slip in its row
}

// The knowledge editor's changes through the engine, made from one listing
// taken first while the file may change under it: "aprender" appends as
// another learner would, "invertir" rewrites the file in reverse order as a
// sort might. The counter and the history follow every change.
void TestEngine::editsStatements_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("listed"); // topic|rest per statement, "*" without a mirror
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<QString>("told");  // refusals, and what the changes had to say
    QTest::addColumn<QString>("state"); // the counter, then "u" to undo and "r" to redo
    const QByteArray a = statement("EL A", "ES UNO");
    const QByteArray b = statement("LA B", "ES DOS");
    const QByteArray c = statement("LA C", "ESTA AQUI");
    const QByteArray z = statement("LA Z", "ES NUEVA");
    // Without a listing given, the statements listed are not compared.
    const auto row = [](const char *name, const QByteArray &file, const char *listed,
                        const QStringList &steps, const QByteArray &after, const char *state,
                        const QString &told = {}) {
        QTest::addRow("%s", name) << file << QString::fromUtf8(listed) << steps << after << told
                                  << QString::fromUtf8(state);
    };
    const QByteArray mixed =
        records({{"SON MIOS", "LOS LIBROS"}, {"X", "Y"}, {"LOS LIBROS", "SON MIOS"}});
    row("pairs, the statement side shown", mixed, "LOS LIBROS|SON MIOS X|Y*", {}, mixed, " 3");
    row("learned twice, forgotten once", a + a, "EL A|ES UNO EL A|ES UNO", {u"olvidar 2"_s}, a,
        " 2u");
    row("undone in place", a + b + c, "EL A|ES UNO LA B|ES DOS LA C|ESTA AQUI",
        {u"olvidar 2"_s, u"deshacer"_s}, a + b + c, " 6r");
    row("redone", a + b, "EL A|ES UNO LA B|ES DOS", {u"olvidar 1"_s, u"deshacer"_s, u"rehacer"_s},
        b, " 2u");
    row("undone at the end after a change", a + b, "EL A|ES UNO LA B|ES DOS",
        {u"olvidar 1"_s, u"aprender"_s, u"deshacer"_s}, b + z + a, " 6r");
    row("corrected as learning stores it", a + b, "EL A|ES UNO LA B|ES DOS",
        {u"corregir 1 el \"sol\"|es roja"_s}, statement("EL 'SOL'", "ES ROJA") + b, " 4u");
    row("a correction undone, then a new change forgets the redo", a + b, "EL A|ES UNO LA B|ES DOS",
        {u"corregir 2 LA B|ES TRES"_s, u"deshacer"_s, u"olvidar 1"_s}, b, " 2u");
    row("a statement learned in between kept", a + b, "EL A|ES UNO LA B|ES DOS",
        {u"aprender"_s, u"olvidar 1"_s}, b + z, " 4u");
    row("a sort in between misdirects nothing", a + b, "EL A|ES UNO LA B|ES DOS",
        {u"invertir"_s, u"olvidar 1"_s}, records({{"ES DOS", "LA B"}, {"LA B", "ES DOS"}}), " 2u");
    row("gone from the file", a + b, "EL A|ES UNO LA B|ES DOS", {u"olvidar 1"_s, u"olvidar 1"_s}, b,
        " 2u", u"No se ha cambiado nada en default.alm: ya no está en el archivo"_s);
    row("nothing to undo or redo", a, "EL A|ES UNO", {u"deshacer"_s, u"rehacer"_s}, a, " 2",
        u"No hay nada que deshacerNo hay nada que rehacer"_s);
    row("an empty field refused", a, "EL A|ES UNO", {u"corregir 1  |ES"_s}, a, " 2",
        u"El tema y el resto no pueden quedar vacíos."_s);
    row("a rest without its copula refused", a, "EL A|ES UNO", {u"corregir 1 EL A|EN MI"_s}, a,
        " 2", u"El resto tiene que empezar por ES, SON, ESTA o ESTAN, como al aprender."_s);
    row("a control character refused", a, "EL A|ES UNO", {u"corregir 1 EL A|ES\tDOS"_s}, a, " 2",
        u"Un campo no puede llevar saltos de línea ni caracteres de control."_s);
    row("a broken tail set aside first", a + b + R"(" LA C "," ES)", "EL A|ES UNO LA B|ES DOS",
        {u"olvidar 1"_s}, b, " 2u");
    row("blank lines and bare fields are records too", "\r\nEL A,ES UNO\r\n\r\n" + b,
        "EL A|ES UNO* LA B|ES DOS", {u"olvidar 2"_s}, "EL A,ES UNO\r\n", " 1u");
    row("an undo past the records a table loads stays in the history", a + numberedRecords(4996),
        nullptr, {u"olvidar 1"_s, u"aprender"_s, u"aprender"_s, u"deshacer"_s},
        numberedRecords(4996) + z + z, " 4996u",
        u"No se ha cambiado nada en default.alm: el archivo tendría 5002 registros, y no se "
        u"pueden leer más de 5001"_s);
    row("an undo takes out its own copy, not one learned since", a + b, "EL A|ES UNO LA B|ES DOS",
        {u"corregir 2 LA B|ES TRES"_s, u"aprender LA B|ES TRES"_s, u"deshacer"_s},
        a + b + statement("LA B", "ES TRES"), " 6r");
    row("an undo keeps what it cannot tell from a statement learned since", a + b,
        "EL A|ES UNO LA B|ES DOS",
        {u"corregir 2 LA B|ES TRES"_s, u"aprender LA B|ES TRES"_s, u"repetido"_s, u"deshacer"_s},
        a + b + statement("LA B", "ES TRES"), " 6r",
        u"Se ha conservado LA B | ES TRES: el archivo ha cambiado desde entonces y no se distingue "
        u"de lo que pudo aprenderse después"_s);
    row("a file ending in a lone CR", a + b.chopped(1), "EL A|ES UNO LA B|ES DOS", {u"olvidar 1"_s},
        b, " 2u");
    const QByteArray huge = R"(" X ",")" + QByteArray((64 << 20) - 60, 'x') + "\"\r\n";
    row("a correction that would pass 64 MiB", a + huge, nullptr,
        {u"corregir 1 EL A|ES "_s + QString(100, u'Z')}, a + huge, " 3",
        u"No se ha cambiado nada en default.alm: el archivo pasaría de 64 MiB, más de lo que se "
        u"puede leer"_s);
    row("not one record a line", "A\r\nB\r\n", "A|B*", {u"olvidar 1"_s}, "A\r\nB\r\n", " 1",
        u"No se puede modificar default.alm: la línea 1 no es un registro completo"_s);
}

void TestEngine::editsStatements()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, steps);
    EngineRig rig(file);
    rig.engine.listStatements();
    const KnowledgeListing listing = rig.engine.session().statementListing();
    QString shown;
    for (const KnowledgeStatement &s : listing.statements)
        shown += (shown.isEmpty() ? u""_s : u" "_s) + s.shown.topic.trimmed() + u'|' +
                 s.shown.statement.trimmed() + (s.mirrorRow < 0 ? u"*"_s : u""_s);
    QFETCH(QString, listed);
    if (!listed.isNull())
        QCOMPARE(shown, listed);
    QString told;
    QObject::connect(&rig.engine.session(), &Session::statementsEdited,
                     [&told](const KnowledgeEdit &edit) { told += edit.note; });
    for (const QString &step : steps) {
        const QString argument = step.section(u' ', 2);
        const KnowledgeStatement chosen =
            listing.statements.value(step.section(u' ', 1, 1).toInt() - 1);
        if (step.startsWith(u"aprender"_s)) {
            const QStringList learned =
                step.size() > 8 ? step.mid(9).split(u'|') : QStringList{u"LA Z"_s, u"ES NUEVA"_s};
            appendRecords(u"default.alm"_s, {{paddedField(learned[0]), paddedField(learned[1])},
                                             {paddedField(learned[1]), paddedField(learned[0])}});
        } else if (step == u"repetido"_s) {
            QVERIFY(rewriteKnowledgeLines(u"default.alm"_s, removeRepeated).ok);
        } else if (step == u"invertir"_s)
            QVERIFY(rewriteKnowledgeFile(u"default.alm"_s, [](const QByteArray &bytes) {
                        QList<QByteArray> lines = bytes.split('\n');
                        std::reverse(lines.begin(), lines.end());
                        return std::optional<QByteArray>(lines.join('\n').mid(1) + '\n');
                    }).ok);
        else if (step.startsWith(u"olvidar"_s))
            told += rig.engine.forgetStatements({chosen});
        else if (step.startsWith(u"corregir"_s))
            told += rig.engine.correctStatement(chosen, argument.section(u'|', 0, 0),
                                                argument.section(u'|', 1));
        else if (step == u"deshacer"_s)
            told += rig.engine.undoEdit();
        else if (step == u"rehacer"_s)
            told += rig.engine.redoEdit();
    }
    const Session &session = rig.engine.session();
    QTEST(told, "told");
    QTEST(rig.file(), "after");
    QTEST(session.countCaption() + (session.canUndoEdit() ? u"u"_s : u""_s) +
              (session.canRedoEdit() ? u"r"_s : u""_s),
          "state");
    // What the engine lists after its last change is the file as it is.
    QCOMPARE(session.statementListing().records, recordsIn(u"default.alm"_s));
}

// The counter shows statements learned since the last full load; a
// question shows the records it read.
void TestEngine::countsLearnedStatementsAndShowsWhatQuestionsRead()
{
    EngineRig rig(records({{"A", "ES B"}, {"ES B", "A"}}));
    QCOMPARE(rig.engine.session().countCaption(), u" 2"_s);
    rig.engine.submit(u"EL SOL ES UNA ESTRELLA"_s);
    QCOMPARE(rig.engine.session().countCaption(), u" 3"_s);
    rig.engine.switchMode(Mode::Consultation);
    rig.mark();
    rig.engine.submit(u"QUE SABES DEL SOL"_s);
    QCOMPARE(rig.added(), echo(u"QUE SABES DEL SOL"_s) + recall + u"EL SOL ES UNA ESTRELLA \r\n"_s);
    QCOMPARE(rig.engine.session().countCaption(), u" 4"_s);
    rig.engine.switchMode(Mode::Learning);
    rig.engine.submit(u"LA LUNA ES UN SATELITE"_s);
    QCOMPARE(rig.engine.session().countCaption(), u" 4"_s);
}

// A file that could not be loaded whole, or not be written: nothing learned.
void TestEngine::refusesToLearnWhatCannotBeKept()
{
    EngineRig rig(numberedRecords(5000));
    rig.engine.submit(u"EL SOL ES UNA ESTRELLA"_s);
    QCOMPARE(rig.added(), echo(u"EL SOL ES UNA ESTRELLA"_s) +
                              u":( MI BASE DE CONOCIMIENTOS ESTA LLENA. NO PUEDO APRENDER NADA "
                              u"MAS EN ESTE ARCHIVO \r\n"_s);
    QCOMPARE(rig.file(), numberedRecords(5000));
    QCOMPARE(rig.engine.session().countCaption(), u" 5000"_s);

    EngineRig blocked;
    QVERIFY(QDir().mkdir(u"default.alm"_s));
    blocked.engine.submit(u"EL SOL ES UNA ESTRELLA"_s);
    QCOMPARE(blocked.added(), echo(u"EL SOL ES UNA ESTRELLA"_s) +
                                  u"$ No he podido guardar lo aprendido en default.alm: es una "
                                  u"carpeta. No se ha aprendido nada.\r\n"_s);
    QCOMPARE(blocked.engine.session().countCaption(), u"00"_s);

    // Nothing is learned that would take the file past what can be read.
    const QByteArray nearlyFull = R"(" X ",")" + QByteArray((64 << 20) - 60, 'x') + "\"\r\n";
    EngineRig large(nearlyFull);
    large.engine.submit(u"EL SOL ES UNA ESTRELLA MUY BRILLANTE"_s);
    QVERIFY(
        large.added().endsWith(u"$ No he podido guardar lo aprendido en default.alm: el archivo "
                               u"pasaría de 64 MiB, más de lo que se puede leer. No se ha "
                               u"aprendido nada.\r\n"_s));
    QCOMPARE(large.file(), nearlyFull);

    EngineRig broken; // a learner killed after start-up left half a record
    broken.folder.write(u"default.alm"_s, "\" A");
    broken.engine.submit(u"EL SOL ES UNA ESTRELLA"_s);
    QVERIFY(broken.added().contains(u"\r\n$ "_s +
                                    setAsideNote(u"default.alm"_s, {u"default.alm.incompleto"_s}) +
                                    u"\r\n:) "_s));
}

void TestEngine::speaksRepliesAndPromptsOnlyWhileSpeechIsOn()
{
    EngineRig rig(records({{"EL SOL", "ES UNA ESTRELLA"}}));
    rig.engine.setSpeechEnabled(true);
    rig.engine.submit(u"LA LUNA ES BLANCA"_s);
    rig.engine.submit(u"QUE SABES DEL SOL"_s); // advice to change mode: not spoken
    rig.engine.submit(u"HOLA"_s);
    rig.engine.submit(u"HABLEMOS"_s);
    rig.engine.submit(u"QUE SABES DEL SOL"_s);
    rig.engine.submit(u"XYZ"_s);
    rig.engine.setSpeechEnabled(false);
    rig.engine.submit(u"QUE SABES DE LA LUNA"_s);
    rig.engine.switchMode(Mode::Learning);

    const QString hola = notUnderstood.chopped(2);
    QCOMPARE(rig.log.filter(u"speak:"_s).replaceInStrings(u"speak:"_s, QString()),
             (QStringList{learned + u"  LA LUNA ... \r\n"_s, hola, u":) PREGUNTA LO QUE QUIERAS "_s,
                          recall + u"EL SOL ES UNA ESTRELLA "_s, hola}));
    QCOMPARE(rig.log.at(rig.log.lastIndexOf(u"speak:"_s + hola) - 1), u"beforeAnswer"_s);
    QCOMPARE(rig.log.count(u"beforeAnswer"_s), 3);
}

void TestEngine::optionsAndTheEndOfTheProgram()
{
    EngineRig rig;
    rig.engine.setVoice(Voice::Female); // chosen, but taken only while speech is on
    QVERIFY(rig.speech.voice == Voice::Male && rig.engine.session().chosenVoice() == Voice::Female);
    rig.speech.heard = false;
    rig.mark();
    for (bool on : {true, false, true})
        rig.engine.setSpeechEnabled(on);
    QCOMPARE(rig.added(),
             u"$ No hay salida de sonido en este equipo: la síntesis de voz no se oirá.\r\n"_s);
    rig.engine.setVoice(Voice::Female);
    QCOMPARE(rig.speech.voice, Voice::Female);

    rig.engine.togglePronounInversion();
    QVERIFY(!rig.engine.session().pronounInversionApplied() && rig.messages.shown.size() == 1);

    rig.engine.submit(u" fin "_s); // exit words are upper-cased and trimmed in Learning
    QCOMPARE(rig.exit.status, 0);
    QCOMPARE(rig.added(), echo(u" fin "_s));
    rig.engine.submit(u"EL SOL ES UNA ESTRELLA"_s);
    rig.engine.switchMode(Mode::Consultation);
    rig.engine.quit();
    QCOMPARE(rig.added(), QString());
    QCOMPARE(rig.exit.times, 1);
}

// The shipped sample must be exactly what teaching its statements writes.
void TestEngine::sampleIsWhatLearningWrites()
{
    const QString sample = qEnvironmentVariable("TESKARO_SOURCE_DIR") + u"/data/default.alm"_s;
    const QList<KnowledgeRecord> records = recordsIn(sample);
    EngineRig rig;
    for (qsizetype direct = 0; direct < records.size(); direct += 2)
        rig.engine.submit(records[direct].topic.trimmed() + u' ' +
                          records[direct].statement.trimmed());
    QVERIFY(rig.engine.session().learnedCount() >= 60);
    QFile bytes(sample);
    QVERIFY(bytes.open(QIODevice::ReadOnly));
    QCOMPARE(rig.file(), bytes.readAll());
}

void TestEngine::startsUp_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("file"); // null: none
    QTest::addColumn<QString>("missing"); // a program that cannot be started
    QTest::addColumn<QString>("count");   // empty: the start fails

    const QByteArray full = QByteArray(5001, '\n').replace("\n", "\"A\",\"B\"\r\n");
    const auto row = [](const char *tag, const QByteArray &file, const char *count,
                        const char *kind = "", const char *missing = "") {
        QTest::addRow("%s", tag) << QString::fromLatin1(kind) << file
                                 << QString::fromLatin1(missing) << QString::fromLatin1(count);
    };
    row("no file", {}, "00");
    row("empty file", "", " 0");
    row("5001 records", full, " 5001");
    row("5002 records", full + "C,D\r\n", "");
    row("last record of one field", "A,B\r\nC\r\n", "");
    row("64 KiB without a line end, set aside", twoRecords + QByteArray(65536, 'A'), " 2");
    row("a quote open at the end, set aside", twoRecords + R"(" EL SOL "," ES UNA)", " 2");
    row("no sort command", "", "", "", "IND.BAT");
    row("no voice", {}, "", "", "voice");
    row("FIFO", {}, "", "fifo");
    row("sparse, 64 GiB", {}, "", "sparse");
    row("folder", {}, "00", "folder");
    row("dangling link", {}, "00", "dangling link");
}

void TestEngine::startsUp()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, file);
    QFETCH(QString, missing);
    QFETCH(QString, count);

    TestFolder folder;
    if (!kind.isEmpty())
        makeHostileFile(kind, u"default.alm"_s);
    else if (!file.isNull())
        folder.write(u"default.alm"_s, file);
    Fakes fakes;
    fakes.launcher.missing = QStringList{missing};
    fakes.speech.working = missing != u"voice"_s;
    DialogueEngine engine(fakes.platform, fakes.speech, fakes.random);
    engine.start();

    const Session &session = engine.session();
    QCOMPARE(fakes.exit.status, count.isEmpty() ? 1 : -1);
    QCOMPARE(fakes.messages.shown.size(), count.isEmpty() ? 1 : 0);
    if (count.isEmpty()) { // the one fixed message, then nothing more
        QVERIFY(fakes.messages.shown.first().text.endsWith(
            u"del autor en:  https://teskaro.example/\n"_s));
        engine.submit(u"EL SOL ES UNA ESTRELLA"_s);
        QVERIFY(!session.transcript().contains(u"SOL"_s));
        return;
    }
    const bool found = QFileInfo(u"default.alm"_s).isFile();
    QCOMPARE(session.transcript(),
             u"$ Recuperando ideas y recuerdos...\r\n"_s + cwd() + u"\r\n"_s +
                 (found ? u"$ en archivo default.alm ..."_s +
                              (QFile::exists(u"default.alm.incompleto"_s)
                                   ? u"\r\n$ "_s + setAsideNote(u"default.alm"_s,
                                                                {u"default.alm.incompleto"_s})
                                   : QString())
                        : u"\r\n$ Realmente no poseo ningún dato en mi memoria, pero ..."_s) +
                 ready + teach);
    QCOMPARE(fakes.log.first(), u"voice:male"_s);
    QCOMPARE(fakes.log.contains(u"start:IND.BAT TESKARO_ARCHIVO="_s + cwd() + u"/default.alm"_s),
             found);
    QCOMPARE(session.countCaption(), count);
    QVERIFY(session.title().startsWith(u"TESKARO v0.4a :: Sistema Experto"_s));
    QVERIFY(fakes.log.filter(u"speak:"_s).isEmpty());
}

// Only the name changes; the table counts as not loaded, so a full one no
// longer stands in the way, and the next question reads the chosen file.
void TestEngine::opensAnotherFileWithoutReadingIt()
{
    EngineRig rig(numberedRecords(5001));
    rig.folder.write(u"datos/otro.alm"_s, "\" EL SOL \",\" ES UNA ESTRELLA \"\r\n");
    const QString path = cwd() + u"/datos/otro.alm"_s;
    rig.engine.beginOpenKnowledgeFile();
    QCOMPARE(rig.engine.session().countCaption(), u"??"_s);
    rig.engine.openKnowledgeFile(path);
    QCOMPARE(rig.added(),
             u"\r\n$ abriendo base de conocimientos "_s + path + u" ...\r\n"_s + ready);
    QCOMPARE(rig.engine.session().knowledgeFile(), path);
    rig.engine.submit(u"LA LUNA ES UN SATELITE"_s);
    rig.engine.switchMode(Mode::Consultation);
    rig.engine.submit(u"QUE SABES DEL SOL"_s);
    QVERIFY(rig.added().endsWith(u":) TENGO ENTENDIDO QUE EL SOL ES UNA ESTRELLA \r\n"_s));
    QCOMPARE(rig.engine.session().countCaption(), u" 3"_s);
}

void TestEngine::savesACopyAndGoesOnWithTheSource()
{
    EngineRig rig(numberedRecords(5001));
    const QString source = cwd() + u"/default.alm"_s;
    rig.engine.cancelSaveAs();
    QCOMPARE(rig.engine.session().countCaption(), u"??"_s);
    rig.folder.write(u"default.alm"_s, twoRecords);
    rig.engine.submit(u"LA LUNA ES UN SATELITE"_s); // the full table no longer counts
    const QByteArray learned = rig.file();
    QCOMPARE(learned.count("\r\n"), 4);

    QVERIFY(QDir().mkdir(u"copias"_s));
    const QString copy = cwd() + u"/copias/nuevo.alm"_s;
    rig.mark();
    QVERIFY(rig.engine.saveKnowledgeFileAs(copy, ExistingFile::Keep));
    rig.folder.write(u"copias/nuevo.alm"_s, "X,Y\r\n");
    QVERIFY(!rig.engine.saveKnowledgeFileAs(copy, ExistingFile::Keep)); // kept, and nothing said
    QCOMPARE(rig.folder.read(u"copias/nuevo.alm"_s), "X,Y\r\n");
    QVERIFY(rig.engine.saveKnowledgeFileAs(copy, ExistingFile::Replace));
    QVERIFY(rig.engine.saveKnowledgeFileAs(source, ExistingFile::Keep)); // refused, but not kept
    const QString saved = u"$ Guardado como "_s + copy + u" (4 registros)\r\n"_s;
    QCOMPARE(rig.added(), saved + saved + u"$ No se ha podido copiar "_s + source + u" en "_s +
                              source + u": es el mismo archivo\r\n"_s);
    QCOMPARE(rig.folder.read(u"copias/nuevo.alm"_s), learned);
    QCOMPARE(rig.engine.session().knowledgeFile(), source);
    QCOMPARE(rig.engine.session().countCaption(), u"??"_s);
}

// Without a file the table is emptied all the same: a full one no longer
// stands in the way of learning.
void TestEngine::sortsThroughTheOutsideCommandAndRereads()
{
    EngineRig rig(numberedRecords(5001));
    const QString sorting = u"$ Ordenando ideas y recuerdos...\r\n"_s + cwd() + u"\r\n"_s;
    QFile::remove(u"default.alm"_s);
    rig.engine.sortKnowledgeFile();
    QCOMPARE(rig.added(), sorting +
                              u"\r\n$ Realmente no poseo ningún dato en mi memoria, pero ..."_s +
                              ready + teach);
    QCOMPARE(rig.engine.session().countCaption(), u" 5001"_s);
    QCOMPARE(rig.engine.session().title(), u" TESKARO v0.4a - [ Menquira ]"_s);
    rig.engine.submit(u"LA LUNA ES UN SATELITE"_s);
    QCOMPARE(rig.file().count("\r\n"), 2);

    rig.launcher.missing = QStringList{u"IND.BAT"_s};
    rig.engine.sortKnowledgeFile();
    QVERIFY(rig.added().endsWith(sorting +
                                 u"$ en archivo default.alm...\r\n$ No se ha podido iniciar la "
                                 u"ordenación: IND.BAT no se encuentra o no se puede ejecutar"_s +
                                 ready + teach));
    QCOMPARE(rig.engine.session().learnedCount(), 2);
    QCOMPARE(rig.log.count(u"start:IND.BAT TESKARO_ARCHIVO="_s + cwd() + u"/default.alm"_s), 2);
    rig.folder.write(u"otro.alm"_s, {});
    rig.engine.openKnowledgeFile(cwd() + u"/otro.alm"_s);
    rig.engine.sortKnowledgeFile(); // the file in use, not default.alm
    QCOMPARE(rig.log.last(), u"start:IND.BAT TESKARO_ARCHIVO="_s + cwd() + u"/otro.alm"_s);
}

// What repetido says at its end is told, whenever that comes.
void TestEngine::removesRepeatedRecordsThroughRepetido()
{
    EngineRig rig;
    const QString file = u"/tmp/a b; c.alm"_s;
    rig.engine.openKnowledgeFile(file);
    rig.engine.removeRepeatedRecords();
    QCOMPARE(rig.log.last(), u"start:repetido "_s + file);
    const Session &session = rig.engine.session();
    QTRY_VERIFY(session.transcript().endsWith(u"$ Eliminados 2 registros repetidos de "_s + file +
                                              u"\r\n"_s));
    rig.launcher.end = {false, 1, {}, "repetido: /tmp/a b; c.alm: la l\xc3\xadnea 1 no es...\n"};
    rig.engine.removeRepeatedRecords();
    QTRY_VERIFY(session.transcript().endsWith(u"redundancias de "_s + file +
                                              u": la línea 1 no es...\r\n"_s));
    rig.launcher.missing = QStringList{u"repetido"_s};
    rig.mark();
    rig.engine.removeRepeatedRecords();
    QCOMPARE(rig.added(), u"$ No se ha podido iniciar la eliminación de redundancias: repetido no "
                          u"se encuentra o no se puede ejecutar\r\n"_s);
}

QTEST_GUILESS_MAIN(TestEngine)
#include "tst_engine.moc"
