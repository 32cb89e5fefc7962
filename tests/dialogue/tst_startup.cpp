#include "dialogue/phrasetables.h"
#include "support/recordingfakes.h"
#include "support/testfolder.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace teskaro;
using namespace teskaro::testing;

using PhraseTableMember = PhraseTable PhraseTables::*;
Q_DECLARE_METATYPE(PhraseTableMember)

class TestStartUp : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void greetsFromTheDefaultFile();
    void greetsWithoutAFile();
    void emptyFileStillStartsTheSort();
    void sortStartsBeforeTheFileIsRead();
    void loadsTheWholeTableCapacity();
    void fatalExits_data();
    void fatalExits();
    void fatalMessageReadsExactly();
    void voiceIsChosenFirstAndNothingIsSpoken();
    void endsInLearningLook();
    void phraseTablesHoldTheirTexts_data();
    void phraseTablesHoldTheirTexts();
    void pickRuleCoversOneToFifteen();
};

namespace {

const QString prompt1 = u":) CUENTAME ALGO ACERCA DE CUALQUIER TEMA "_s;

} // namespace

void TestStartUp::greetsFromTheDefaultFile()
{
    TestFolder folder;
    folder.write(u"default.alm"_s, numberedRecords(10));
    EngineRig rig;
    rig.engine.Form_Load();

    QCOMPARE(rig.view.transcriptLines(),
             (QStringList{u"$ Recuperando ideas y recuerdos..."_s, QDir::currentPath(),
                          u"$ en archivo default.alm ..."_s, u":) ESTOY LISTO PARA UNA SESION."_s,
                          prompt1, QString()}));
    QCOMPARE(rig.engine.state().transcript, rig.view.transcript);
    QCOMPARE(rig.launcher.started, (QList<QStringList>{{u"IND.BAT"_s}}));
    QCOMPARE(rig.engine.state().table.recordCount, 10);
    QCOMPARE(rig.engine.state().displayedCount, 10);
    QCOMPARE(rig.view.countLabel, u" 10"_s);
    QCOMPARE(rig.view.knowledgeFileBox, u"default.alm"_s);
    QCOMPARE(rig.engine.state().activeFileName, u"default.alm"_s);
    QCOMPARE(rig.view.caption, u"TESKARO v0.4a :: Sistema Experto de Aprendizaje y Consulta "
                               u"basado en el lenguaje humano"_s);
    QCOMPARE(rig.log.starting(u"caption:"_s).first(),
             u"caption:$ Reorganizando recuerdos e ideas..."_s);
    QVERIFY(!rig.exit.ended);
    QVERIFY(rig.messages.shown.isEmpty());
}

void TestStartUp::greetsWithoutAFile()
{
    TestFolder folder;
    EngineRig rig;
    rig.engine.Form_Load();

    QCOMPARE(rig.view.transcriptLines(),
             (QStringList{u"$ Recuperando ideas y recuerdos..."_s, QDir::currentPath(), QString(),
                          u"$ Realmente no poseo ningún dato en mi memoria, pero ..."_s,
                          u":) ESTOY LISTO PARA UNA SESION."_s, prompt1, QString()}));
    QVERIFY(rig.launcher.started.isEmpty());
    QCOMPARE(rig.view.countLabel, u"00"_s);
    QCOMPARE(rig.engine.state().table.recordCount, 0);
    QCOMPARE(rig.engine.state().displayedCount, 0);
}

void TestStartUp::emptyFileStillStartsTheSort()
{
    TestFolder folder;
    folder.write(u"default.alm"_s, {});
    EngineRig rig;
    rig.engine.Form_Load();
    QCOMPARE(rig.launcher.started.size(), 1);
    QCOMPARE(rig.view.countLabel, u" 0"_s);
    QCOMPARE(rig.engine.state().table.recordCount, 0);
}

void TestStartUp::sortStartsBeforeTheFileIsRead()
{
    TestFolder folder;
    folder.write(u"default.alm"_s, numberedRecords(3));
    EngineRig rig;
    // The "sort" rewrites the file as it starts: the load must see its work.
    rig.launcher.onStart = [&folder](const QString &) {
        folder.write(u"default.alm"_s, "\" SORTED \",\" FIRST \"\r\n");
    };
    rig.engine.Form_Load();
    QCOMPARE(rig.engine.state().table.recordCount, 1);
    QCOMPARE(rig.engine.state().table.topicColumn[0], u" SORTED "_s);
    QVERIFY(rig.log.indexOf(u"append:$ en archivo default.alm ..."_s) <
            rig.log.indexOf(u"start:IND.BAT"_s));
}

