#include "knowledge/knowledgeloader.h"
#include "support/enginesession.h"

#include <QDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace teskaro;
using namespace teskaro::testing;

class TestLearning : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void learnsTheWorkedExampleByteForByte();
    void cutsStatementsAtTheFirstCopulaOfTheList_data();
    void cutsStatementsAtTheFirstCopulaOfTheList();
    void writesPaddedRecordsForEdgeCopulas_data();
    void writesPaddedRecordsForEdgeCopulas();
    void handlesWhatIsNoStatement_data();
    void handlesWhatIsNoStatement();
    void emptyLineOnlyTidiesUp();
    void learnsTwoStatementsInARow();
    void countsOnePerStatementFromTheStartUpCount();
    void speaksRepliesButNotTheModeAdvice();
    void storesDoubleQuotesAsSingleQuotes();
    void refusesWhatWouldOverfillTheFile();
    void reportsAFileThatCannotBeWritten();
    void sampleKnowledgeBaseIsWhatLearningWrites();
};

namespace {

using Session = EngineSession;

const QString slot1 = u":) ESTOY APRENDIENDO COSAS NUEVAS SOBRE "_s;

} // namespace

void TestLearning::learnsTheWorkedExampleByteForByte()
{
    Session session;
    session.rig.engine.inve_Click(); // pronoun inversion off
    session.markTranscript();
    session.rig.random.script({ScriptedRandom::forSlot(1)});
    session.learn(u"LOS HOMBRES SON ANIMALES INTELIGENTES A VECES"_s);

    QCOMPARE(session.added(),
             u"\r\n  [ LOS HOMBRES SON ANIMALES INTELIGENTES A VECES ]\r\n"
             u":) ESTOY APRENDIENDO COSAS NUEVAS SOBRE   LOS HOMBRES ... \r\n\r\n"_s);
    QCOMPARE(session.file(),
             QByteArray("\" LOS HOMBRES \",\" SON ANIMALES INTELIGENTES A VECES \"\r\n"
                        "\" SON ANIMALES INTELIGENTES A VECES \",\" LOS HOMBRES \"\r\n"));
    const DialogueState &state = session.rig.engine.state();
    QCOMPARE(state.table.topicColumn[0], u"  LOS HOMBRES "_s);
    QCOMPARE(state.table.statementColumn[0], u" SON ANIMALES INTELIGENTES A VECES  "_s);
    QCOMPARE(state.table.recordCount, 1);
    QCOMPARE(state.displayedCount, 1);
    QCOMPARE(session.rig.view.countLabel, u" 1"_s);
    QCOMPARE(state.replyText, u":) ESTOY APRENDIENDO COSAS NUEVAS SOBRE   LOS HOMBRES ... \r\n"_s);
    QCOMPARE(session.rig.view.input, QString());
    QCOMPARE(session.rig.log.events.last(), u"transcriptEnd"_s);
}

void TestLearning::cutsStatementsAtTheFirstCopulaOfTheList_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("invert");
    QTest::addColumn<QString>("subjectPhrase");
    QTest::addColumn<QString>("verbPhrase");

    QTest::addRow("ESTA before ES in the list")
        << u"LA MESA ES DONDE ESTA EL LIBRO"_s << false << u"  LA MESA ES DONDE "_s
        << u" ESTA EL LIBRO  "_s;
    QTest::addRow("ESTAN is not ESTA")
        << u"LOS LIBROS ESTAN AQUI"_s << false << u"  LOS LIBROS "_s << u" ESTAN AQUI  "_s;
    QTest::addRow("SON") << u"LOS HOMBRES SON ANIMALES"_s << false << u"  LOS HOMBRES "_s
                         << u" SON ANIMALES  "_s;
    QTest::addRow("outer blanks trimmed, inner kept")
        << u"  EL  SOL ES  GRANDE  "_s << false << u"  EL  SOL "_s << u" ES  GRANDE  "_s;
    QTest::addRow("lower case reaches the line by pasting")
        << u"los perros son leales"_s << false << u"  LOS PERROS "_s << u" SON LEALES  "_s;
    QTest::addRow("accented letters upper-cased")
        << u"el árbol es verde y ñoño"_s << false << u"  EL ÁRBOL "_s << u" ES VERDE Y ÑOÑO  "_s;
    QTest::addRow("inversion in both phrases")
        << u"MI PERRO ES TU AMIGO"_s << true << u"  TU PERRO "_s << u" ES MI AMIGO  "_s;
    QTest::addRow("inversion changes only the first form found")
        << u"PEPE ES MI AMIGO Y TU HERMANO"_s << true << u"  PEPE "_s
        << u" ES MI AMIGO Y MI HERMANO  "_s;
    QTest::addRow("inversion of TUS and MIS")
        << u"MIS LIBROS SON TUS LIBROS"_s << true << u"  TUS LIBROS "_s << u" SON MIS LIBROS  "_s;
    QTest::addRow("inversion of TE and ME")
        << u"EL QUE ME MIRA ES TE DIGO"_s << true << u"  EL QUE TE MIRA "_s << u" ES ME DIGO  "_s;
    QTest::addRow("no inversion when off")
        << u"MI PERRO ES TU AMIGO"_s << false << u"  MI PERRO "_s << u" ES TU AMIGO  "_s;
}

