// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "speech/espeakspeech.h"
#include "speech/speechtext.h"

#include <espeak-ng/speak_lib.h>

#include <QTest>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <utility>

using namespace Qt::StringLiterals;
using namespace teskaro;

// Speech through espeak-ng, never aloud: the first object of a process
// decides where speech goes, and here it is discarded.
class TestEspeakSpeech : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void preparesTheText_data();
    void preparesTheText();
    // It takes espeak-ng's samples away from the objects for good.
    void speaksInItsOwnVoice();
};

namespace {

// What espeak-ng synthesises once the test has taken its samples over.
struct Heard
{
    std::mutex mutex;
    std::condition_variable finished;
    QList<qint16> samples;
    bool done = false;
} heard;

int hear(short *samples, int count, espeak_EVENT *events)
{
    const std::lock_guard lock(heard.mutex);
    if (samples && count > 0)
        heard.samples.append(QList<qint16>(samples, samples + count));
    for (const espeak_EVENT *event = events; event->type != espeakEVENT_LIST_TERMINATED; ++event)
        heard.done = heard.done || event->type == espeakEVENT_MSG_TERMINATED;
    heard.finished.notify_all();
    return 0;
}

// The samples of the message under way, once it has ended.
QList<qint16> heardMessage()
{
    std::unique_lock lock(heard.mutex);
    if (!heard.finished.wait_for(lock, std::chrono::seconds(20), [] { return heard.done; }))
        return {};
    heard.done = false;
    return std::exchange(heard.samples, {});
}

// How often the samples cross zero: higher for a higher voice.
double crossingRate(const QList<qint16> &samples)
{
    qsizetype count = 0;
    for (qsizetype i = 1; i < samples.size(); ++i)
        count += (samples[i - 1] < 0) != (samples[i] < 0);
    return double(count) / double(std::max<qsizetype>(samples.size(), 1));
}

// "ANIMALES INTELIGENTES" sends espeak-ng 1.51 searching its stack for a blank.
const QString reply = u":) TENGO ENTENDIDO QUE LOS HOMBRES SON ANIMALES INTELIGENTES "_s;

} // namespace

// What is spoken: no smiley, sentence case, a full stop between letters apart.
void TestEspeakSpeech::preparesTheText_data()
{
    QTest::addColumn<QString>("displayed");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("question") << u":) ¿QUÉ ES UN ÑANDÚ?... \r\n"_s << u"¿Qué es un ñandú?..."_s;
    QTest::newRow("glued stop, number") << u"ES AZUL.Y MIDE 3.5 M"_s << u"Es azul. Y mide 3.5 m"_s;
    QTest::newRow("every sentence") << u";-) SI. NO! ¿Y TU? VALE"_s << u"Si. No! ¿Y tu? Vale"_s;
    QTest::newRow("a smiley at the end") << u"HOLA :(\r\n"_s << u"Hola"_s;
}

void TestEspeakSpeech::preparesTheText()
{
    QFETCH(QString, displayed);
    QTEST(spokenText(displayed), "spoken");
}

// What speak() starts is heard from espeak-ng itself: a reply is sound, in
// the voice of the object that speaks it, whichever voice was loaded last
// (the female voice speaks higher, so it crosses zero more often).
void TestEspeakSpeech::speaksInItsOwnVoice()
{
    EspeakSpeech male(EspeakSpeech::Output::Discard);
    EspeakSpeech female(EspeakSpeech::Output::Discard);
    QVERIFY(!male.canBeHeard());
    QVERIFY2(male.selectVoice(Voice::Male), qPrintable(male.errorString()));
    QVERIFY(female.selectVoice(Voice::Female));
    espeak_SetSynthCallback(&hear);
    male.speak(reply);
    const QList<qint16> low = heardMessage();
    female.speak(reply);
    const QList<qint16> high = heardMessage();
    QVERIFY2(low.size() > male.sampleRate(), qPrintable(QString::number(low.size()))); // > 1 s
    QVERIFY2(crossingRate(low) * 1.1 < crossingRate(high),
             qPrintable(QString::number(crossingRate(low))));
}

QTEST_GUILESS_MAIN(TestEspeakSpeech)
#include "tst_espeakspeech.moc"