void TestStartUp::loadsTheWholeTableCapacity()
{
    TestFolder folder;
    folder.write(u"default.alm"_s, numberedRecords(5001));
    EngineRig rig;
    rig.engine.Form_Load();
    QVERIFY(!rig.exit.ended);
    QCOMPARE(rig.engine.state().table.recordCount, 5001);
    QCOMPARE(rig.engine.state().table.topicColumn[5000], u" TOPIC 5000 "_s);
    QCOMPARE(rig.view.countLabel, u" 5001"_s);
}

void TestStartUp::fatalExits_data()
{
    QTest::addColumn<QByteArray>("file"); // default.alm, or none when null
    QTest::addColumn<bool>("sortMissing");
    QTest::addColumn<bool>("speechBroken");
    QTest::addColumn<QString>("lastLine"); // the transcript's last text

    QTest::addRow("a record more than the table holds")
        << numberedRecords(5002) << false << false << u"$ en archivo default.alm ..."_s;
    QTest::addRow("last record with one field") << numberedRecords(2) + "\" ALONE \"" << false
                                                << false << u"$ en archivo default.alm ..."_s;
    QTest::addRow("IND.BAT missing")
        << numberedRecords(2) << true << false << u"$ en archivo default.alm ..."_s;
    QTest::addRow("speech cannot be driven") << QByteArray() << false << true << QString();
}

void TestStartUp::fatalExits()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, sortMissing);
    QFETCH(bool, speechBroken);
    QFETCH(QString, lastLine);

    TestFolder folder;
    if (!file.isNull())
        folder.write(u"default.alm"_s, file);
    EngineRig rig;
    if (sortMissing)
        rig.launcher.missing += u"IND.BAT"_s;
    rig.speech.working = !speechBroken;
    rig.engine.Form_Load();

    QVERIFY(rig.exit.ended);
    QCOMPARE(rig.exit.status, 1);
    QCOMPARE(rig.messages.shown.size(), 1);
    QCOMPARE(rig.messages.shown.first().title, u" Adevertencia! - TESKARO"_s);
    // Nothing follows the box: the exit is the last thing that happens.
    QCOMPARE(rig.log.events.last(), u"exit:1"_s);
    QCOMPARE(rig.log.events.at(rig.log.events.size() - 2), u"message: Adevertencia! - TESKARO"_s);
    QCOMPARE(rig.view.transcriptLines().last(), lastLine);
    QVERIFY(rig.view.caption != u"TESKARO v0.4a :: Sistema Experto de Aprendizaje y Consulta "
                                u"basado en el lenguaje humano"_s);
    QCOMPARE(rig.view.countLabel, u"00"_s);

    // Events that still reach the engine are ignored.
    rig.view.input = u"EL SOL ES UNA ESTRELLA"_s;
    rig.engine.aprendizaje_Click();
    QVERIFY(!QFile::exists(u"default.alm"_s) || folder.read(u"default.alm"_s) == file);
}

void TestStartUp::fatalMessageReadsExactly()
{
    TestFolder folder;
    folder.write(u"default.alm"_s, numberedRecords(5002));
    EngineRig rig;
    rig.engine.Form_Load();
    const MessageBoxSpec &box = rig.messages.shown.first();
    QVERIFY(box.text.startsWith(
        u"TESKARO ha producido un fallo que impide la correcta ejecución del software. Este "
        u"error puede ser ocasionado por una desestructuración en los archivos de "
        u"conocimientos. También debe saber que TESKARO requiere las librerías de Microsoft para "
        u"síntesis de Voz. Puede descargarlas de la página del autor en:  "_s));
    QVERIFY(box.text.endsWith(u'\r'));
    QVERIFY(!box.text.endsWith(u"\n"_s));
    QCOMPARE(box.icon, MessageBoxSpec::Icon::Exclamation);
    QCOMPARE(box.buttons, MessageBoxSpec::Buttons::Ok);
}

void TestStartUp::voiceIsChosenFirstAndNothingIsSpoken()
{
    TestFolder folder;
    folder.write(u"default.alm"_s, numberedRecords(1));
    EngineRig rig;
    rig.engine.Form_Load();
    QCOMPARE(rig.log.starting(u"selectVoice:"_s), QStringList{u"selectVoice:2"_s});
    QVERIFY(rig.log.indexOf(u"selectVoice:2"_s) <
            rig.log.indexOf(u"append:$ Recuperando ideas y recuerdos...\r\n"_s));
    QCOMPARE(rig.log.events.first(), u"processEvents"_s);
    QVERIFY(rig.speech.spoken.isEmpty());
}