void TestLearning::cutsStatementsAtTheFirstCopulaOfTheList()
{
    QFETCH(QString, typed);
    QFETCH(bool, invert);
    QFETCH(QString, subjectPhrase);
    QFETCH(QString, verbPhrase);

    Session session;
    if (!invert)
        session.rig.engine.inve_Click();
    session.markTranscript();
    session.rig.random.script({ScriptedRandom::forSlot(1)});
    session.learn(typed);

    const DialogueState &state = session.rig.engine.state();
    QCOMPARE(state.table.topicColumn[0], subjectPhrase);
    QCOMPARE(state.table.statementColumn[0], verbPhrase);
    QCOMPARE(session.added(),
             u"\r\n  [ "_s + typed + u" ]\r\n"_s + slot1 + subjectPhrase + u"... \r\n\r\n"_s);

    KnowledgeTable reread;
    QCOMPARE(loadKnowledgeTable(u"default.alm"_s, reread).status, LoadOutcome::Status::Loaded);
    QCOMPARE(reread.recordCount, 2);
    QCOMPARE(reread.topicColumn[0], u' ' + subjectPhrase.trimmed() + u' ');
    QCOMPARE(reread.statementColumn[0], u' ' + verbPhrase.trimmed() + u' ');
    QCOMPARE(reread.topicColumn[1], reread.statementColumn[0]);
    QCOMPARE(reread.statementColumn[1], reread.topicColumn[0]);
}

void TestLearning::writesPaddedRecordsForEdgeCopulas_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("acknowledged"); // what follows the phrase

    QTest::addRow("copula at the end")
        << u"EL CIELO ES"_s << QByteArray("\" EL CIELO \",\" ES \"\r\n\" ES \",\" EL CIELO \"\r\n")
        << u"  EL CIELO ... \r\n"_s;
    QTest::addRow("copula at the start")
        << u"ES MI AMIGO"_s
        << QByteArray("\"  \",\" ES MI AMIGO \"\r\n\" ES MI AMIGO \",\"  \"\r\n")
        << u"  ... \r\n"_s;
}

void TestLearning::writesPaddedRecordsForEdgeCopulas()
{
    QFETCH(QString, typed);
    QFETCH(QByteArray, file);
    QFETCH(QString, acknowledged);

    Session session;
    session.rig.engine.inve_Click();
    session.rig.random.script({ScriptedRandom::forSlot(1)});
    session.learn(typed);
    QCOMPARE(session.file(), file);
    QCOMPARE(session.rig.engine.state().replyText, slot1 + acknowledged);
}

void TestLearning::handlesWhatIsNoStatement_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("added");   // transcript text added by the press
    QTest::addColumn<bool>("consulting"); // switched to Consultation
    QTest::addColumn<bool>("ended");

    const QString notUnderstood1 = u":( NO ENTIENDO NADA. MI COMPRENSION ES MUY LIMITADA. SIGUE "
                                   u"LA SINTAXIS ESTABLECIDA PARA EL MODO ACTUAL \r\n"_s;
    const QString toConsultation = u"\r\n$   ... cambiando a modo consulta ...\r\n\r\n"
                                   u":) PREGUNTA LO QUE QUIERAS \r\n"_s;

    QTest::addRow("blanks only") << u"   "_s << u"\r\n  [     ]\r\n"_s + notUnderstood1 << false
                                 << false;
    QTest::addRow("no copula") << u"HOLA AMIGO"_s << u"\r\n  [ HOLA AMIGO ]\r\n"_s + notUnderstood1
                               << false << false;
    QTest::addRow("HABLEMOS") << u"HABLEMOS"_s << toConsultation << true << false;
    QTest::addRow("CONVERSACION with blanks")
        << u"  CONVERSACION "_s << toConsultation << true << false;
    QTest::addRow("OUTPUT") << u"OUTPUT"_s << toConsultation << true << false;
    QTest::addRow("hablemos in lower case")
        << u"hablemos"_s << u"\r\n  [ hablemos ]\r\n"_s + notUnderstood1 << false << false;
    QTest::addRow("fin in lower case with blanks")
        << u" fin "_s << u"\r\n  [  fin  ]\r\n"_s << false << true;
    QTest::addRow("THEN END") << u"THEN END"_s << u"\r\n  [ THEN END ]\r\n"_s << false << true;
    QTest::addRow("THEN END with two blanks")
        << u"THEN  END"_s << u"\r\n  [ THEN  END ]\r\n"_s + notUnderstood1 << false << false;
    QTest::addRow("a question with a copula")
        << u"SABES QUE LOS HOMBRES SON ANIMALES"_s
        << u"\r\n  [ SABES QUE LOS HOMBRES SON ANIMALES ]\r\n"
           u":) CAMBIA A MODO CONSULTA SI DESEAS FORMULAR ALGUNA PREGUNTA \r\n"_s
        << false << false;
    QTest::addRow("HABLAME at the start")
        << u"HABLAME DEL SOL QUE ES UNA ESTRELLA"_s
        << u"\r\n  [ HABLAME DEL SOL QUE ES UNA ESTRELLA ]\r\n"
           u":) CAMBIA A MODO CONSULTA SI DESEAS FORMULAR ALGUNA PREGUNTA \r\n"_s
        << false << false;
    QTest::addRow("a question mark that was pasted")
        << u"EL SOL ES?"_s << u"\r\n  [ EL SOL ES? ]\r\n"_s + toConsultation << true << false;
}

