#include "support/enginesession.h"

#include <QDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace teskaro;
using namespace teskaro::testing;

class TestQuery : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void answersQuestions_data();
    void answersQuestions();
    void modeWordsSwitchWithoutReadingTheFile_data();
    void modeWordsSwitchWithoutReadingTheFile();
    void exitWordsAreComparedUntrimmed_data();
    void exitWordsAreComparedUntrimmed();
    void emptyLineReloadsAndTidiesOnly();
    void answersEachMatchingRecordInTableOrder();
    void matchesBothRecordsOfAStatementThroughItsMirror();
    void readsTheFileAgainForEveryQuestion();
    void callsBeforeAnswerThenSpeaks_data();
    void callsBeforeAnswerThenSpeaks();
    void answersFromAnEmptyBaseWhenTheFileIsMissing();
    void reportsAFileThatCannotBeRead();
    void answersFromTheFirstRecordsOfAnOverfullFile();
    void reportsAnIncompleteLastRecord();
};

namespace {

using Records = QList<QPair<QString, QString>>;

QByteArray fileOf(const Records &records)
{
    QByteArray bytes;
    for (const auto &[topic, statement] : records)
        bytes += "\"" + topic.toLatin1() + "\",\"" + statement.toLatin1() + "\"\r\n";
    return bytes;
}

const QString recall1 = u":) TENGO ENTENDIDO QUE "_s;
const QString recall2 = u":) HE OIDO EN CIERTA OCASION QUE "_s;
const QString ignorance1 = u":( REALMENTE NO SE NADA SOBRE "_s;
const QString notUnderstood1 = u":( NO ENTIENDO NADA. MI COMPRENSION ES MUY LIMITADA. SIGUE LA "
                               u"SINTAXIS ESTABLECIDA PARA EL MODO ACTUAL "_s;

} // namespace

void TestQuery::answersQuestions_data()
{
    QTest::addColumn<Records>("records");
    QTest::addColumn<bool>("invert");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QStringList>("replies");

    const Records hombres{{u" LOS HOMBRES "_s, u" SON ANIMALES INTELIGENTES A VECES "_s}};
    QTest::addRow("subject after SOBRE loses its plural S")
        << hombres << true << u"QUE SABES SOBRE LOS HOMBRES"_s
        << QStringList{recall1 + u"LOS HOMBRES SON ANIMALES INTELIGENTES A VECES "_s};
    QTest::addRow("question typed in lower case")
        << hombres << true << u"que sabes sobre los hombres"_s
        << QStringList{recall1 + u"LOS HOMBRES SON ANIMALES INTELIGENTES A VECES "_s};
    QTest::addRow("articles come before interrogatives")
        << Records{{u" EL TELEFONO DE TORVAN "_s, u" ES 555 "_s}} << true
        << u"CUAL ES EL TELEFONO DE TORVAN"_s
        << QStringList{recall1 + u"EL TELEFONO DE TORVAN ES 555 "_s};
    QTest::addRow("subject ending inside a word")
        << Records{{u" EL LIBRO DE NEUROBIOLOGIA "_s, u" ESTA EN EL TRASTERO "_s}} << true
        << u"SABES ALGO DEL LIBRO DE NEURO"_s << QStringList{ignorance1 + u" LIBRO DE NEURO "_s};
    QTest::addRow("match at the very start accepted inside a word")
        << Records{{u" JUANA ES MI HERMANA "_s, u" JUANA "_s}} << true << u"QUIEN ES JUAN"_s
        << QStringList{recall1 + u"JUANA ES MI HERMANA JUANA "_s};
    QTest::addRow("QUIEN ES alone")
        << hombres << true << u"QUIEN ES"_s << QStringList{notUnderstood1};
    QTest::addRow("blanks only") << hombres << true << u"   "_s << QStringList{notUnderstood1};
    QTest::addRow("input is no mode word in lower case")
        << hombres << true << u"input"_s << QStringList{notUnderstood1};
    QTest::addRow("empty knowledge")
        << Records{} << true << u"QUE SABES DEL SOL"_s << QStringList{ignorance1 + u" SOL "_s};
    QTest::addRow("inversion of MI after DE") << hombres << true << u"QUE SABES DE MI PERRO"_s
                                              << QStringList{ignorance1 + u" TU PERRO "_s};
    QTest::addRow("no inversion at the start of a SOBRE subject")
        << hombres << true << u"QUE SABES SOBRE MI PERRO"_s
        << QStringList{ignorance1 + u"MI PERRO "_s};
    QTest::addRow("inversion off") << hombres << false << u"QUE SABES DE MI PERRO"_s
                                   << QStringList{ignorance1 + u" MI PERRO "_s};
    QTest::addRow("inversion of TE and ME, first occurrence only")
        << Records{{u" LO QUE ME DIJISTE "_s, u" ES VERDAD "_s}} << true
        << u"QUE SABES SOBRE LO QUE TE DIJISTE TE"_s
        << QStringList{ignorance1 + u"LO QUE ME DIJISTE TE "_s};
    QTest::addRow("plural S given back when nothing is found")
        << hombres << true << u"QUE SABES SOBRE LOS PERROS"_s
        << QStringList{ignorance1 + u"LOS PERROS "_s};
    QTest::addRow("no article, no singular")
        << Records{{u" PERRO "_s, u" ES UN ANIMAL "_s}} << true << u"QUE SABES DE PERROS"_s
        << QStringList{ignorance1 + u" PERROS "_s};
    QTest::addRow("DE LOS keeps the S")
        << Records{{u" LOS PERROS "_s, u" SON LEALES "_s}} << true << u"HABLAME DE LOS PERROS"_s
        << QStringList{recall1 + u"LOS PERROS SON LEALES "_s};
    QTest::addRow("UNAS is an article")
        << Records{{u" HAY UNAS CASA "_s, u" AQUI "_s}} << true << u"QUE SABES SOBRE UNAS CASAS"_s
        << QStringList{ignorance1 + u"UNAS CASAS "_s};
    QTest::addRow("LOS without a blank before it is found anywhere")
        << Records{{u" CARLOS PEREZ "_s, u" ES MEDICO "_s}} << true
        << u"QUE SABES SOBRE CARLOS PEREZ"_s << QStringList{recall1 + u"CARLOS PEREZ ES MEDICO "_s};
    QTest::addRow("DONDE ESTA") << Records{{u" MADRID "_s, u" ESTA EN ESPAÑA "_s}} << true
                                << u"DONDE ESTA MADRID"_s
                                << QStringList{recall1 + u"MADRID ESTA EN ESPAÑA "_s};
    QTest::addRow("CONOCES A") << Records{{u" PEDRO "_s, u" ES MI VECINO "_s}} << true
                               << u"CONOCES A PEDRO"_s
                               << QStringList{recall1 + u"PEDRO ES MI VECINO "_s};
    QTest::addRow("no blank on either side rejects")
        << Records{{u" XSOLX "_s, u" NADA "_s}} << true << u"QUE SABES DEL SOL"_s
        << QStringList{ignorance1 + u" SOL "_s};
}

