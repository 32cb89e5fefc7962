#include "support/enginesession.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace teskaro;
using namespace teskaro::testing;

class TestModes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void switchesToConsultationStepByStep();
    void switchesBackToLearning();
    void repeatsAFullSwitchWhenTheModeIsAlreadyOn();
    void menuItemsMarkThenSwitchOnce();
    void speaksOnlyThePromptOfASwitch();
    void enterReachesTheHandlerOfTheMode();
    void filtersTypedCharacters_data();
    void filtersTypedCharacters();
    void inversionWarnsOnEveryClickThenToggles();
    void salirEndsAtOnce();
    void maleVoiceIsTakenEvenWithSpeechOff();
    void femaleVoiceIsTakenOnlyWithSpeechOn();
    void speechBoxGivesTheFocusBack();
};

void TestModes::switchesToConsultationStepByStep()
{
    EngineSession session;
    session.rig.random.script({ScriptedRandom::forSlot(4)});
    session.rig.view.input = u"HALF TYPED"_s;
    const qsizetype start = session.rig.log.events.size();
    session.rig.engine.Option2_Click();

    QCOMPARE(session.rig.log.events.mid(start),
             (QStringList{
                 u"colours:37,54,186/255,255,85"_s,
                 u"indicator:0=0"_s, // Image2
                 u"indicator:1=1"_s, // Image3
                 u"indicator:3=1"_s, // Picture2
                 u"indicator:2=0"_s, // Picture1
                 u"mark:0=0"_s,      // aprend
                 u"mark:1=1"_s,      // consul
                 u"button:Consultation"_s,
                 u"icon:Consultation"_s,
                 u"tip: MODO CONSULTA - Consulte información siguiendo la sintaxis establecida "_s,
                 u"append:\r\n$   ... cambiando a modo consulta ...\r\n\r\n"
                 u":) SOBRE QUE QUIERES CONSULTAR \r\n"_s,
                 u"input:"_s,
                 u"transcriptEnd"_s,
                 u"focusInput"_s,
                 u"option:Consultation"_s,
             }));
    QCOMPARE(session.rig.engine.state().mode, DialogueMode::Consultation);
    QCOMPARE(session.rig.engine.state().phraseIndex, 4);
}

void TestModes::switchesBackToLearning()
{
    EngineSession session;
    session.rig.engine.Option2_Click();
    session.rig.random.script({ScriptedRandom::forSlot(14)});
    session.markTranscript();
    session.rig.engine.Option1_Click();

    QCOMPARE(session.added(), u"\r\n$   ... cambiando a modo aprendizaje...\r\n\r\n"
                              u":) ENSEÑAME ALGO INTRODUCIENDO DATOS \r\n"_s);
    const RecordingView &view = session.rig.view;
    QCOMPARE(view.background, (Rgb{246, 227, 206}));
    QCOMPARE(view.text, (Rgb{64, 64, 255}));
    QVERIFY(view.indicators[Indicator::Image2] && view.indicators[Indicator::Picture1]);
    QVERIFY(!view.indicators[Indicator::Image3] && !view.indicators[Indicator::Picture2]);
    QVERIFY(view.marks[MenuMark::Aprend] && !view.marks[MenuMark::Consul]);
    QCOMPARE(view.inputButton, DialogueMode::Learning);
    QCOMPARE(view.modeOption, DialogueMode::Learning);
    QCOMPARE(view.icon, DialogueMode::Learning);
    QCOMPARE(view.inputTip, u" MODO APRENDIZAJE - Entre información para enseñar al sistema "
                            u"siguiendo la sintaxis establecida  "_s);
}

void TestModes::repeatsAFullSwitchWhenTheModeIsAlreadyOn()
{
    EngineSession session;
    session.rig.random.script({ScriptedRandom::forSlot(1), ScriptedRandom::forSlot(2)});
    session.rig.engine.aprend_Click();
    session.rig.engine.aprend_Click();
    QCOMPARE(session.added(), u"\r\n$   ... cambiando a modo aprendizaje...\r\n\r\n"
                              u":) CUENTAME ALGO ACERCA DE CUALQUIER TEMA \r\n"
                              u"\r\n$   ... cambiando a modo aprendizaje...\r\n\r\n"
                              u":) INFORMAME SOBRE CUALQUIER COSA \r\n"_s);
    QCOMPARE(session.rig.engine.state().mode, DialogueMode::Learning);
}

void TestModes::menuItemsMarkThenSwitchOnce()
{
    EngineSession session;
    const qsizetype start = session.rig.log.events.size();
    session.rig.engine.consul_Click();
    const QStringList events = session.rig.log.events.mid(start);
    QCOMPARE(events.mid(0, 2), (QStringList{u"mark:1=1"_s, u"mark:0=0"_s}));
    QCOMPARE(session.added().count(u"cambiando a modo consulta"_s), 1);
    QCOMPARE(session.rig.view.inputButton, DialogueMode::Consultation);
}

void TestModes::speaksOnlyThePromptOfASwitch()
{
    EngineSession session;
    session.rig.random.script({ScriptedRandom::forSlot(1)});
    session.rig.engine.Option2_Click();
    QVERIFY(session.rig.speech.spoken.isEmpty());
    session.rig.engine.Check1_Click(true);
    session.rig.engine.Option1_Click();
    QCOMPARE(session.rig.speech.spoken,
             QStringList{u":) CUENTAME ALGO ACERCA DE CUALQUIER TEMA "_s});
}