void TestStartUp::endsInLearningLook()
{
    TestFolder folder;
    EngineRig rig;
    rig.engine.Form_Load();
    QCOMPARE(rig.engine.state().mode, DialogueMode::Learning);
    QCOMPARE(rig.view.icon, DialogueMode::Learning);
    QCOMPARE(rig.view.inputTip, u" Entre información para enseñar al sistema siguiendo la "
                                u"sintaxis establecida para el modo APRENDIZAJE "_s);
    QVERIFY(rig.view.indicators[Indicator::Image2]);
    QVERIFY(!rig.view.indicators[Indicator::Image3]);
    QCOMPARE(rig.view.input, QString());
    QCOMPARE(rig.log.events.last(), u"transcriptEnd"_s);
    // Start-up does not switch modes: the transcript keeps its first colours.
    QVERIFY(rig.log.starting(u"colours:"_s).isEmpty());
    QVERIFY(rig.engine.state().invertPronouns);
    QVERIFY(!rig.engine.state().speechOn);
}

void TestStartUp::phraseTablesHoldTheirTexts_data()
{
    QTest::addColumn<PhraseTableMember>("table");
    QTest::addColumn<QStringList>("texts");
    QTest::addRow("recallPhrases") << &PhraseTables::recallPhrases
                                   << QStringList{
                                          u":) TENGO ENTENDIDO QUE "_s,
                                          u":) HE OIDO EN CIERTA OCASION QUE "_s,
                                          u":) CREO RECORDAR QUE "_s,
                                          u":) HE RECIBIDO INFORMACION DE QUE "_s,
                                          u":) ME HAN COMUNICADO QUE "_s,
                                          u":) MI BANCO DE MEMORIA INDICA QUE "_s,
                                          u":) HE RECIBIDO DATOS CONFIRMANDOME QUE "_s,
                                          u":) EXISTEN REGISTROS INDICANDOME QUE "_s,
                                          u":) HE TENIDO CONOCIMIENTO DE QUE "_s,
                                          u":) MI MEMORIA ME INDICA QUE "_s,
                                          u":) HE TENIDO CONOCIMIENTO DE QUE "_s,
                                          u":) SE ME HA COMUNICADO QUE "_s,
                                          u":) EN CIERTA OCASION PUDE APRENDER QUE "_s,
                                          u":) SI MI MEMORIA NO ME FALLA "_s,
                                          u":) SE ME HA INFORMADO DE QUE "_s,
                                      };
    QTest::addRow("ignorancePhrases")
        << &PhraseTables::ignorancePhrases
        << QStringList{
               u":( REALMENTE NO SE NADA SOBRE "_s,
               u":( NUNCA ME HAN COMENTADO NADA ACERCA DE "_s,
               u":( NO TENGO NINGUN TIPO DE INFORMACION SOBRE "_s,
               u":( CAREZCO DE INFORMACION ALGUNA EN RELACION CON "_s,
               u":( NO RECUERDO ABSOLUTAMENTE NADA EN RELACION CON "_s,
               u":( NO DISPONGO DE DATOS SOBRE "_s,
               u":( NO HE RECIBIDO INFORMACION DE "_s,
               u":( NINGUN SISTEMA EXTERNO ME HA FACILITADO CONOCIMIENTOS SOBRE "_s,
               u":( CAREZCO DE DATOS SOBRE "_s,
               u":( LO SIENTO, NO DISPONGO DE INFORMACION ALGUNA ACERCA DE "_s,
               u":( NO HE SIDO INFORMADO EN ABSOLUTO SOBRE "_s,
               u":( NO HE RECIBIDO NINGUNA INFORMACION SOBRE  "_s,
               u":( DESCONOZCO CUALQUIER INFORMACION EN RELACION CON "_s,
               u":( MI BASE DE CONOCIMIENTOS CARECE DE DATOS SOBRE "_s,
               u":( LO SIENTO, NO ENCUENTRO NINGUN DATO EN RELACION CON "_s,
           };
    QTest::addRow("learnedPhrases")
        << &PhraseTables::learnedPhrases
        << QStringList{
               u":) ESTOY APRENDIENDO COSAS NUEVAS SOBRE "_s,
               u":) RESULTA INTERESANTE APRENDER ALGO ACERCA DE "_s,
               u":) DESCONOCIA ESE DATO SOBRE "_s,
               u":) ESTOY AMPLIANDO MI CONOCIMIENTO SOBRE "_s,
               u":) SIEMPRE RESULTA INTERESANTE CONOCER DATOS DE "_s,
               u":) TAL VEZ DESCONOCIERA ESTA INFORMACION SOBRE "_s,
               u":) MI MEMORIA SE HA ALIMENTADO CON ESA INFORMACION DE "_s,
               u":) EN LO SUCESIVO RECORDARE ESTA INFORMACION SOBRE "_s,
               u":) HE ENTENDIDO ESO SOBRE "_s,
               u":) HE MEMORIZADO ALGO SOBRE "_s,
               u":) HE ALMACENADO EN MEMORIA ESA INFORMACION SOBRE "_s,
               u":) RECORDARE ESE DATO ACERCA DE "_s,
               u":) HE AMPLIADO MI INFORMACION ACERCA DE "_s,
               u":) HE COMPRENDIDO ESO SOBRE "_s,
               u":) HE CAPTADO ESO ACERCA DE "_s,
           };
    QTest::addRow("notUnderstoodPhrases")
        << &PhraseTables::notUnderstoodPhrases
        << QStringList{
               u":( NO ENTIENDO NADA. MI COMPRENSION ES MUY LIMITADA. SIGUE LA SINTAXIS ESTABLECIDA PARA EL MODO ACTUAL "_s,
               u":( NO CONSIGO ENTENDERTE. MI COMPRENSION ES LIMITADA. SIGUE LA SINTAXIS ESTABLECIDA PARA EL MODO ACTUAL "_s,
               u":( REALMENTE NO ENTIENDO QUE PRETENDES COMUNICARME. SIGUE LA SINTAXIS ESTABLECIDA PARA EL MODO ACTUAL "_s,
               u":( NO ENTIENDO EL MENSAJE ENTRANTE. SIGUE LA SINTAXIS ESTABLECIDA PARA EL MODO ACTUAL "_s,
               u":( LA INTERPRETACION DEL MENSAJE HA RESULTADO NEGATIVA. SIGUE LA SINTAXIS ESTABLECIDA PARA EL MODO ACTUAL "_s,
               u":( LO SIENTO. LA INTERPRETACION DE TU MENSAJE ES NULA. SIGUE LA SINTAXIS ESTABLECIDA PARA EL MODO ACTUAL "_s,
               u":( NO HE PODIDO CAPTAR NADA DE LO QUE HAS DICHO. SIGUE LA SINTAXIS ESTABLECIDA PARA EL MODO ACTUAL "_s,
               u":( NO CONSIGO CAPTAR EL MENSAJE ENTRANTE. SIGUE LA SINTAXIS ESTABLECIDA PARA EL MODO ACTUAL "_s,
               u":( NO COMPRENDO TU CONSULTA. SIGUE LA SINTAXIS ESTABLECIDA PARA EL MODO ACTUAL "_s,
               u":( NO LOGRO ENTENDER TU MENSAJE. SIGUE LA SINTAXIS ESTABLECIDA PARA EL MODO ACTUAL "_s,
               u":( LO SIENTO, NO CAPTO EL MENSAJE. SIGUE LA SINTAXIS ESTABLECIDA PARA EL MODO ACTUAL "_s,
               u":( NO HE CAPTADO INFORMACIONA ALGUNA. SIGUE LA SINTAXIS ESTABLECIDA PARA EL MODO ACTUAL "_s,
               u":( NO LOGRO COMPRENDER LA FRASE. SIGUE LA SINTAXIS ESTABLECIDA PARA EL MODO ACTUAL "_s,
               u":( NO CAPTO TU MENSAJE. SIGUE LA SINTAXIS ESTABLECIDA PARA EL MODO ACTUAL "_s,
               u":( NO ENTIENDO TU MENSAJE. SIGUE LA SINTAXIS ESTABLECIDA PARA EL MODO ACTUAL "_s,
           };
    QTest::addRow("teachPrompts")
        << &PhraseTables::teachPrompts
        << QStringList{
               u":) CUENTAME ALGO ACERCA DE CUALQUIER TEMA "_s,
               u":) INFORMAME SOBRE CUALQUIER COSA "_s,
               u":) INTRODUCE INFORMACION SOBRE ALGO "_s,
               u":) EXPLICAME ALGUNA COSA SIGUIENDO LA SINTAXIS ESTABLECIDA "_s,
               u":) INFORMAME SOBRE CUALQUIER COSA "_s,
               u":) DIME ALGUNA COSA SOBRE CUALQUIER TEMA "_s,
               u":) PUEDES EXPRESARME TU OPINION SOBRE CUALQUIER COSA "_s,
               u":) EXPRESAME ALGUNA IDEA SOBRE CUALQUIER TEMA "_s,
               u":) EXPRESAME TU IDEA PARA ALIMENTAR MI BANCO DE MEMORIA "_s,
               u":) PUEDES ALIMENTAR MI MEMORIA CON CUALQUIER INFORMACION "_s,
               u":) PUEDES AMPLIAR MI CONOCIMIENTO CON NUEVA INFORMACION "_s,
               u":) INFORMAME SOBRE CUALQUIER ASUNTO "_s,
               u":) PUEDES INFORMARME SOBRE CUALQUIER TEMA "_s,
               u":) ENSEÑAME ALGO INTRODUCIENDO DATOS "_s,
               u":) PUEDO APRENDER COSAS NUEVAS SI ME ENSEÑAS "_s,
           };
    QTest::addRow("askPrompts") << &PhraseTables::askPrompts
                                << QStringList{
                                       u":) PREGUNTA LO QUE QUIERAS "_s,
                                       u":) FORMULA TU PREGUNTA "_s,
                                       u":) PREGUNTA CUALQUIER COSA SIGUIENDO LA SINTAXIS "_s,
                                       u":) SOBRE QUE QUIERES CONSULTAR "_s,
                                       u":) CONSULTA LO QUE DESEAS SABER "_s,
                                       u":) EXPRESA TU CONSULTA "_s,
                                       u":) SOBRE QUE QUIERES CONSULTAR "_s,
                                       u":) QUE TEMA TE INTERESA CONOCER "_s,
                                       u":) PLANTEAME TU DUDA "_s,
                                       u":) PUEDES CONSULTARME SOBRE LO QUE TE INTERESE "_s,
                                       u":) CONSULTAME SOBRE CUALQUIER TEMA "_s,
                                       u":) PLANTEAME CUALQUIER CUESTION QUE TE INTERESE "_s,
                                       u":) PUEDES PREGUNTARME SOBRE CUALQUIER COSA "_s,
                                       u":) PUEDES FORMULAR TU PREGUNTA "_s,
                                       u":) PLANTEAME TU CUESTION "_s,
                                   };
}