void TestLearning::handlesWhatIsNoStatement()
{
    QFETCH(QString, typed);
    QFETCH(QString, added);
    QFETCH(bool, consulting);
    QFETCH(bool, ended);

    Session session;
    session.rig.random.script({ScriptedRandom::forSlot(1)});
    session.learn(typed);
    QCOMPARE(session.added(), added);
    QCOMPARE(session.rig.engine.state().mode,
             consulting ? DialogueMode::Consultation : DialogueMode::Learning);
    QCOMPARE(session.rig.exit.ended, ended);
    if (ended)
        QCOMPARE(session.rig.exit.status, 0);
    QVERIFY(!QFile::exists(u"default.alm"_s));
    QCOMPARE(session.rig.engine.state().table.recordCount, 0);
}

void TestLearning::emptyLineOnlyTidiesUp()
{
    Session session;
    const qsizetype before = session.rig.log.events.size();
    session.learn(QString());
    QCOMPARE(session.added(), QString());
    QCOMPARE(
        session.rig.log.events.mid(before),
        (QStringList{u"icon:Learning"_s,
                     u"tip: Entre información para enseñar al sistema siguiendo la sintaxis "
                     u"establecida para el modo APRENDIZAJE "_s,
                     u"indicator:1=0"_s, u"indicator:0=1"_s, u"input:"_s, u"transcriptEnd"_s}));
    QVERIFY(!QFile::exists(u"default.alm"_s));
}

void TestLearning::learnsTwoStatementsInARow()
{
    Session session;
    session.learn(u"EL SOL ES UNA ESTRELLA"_s);
    session.learn(u"LA LUNA ES UN SATELITE"_s);
    const DialogueState &state = session.rig.engine.state();
    QCOMPARE(state.table.recordCount, 2);
    QCOMPARE(state.table.topicColumn[0], u"  EL SOL "_s);
    QCOMPARE(state.table.topicColumn[1], u"  LA LUNA "_s);
    QCOMPARE(
        session.file(),
        QByteArray("\" EL SOL \",\" ES UNA ESTRELLA \"\r\n\" ES UNA ESTRELLA \",\" EL SOL \"\r\n"
                   "\" LA LUNA \",\" ES UN SATELITE \"\r\n\" ES UN SATELITE \",\" LA LUNA \"\r\n"));
    QCOMPARE(session.rig.view.countLabel, u" 2"_s);
}

void TestLearning::countsOnePerStatementFromTheStartUpCount()
{
    Session session(numberedRecords(10));
    QCOMPARE(session.rig.view.countLabel, u" 10"_s);
    session.learn(u"EL SOL ES UNA ESTRELLA"_s);
    QCOMPARE(session.rig.view.countLabel, u" 11"_s);
    QCOMPARE(session.rig.engine.state().table.recordCount, 11);
    QCOMPARE(session.rig.engine.state().table.topicColumn[10], u"  EL SOL "_s);
    QCOMPARE(session.file().count("\r\n"), 12);
}