void TestModes::enterReachesTheHandlerOfTheMode()
{
    EngineSession session;
    session.rig.view.input = u"EL SOL ES UNA ESTRELLA"_s;
    session.rig.engine.pressDefaultButton();
    QCOMPARE(session.rig.engine.state().displayedCount, 1);

    session.rig.engine.consul_Click();
    session.rig.random.script({ScriptedRandom::forSlot(1)});
    session.markTranscript();
    session.rig.view.input = u"QUE SABES DEL SOL"_s;
    session.rig.engine.pressDefaultButton();
    QVERIFY(session.added().contains(u":) TENGO ENTENDIDO QUE EL SOL ES UNA ESTRELLA \r\n"_s));
}

void TestModes::filtersTypedCharacters_data()
{
    QTest::addColumn<QChar>("typed");
    QTest::addColumn<QChar>("received");
    QTest::addRow("a") << QChar(u'a') << QChar(u'A');
    QTest::addRow("z") << QChar(u'z') << QChar(u'Z');
    QTest::addRow("m") << QChar(u'm') << QChar(u'M');
    QTest::addRow("ñ") << QChar(u'ñ') << QChar(u'Ñ');
    QTest::addRow("?") << QChar(u'?') << QChar(u' ');
    QTest::addRow("¿") << QChar(u'¿') << QChar(u' ');
    QTest::addRow("é stays") << QChar(u'é') << QChar(u'é');
    QTest::addRow("capital stays") << QChar(u'Q') << QChar(u'Q');
    QTest::addRow("digit") << QChar(u'7') << QChar(u'7');
    QTest::addRow("brace after z") << QChar(u'{') << QChar(u'{');
    QTest::addRow("backquote before a") << QChar(u'`') << QChar(u'`');
    QTest::addRow("Ñ") << QChar(u'Ñ') << QChar(u'Ñ');
}

void TestModes::filtersTypedCharacters()
{
    QFETCH(QChar, typed);
    QFETCH(QChar, received);
    QCOMPARE(DialogueEngine::Text2_KeyPress(typed), received);
}

void TestModes::inversionWarnsOnEveryClickThenToggles()
{
    EngineSession session;
    session.rig.engine.inve_Click();
    QVERIFY(!session.rig.engine.state().invertPronouns);
    QVERIFY(!session.rig.view.marks[MenuMark::Inve]);
    session.rig.engine.inve_Click();
    QVERIFY(session.rig.engine.state().invertPronouns);
    QVERIFY(session.rig.view.marks[MenuMark::Inve]);

    QCOMPARE(session.rig.messages.shown.size(), 2);
    for (const MessageBoxSpec &box : session.rig.messages.shown) {
        QCOMPARE(box.title, u"Adevertencia! - Parvelix Suite PRO"_s);
        QCOMPARE(box.text,
                 u"   Al activar/desactivar la opción de INVERSION DE PRONOMBRES (MI/TU ME/TE) "
                 u"atribuye al programa TESKARO una entidad de personalidad propia.\r\r   Utilice "
                 u"siempre la misma forma para no alterar la estructura de la información"_s);
        QCOMPARE(box.icon, MessageBoxSpec::Icon::None);
        QCOMPARE(box.buttons, MessageBoxSpec::Buttons::Ok);
    }
    // The box comes first, the mark after it.
    QVERIFY(session.rig.log.indexOf(u"message:Adevertencia! - Parvelix Suite PRO"_s) <
            session.rig.log.indexOf(u"mark:4=0"_s));
}

void TestModes::salirEndsAtOnce()
{
    EngineSession session;
    session.rig.engine.salir_Click();
    QVERIFY(session.rig.exit.ended);
    QCOMPARE(session.rig.exit.status, 0);
    QCOMPARE(session.rig.log.events.last(), u"exit:0"_s);
    QVERIFY(session.rig.messages.shown.isEmpty());
    session.rig.engine.Option2_Click();
    QCOMPARE(session.rig.log.events.last(), u"exit:0"_s);
}

void TestModes::maleVoiceIsTakenEvenWithSpeechOff()
{
    EngineSession session;
    session.rig.engine.Check1_Click(true);
    session.rig.engine.feme_Click();
    session.rig.engine.Check1_Click(false);
    session.rig.engine.masc_Click();
    QCOMPARE(session.rig.speech.voice, 2);
    QVERIFY(session.rig.view.marks[MenuMark::Masc]);
    QVERIFY(!session.rig.view.marks[MenuMark::Feme]);
}

void TestModes::femaleVoiceIsTakenOnlyWithSpeechOn()
{
    EngineSession session;
    session.rig.engine.feme_Click();
    QVERIFY(session.rig.view.marks[MenuMark::Feme]);
    QVERIFY(!session.rig.view.marks[MenuMark::Masc]);
    QCOMPARE(session.rig.speech.voice, 2);

    session.rig.engine.Check1_Click(true);
    session.learn(u"HOLA"_s);
    QCOMPARE(session.rig.speech.voicesOfSpoken.last(), 2);

    session.rig.engine.feme_Click();
    session.learn(u"HOLA"_s);
    QCOMPARE(session.rig.speech.voicesOfSpoken.last(), 1);
}

void TestModes::speechBoxGivesTheFocusBack()
{
    EngineSession session;
    session.rig.engine.Check1_Click(true);
    QCOMPARE(session.rig.log.events.last(), u"focusInput"_s);
    QVERIFY(session.rig.engine.state().speechOn);
}

QTEST_GUILESS_MAIN(TestModes)
#include "tst_modes.moc"