void TestStartUp::phraseTablesHoldTheirTexts()
{
    QFETCH(PhraseTableMember, table);
    QFETCH(QStringList, texts);
    TestFolder folder;
    EngineRig rig;
    rig.engine.Form_Load();
    const PhraseTable &filled = rig.engine.state().phrases.*table;
    QCOMPARE(rig.engine.state().phraseCount, 15);
    QVERIFY(filled[0].isEmpty());
    for (int slot = 1; slot <= 15; ++slot)
        QCOMPARE(filled[slot], texts.at(slot - 1));
    for (int slot = 16; slot <= 50; ++slot)
        QVERIFY(filled[slot].isEmpty());
}

void TestStartUp::pickRuleCoversOneToFifteen()
{
    ScriptedRandom scripted({0.0f, 1.0f / 15.0f, 0.5f, 14.0f / 15.0f, 0.99999994f});
    QCOMPARE(pickPhraseIndex(scripted, 15), 1);
    QCOMPARE(pickPhraseIndex(scripted, 15), 2);
    QCOMPARE(pickPhraseIndex(scripted, 15), 8);
    QCOMPARE(pickPhraseIndex(scripted, 15), 15);
    QCOMPARE(pickPhraseIndex(scripted, 15), 15);

    SeededRandom seeded(12345);
    QSet<int> seen;
    for (int i = 0; i < 100000; ++i) {
        const float r = seeded.next();
        QVERIFY(r >= 0.0f && r < 1.0f);
        seen.insert(pickPhraseIndex(seeded, 15));
    }
    QCOMPARE(seen.size(), 15);
    QVERIFY(!seen.contains(0) && !seen.contains(16));
    QVERIFY(SeededRandom::clockSeed() < 86400);
}

QTEST_GUILESS_MAIN(TestStartUp)
#include "tst_startup.moc"
