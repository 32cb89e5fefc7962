// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "speech/espeakspeech.h"
#include "speech/speechtext.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace teskaro;

// Speech through espeak-ng, never aloud: the first object of a process
// decides where speech goes, and here it is discarded.
class TestEspeakSpeech : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void eachObjectKeepsItsVoice();
};

// Two objects share espeak-ng, each with its own voice; the female voice
// speaks higher, so it crosses zero more often.
void TestEspeakSpeech::eachObjectKeepsItsVoice()
{
    const QString reply = u":) TENGO ENTENDIDO QUE LOS HOMBRES SON ANIMALES INTELIGENTES "_s;
    const auto crossings = [&reply](EspeakSpeech &voice) {
        const QList<qint16> samples = voice.renderSpeech(reply);
        qsizetype count = 0;
        for (qsizetype i = 1; i < samples.size(); ++i)
            count += (samples[i - 1] < 0) != (samples[i] < 0);
        return double(count) / double(std::max<qsizetype>(samples.size(), 1));
    };
    EspeakSpeech male(EspeakSpeech::Output::Discard);
    EspeakSpeech female(EspeakSpeech::Output::Discard);
    QVERIFY(!male.canBeHeard());
    QVERIFY2(male.selectVoice(Voice::Male), qPrintable(male.errorString()));
    QVERIFY(female.selectVoice(Voice::Female));
    const double high = crossings(female);
    QVERIFY2(crossings(male) * 1.1 < high, qPrintable(QString::number(high)));
    QVERIFY(crossings(female) > crossings(male) * 1.1); // each kept its own
    male.speak(reply);
    male.beforeAnswer();
    // What is spoken: no smiley, sentence case, a full stop between letters apart.
    QCOMPARE(spokenText(u":) ¿QUÉ ES UN ÑANDÚ?... \r\n"_s), u"¿Qué es un ñandú?..."_s);
    QCOMPARE(spokenText(u"ES AZUL.Y MIDE 3.5 M"_s), u"Es azul. Y mide 3.5 m"_s);
}

QTEST_GUILESS_MAIN(TestEspeakSpeech)
#include "tst_espeakspeech.moc"