void TestLearning::speaksRepliesButNotTheModeAdvice()
{
    Session session;
    session.rig.engine.Check1_Click(true);
    session.rig.random.script({ScriptedRandom::forSlot(1)});
    session.learn(u"EL SOL ES UNA ESTRELLA"_s);
    session.learn(u"HOLA"_s);
    session.learn(u"QUE SABES DEL SOL"_s);
    QCOMPARE(session.rig.speech.spoken,
             (QStringList{slot1 + u"  EL SOL ... \r\n"_s,
                          u":( NO ENTIENDO NADA. MI COMPRENSION ES MUY LIMITADA. SIGUE LA "
                          u"SINTAXIS ESTABLECIDA PARA EL MODO ACTUAL "_s}));
    QVERIFY(session.rig.log.starting(u"beforeAnswer"_s).isEmpty());

    session.rig.engine.Check1_Click(false);
    session.learn(u"LA LUNA ES UN SATELITE"_s);
    QCOMPARE(session.rig.speech.spoken.size(), 2);
}

void TestLearning::storesDoubleQuotesAsSingleQuotes()
{
    Session session;
    session.learn(u"EL \"LIBRO\" ESTA AQUI, EN LA MESA"_s);
    QCOMPARE(session.file(), QByteArray("\" EL 'LIBRO' \",\" ESTA AQUI, EN LA MESA \"\r\n"
                                        "\" ESTA AQUI, EN LA MESA \",\" EL 'LIBRO' \"\r\n"));
    QVERIFY(session.added().contains(u"[ EL \"LIBRO\" ESTA AQUI, EN LA MESA ]"_s));
    QVERIFY(session.added().contains(u"  EL 'LIBRO' ... "_s));

    // Every later record still reads back as written.
    session.learn(u"LA LUNA ES UN SATELITE"_s);
    KnowledgeTable reread;
    QCOMPARE(loadKnowledgeTable(u"default.alm"_s, reread).status, LoadOutcome::Status::Loaded);
    QCOMPARE(reread.recordCount, 4);
    QCOMPARE(reread.topicColumn[0], u" EL 'LIBRO' "_s);
    QCOMPARE(reread.statementColumn[1], u" EL 'LIBRO' "_s);
    QCOMPARE(reread.topicColumn[2], u" LA LUNA "_s);
}

void TestLearning::refusesWhatWouldOverfillTheFile()
{
    Session session(numberedRecords(5000));
    const QByteArray before = session.file();
    session.learn(u"EL SOL ES UNA ESTRELLA"_s);
    QCOMPARE(session.file(), before);
    QCOMPARE(session.rig.engine.state().displayedCount, 5000);
    QCOMPARE(session.rig.engine.state().table.recordCount, 5000);
    QCOMPARE(session.rig.view.countLabel, u" 5000"_s);
    const QStringList lines = session.added().split(u"\r\n"_s);
    QCOMPARE(lines.at(2), u":( MI BASE DE CONOCIMIENTOS ESTA LLENA. NO PUEDO APRENDER NADA MAS EN "
                          u"ESTE ARCHIVO "_s);
    QVERIFY(!session.added().contains(u"SOBRE"_s));
}

void TestLearning::reportsAFileThatCannotBeWritten()
{
    TestFolder folder;
    QVERIFY(QDir().mkdir(u"default.alm"_s)); // a folder where the file should be
    EngineRig rig;
    rig.engine.Form_Load();
    const qsizetype start = rig.view.transcript.size();
    rig.view.input = u"EL SOL ES UNA ESTRELLA"_s;
    rig.engine.aprendizaje_Click();

    QCOMPARE(rig.view.transcript.mid(start),
             u"\r\n  [ EL SOL ES UNA ESTRELLA ]\r\n"
             u"$ No he podido guardar lo aprendido en default.alm: es una carpeta. No se ha "
             u"aprendido nada.\r\n"_s);
    QCOMPARE(rig.engine.state().displayedCount, 0);
    QCOMPARE(rig.engine.state().table.recordCount, 0);
    QCOMPARE(rig.view.countLabel, u"00"_s);
}

// The shipped sample must be exactly what teaching its statements writes.
void TestLearning::sampleKnowledgeBaseIsWhatLearningWrites()
{
    QFile sample(qEnvironmentVariable("TESKARO_SOURCE_DIR") + u"/data/default.alm"_s);
    QVERIFY2(sample.open(QIODevice::ReadOnly), qPrintable(sample.fileName()));
    const QByteArray bytes = sample.readAll();
    KnowledgeTable table;
    QCOMPARE(loadKnowledgeTable(sample.fileName(), table).status, LoadOutcome::Status::Loaded);
    QVERIFY(table.recordCount >= 120);

    Session session;
    for (int row = 0; row < table.recordCount; row += 2)
        session.learn(table.topicColumn[row].trimmed() + u' ' +
                      table.statementColumn[row].trimmed());
    QCOMPARE(session.rig.engine.state().displayedCount, table.recordCount / 2);
    QCOMPARE(session.file(), bytes);
}

QTEST_GUILESS_MAIN(TestLearning)
#include "tst_learning.moc"