void TestQuery::answersQuestions()
{
    QFETCH(Records, records);
    QFETCH(bool, invert);
    QFETCH(QString, question);
    QFETCH(QStringList, replies);

    EngineSession session;
    session.folder.write(u"default.alm"_s, fileOf(records).replace("Ñ", "\xD1"));
    if (!invert)
        session.rig.engine.inve_Click();
    session.rig.random.script({ScriptedRandom::forSlot(1)});
    session.markTranscript();
    session.ask(question);

    QCOMPARE(session.added(),
             u"\r\n  [ "_s + question + u" ]\r\n"_s + replies.join(u"\r\n"_s) + u"\r\n"_s);
    QCOMPARE(session.rig.view.countLabel, countCaption(int(records.size())));
    QCOMPARE(session.rig.view.input, QString());
    QCOMPARE(session.rig.log.events.last(), u"transcriptEnd"_s);
}

void TestQuery::modeWordsSwitchWithoutReadingTheFile_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addRow("INPUT") << u"INPUT"_s;
    QTest::addRow("APRENDIZAJE with blanks") << u"  APRENDIZAJE "_s;
}

void TestQuery::modeWordsSwitchWithoutReadingTheFile()
{
    QFETCH(QString, typed);
    EngineSession session;
    session.rig.engine.Option2_Click();
    session.folder.write(u"default.alm"_s, numberedRecords(3));
    session.rig.random.script({ScriptedRandom::forSlot(1)});
    session.markTranscript();
    session.ask(typed);
    QCOMPARE(session.added(), u"\r\n$   ... cambiando a modo aprendizaje...\r\n\r\n"
                              u":) CUENTAME ALGO ACERCA DE CUALQUIER TEMA \r\n"_s);
    QCOMPARE(session.rig.engine.state().mode, DialogueMode::Learning);
    QCOMPARE(session.rig.view.countLabel, u"00"_s);
}

void TestQuery::exitWordsAreComparedUntrimmed_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("ends");
    for (const QString &word : {u"FIN"_s, u"ADIOS"_s, u"SALIR"_s, u"EXIT"_s, u"QUIT"_s, u"END"_s,
                                u"THEN END"_s, u"ME VOY"_s, u"QUITAR"_s, u"CERRAR"_s})
        QTest::addRow("%s", qPrintable(word)) << word << true;
    QTest::addRow("trailing blank") << u"FIN "_s << false;
    QTest::addRow("lower case") << u"fin"_s << false;
}

void TestQuery::exitWordsAreComparedUntrimmed()
{
    QFETCH(QString, typed);
    QFETCH(bool, ends);
    EngineSession session;
    session.rig.random.script({ScriptedRandom::forSlot(1)});
    session.ask(typed);
    QCOMPARE(session.rig.exit.ended, ends);
    if (ends) {
        QCOMPARE(session.added(), u"\r\n  [ "_s + typed + u" ]\r\n"_s);
        QCOMPARE(session.rig.log.events.last(), u"exit:0"_s);
    } else {
        QCOMPARE(session.added(), u"\r\n  [ "_s + typed + u" ]\r\n"_s + notUnderstood1 + u"\r\n"_s);
    }
}

void TestQuery::emptyLineReloadsAndTidiesOnly()
{
    EngineSession session;
    session.folder.write(u"default.alm"_s, numberedRecords(4));
    session.ask(QString());
    QCOMPARE(session.added(), QString());
    QCOMPARE(session.rig.view.countLabel, u" 4"_s);
    QCOMPARE(session.rig.engine.state().table.recordCount, 4);
    QCOMPARE(session.rig.view.input, QString());
    QCOMPARE(session.rig.log.events.last(), u"transcriptEnd"_s);
    QVERIFY(session.rig.log.starting(u"beforeAnswer"_s).isEmpty());
}

void TestQuery::answersEachMatchingRecordInTableOrder()
{
    EngineSession session(fileOf({{u" EL SOL "_s, u" ES UNA ESTRELLA "_s},
                                  {u" LA LUNA "_s, u" ES UN SATELITE "_s},
                                  {u" EL SOL "_s, u" ESTA LEJOS "_s},
                                  {u" UN SOL "_s, u" ES CALIDO "_s}}));
    session.rig.random.script(
        {ScriptedRandom::forSlot(1), ScriptedRandom::forSlot(2), ScriptedRandom::forSlot(1)});
    session.markTranscript();
    session.ask(u"QUE SABES DEL SOL"_s);
    QCOMPARE(session.added(),
             u"\r\n  [ QUE SABES DEL SOL ]\r\n"_s + recall1 + u"EL SOL ES UNA ESTRELLA \r\n"_s +
                 recall2 + u"EL SOL ESTA LEJOS \r\n"_s + recall1 + u"UN SOL ES CALIDO \r\n"_s);
}

void TestQuery::matchesBothRecordsOfAStatementThroughItsMirror()
{
    EngineSession session;
    session.learn(u"LA CASA ES UNA CASA GRANDE"_s);
    session.rig.engine.Option2_Click();
    session.rig.random.script({ScriptedRandom::forSlot(1)});
    session.markTranscript();
    session.ask(u"QUE ES CASA"_s);
    QCOMPARE(session.added(), u"\r\n  [ QUE ES CASA ]\r\n"_s + recall1 +
                                  u"LA CASA ES UNA CASA GRANDE \r\n"_s + recall1 +
                                  u"ES UNA CASA GRANDE LA CASA \r\n"_s);
    QCOMPARE(session.rig.view.countLabel, u" 2"_s);
}

void TestQuery::readsTheFileAgainForEveryQuestion()
{
    EngineSession session;
    session.rig.random.script({ScriptedRandom::forSlot(1)});
    session.ask(u"QUE SABES DEL SOL"_s);
    QVERIFY(session.added().contains(ignorance1));

    session.folder.write(u"default.alm"_s, fileOf({{u" EL SOL "_s, u" ES UNA ESTRELLA "_s}}));
    session.markTranscript();
    session.ask(u"QUE SABES DEL SOL"_s);
    QVERIFY(session.added().contains(recall1 + u"EL SOL ES UNA ESTRELLA "_s));
    QCOMPARE(session.rig.view.countLabel, u" 1"_s);

    session.folder.write(u"default.alm"_s, {});
    session.markTranscript();
    session.ask(u"QUE SABES DEL SOL"_s);
    QVERIFY(session.added().contains(ignorance1));
    QCOMPARE(session.rig.view.countLabel, u" 0"_s);
    // displayedCount belongs to learning: a reload leaves it alone.
    QCOMPARE(session.rig.engine.state().displayedCount, 0);
}

void TestQuery::callsBeforeAnswerThenSpeaks_data()
{
    QTest::addColumn<bool>("speech");
    QTest::addRow("speech on") << true;
    QTest::addRow("speech off") << false;
}

void TestQuery::callsBeforeAnswerThenSpeaks()
{
    QFETCH(bool, speech);
    EngineSession session(
        fileOf({{u" EL SOL "_s, u" ES UNA ESTRELLA "_s}, {u" EL SOL "_s, u" ESTA LEJOS "_s}}));
    session.rig.engine.Check1_Click(speech);
    session.rig.random.script({ScriptedRandom::forSlot(1)});
    const qsizetype start = session.rig.log.events.size();
    session.ask(u"QUE SABES DEL SOL"_s);
    session.ask(u"QUE SABES DE LA LUNA"_s);
    session.ask(u"HOLA"_s);

    QStringList expected;
    const auto reply = [&](const QString &text) {
        expected += u"append:"_s + text + u"\r\n"_s;
        expected += u"beforeAnswer"_s;
        if (speech)
            expected += u"speak:"_s + text;
    };
    reply(recall1 + u"EL SOL ES UNA ESTRELLA "_s);
    reply(recall1 + u"EL SOL ESTA LEJOS "_s);
    reply(ignorance1 + u" LA LUNA "_s);
    reply(notUnderstood1);
    QStringList seen;
    for (const QString &event : session.rig.log.events.mid(start)) {
        if ((event.startsWith(u"append::"_s)) || event == u"beforeAnswer"_s ||
            event.startsWith(u"speak:"_s))
            seen += event;
    }
    QCOMPARE(seen, expected);
}

void TestQuery::answersFromAnEmptyBaseWhenTheFileIsMissing()
{
    EngineSession session;
    session.rig.random.script({ScriptedRandom::forSlot(1)});
    session.ask(u"QUE SABES DEL SOL"_s);
    QCOMPARE(session.added(), u"\r\n  [ QUE SABES DEL SOL ]\r\n"_s + ignorance1 + u" SOL \r\n"_s);
    QCOMPARE(session.rig.view.countLabel, u" 0"_s);
}

void TestQuery::reportsAFileThatCannotBeRead()
{
    EngineSession session;
    QVERIFY(QDir().mkdir(u"default.alm"_s));
    session.rig.random.script({ScriptedRandom::forSlot(1)});
    session.ask(u"QUE SABES DEL SOL"_s);
    QCOMPARE(session.added(),
             u"$ No es posible leer la base de conocimientos default.alm: es una carpeta\r\n"
             u"\r\n  [ QUE SABES DEL SOL ]\r\n"_s +
                 ignorance1 + u" SOL \r\n"_s);
    QCOMPARE(session.rig.view.countLabel, u" 0"_s);
}

void TestQuery::answersFromTheFirstRecordsOfAnOverfullFile()
{
    EngineSession session;
    session.folder.write(u"default.alm"_s,
                         numberedRecords(5001) + "\" EXTRA \",\" ES LA 5002 \"\r\n");
    session.rig.random.script({ScriptedRandom::forSlot(1)});
    session.ask(u"QUE SABES SOBRE TOPIC 5000"_s);
    QCOMPARE(session.added(), u"$ La base de conocimientos default.alm tiene más de 5001 "
                              u"registros: solo se han leído los 5001 primeros\r\n"
                              u"\r\n  [ QUE SABES SOBRE TOPIC 5000 ]\r\n"_s +
                                  recall1 + u"TOPIC 5000 STATEMENT 5000 \r\n"_s);
    session.markTranscript();
    session.ask(u"QUE SABES SOBRE EXTRA"_s);
    QVERIFY(session.added().endsWith(ignorance1 + u"EXTRA \r\n"_s));
    QCOMPARE(session.rig.view.countLabel, u" 5001"_s);
}

void TestQuery::reportsAnIncompleteLastRecord()
{
    EngineSession session;
    session.folder.write(u"default.alm"_s,
                         fileOf({{u" EL SOL "_s, u" ES UNA ESTRELLA "_s}}) + "\" ALONE \"\r\n");
    session.rig.random.script({ScriptedRandom::forSlot(1)});
    session.ask(u"QUE SABES DEL SOL"_s);
    QCOMPARE(session.added(), u"$ El último registro de default.alm está incompleto y no se ha "
                              u"tenido en cuenta\r\n\r\n  [ QUE SABES DEL SOL ]\r\n"_s +
                                  recall1 + u"EL SOL ES UNA ESTRELLA \r\n"_s);
    QCOMPARE(session.rig.view.countLabel, u" 1"_s);
}

QTEST_GUILESS_MAIN(TestQuery)
#include "tst_query.moc"
