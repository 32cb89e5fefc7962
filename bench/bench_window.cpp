// The window: a question must cost what it adds to the transcript, not
// what the transcript already holds; and how fast the window first paints.

#include "support/recordingfakes.h"
#include "support/testfolder.h"
#include "ui/mainwindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;
using namespace teskaro;
using namespace teskaro::testing;

namespace {

const QString oneExchange =
    u"\r\n  [ QUE SABES SOBRE EL ELEMENTO NUMERO 42 ]\r\n"
    u":) HE TENIDO CONOCIMIENTO DE QUE EL ELEMENTO NUMERO 42 DE LA COLECCION ES UN DATO DE "
    u"PRUEBA BASTANTE LARGO PARA MEDIR \r\n"_s;

QByteArray knowledgeOf(int records)
{
    QByteArray bytes;
    for (int i = 0; i < records; ++i) {
        bytes += "\" EL ELEMENTO NUMERO " + QByteArray::number(i) +
                 " DE LA COLECCION \",\" ES UN DATO DE PRUEBA BASTANTE LARGO PARA MEDIR \"\r\n";
    }
    return bytes;
}

struct WindowSession : PlatformFakes
{
    explicit WindowSession(int records)
    {
        QDir::setCurrent(dir.path());
        QFile file(dir.filePath(u"default.alm"_s));
        file.open(QIODevice::WriteOnly);
        file.write(knowledgeOf(records));
        file.close();
        window.attach(engine);
        window.show();
        engine.Form_Load();
        engine.Option2_Click();
        QApplication::processEvents();
    }

    QTemporaryDir dir;
    MainWindow window;
    DialogueEngine engine{window, platform, speech, random};
};

// One question in Consultation mode, with the transcript already holding
// the given number of exchanges, up to the window being painted again.
void windowConsultationPress(benchmark::State &state)
{
    WindowSession session(100);
    for (int i = 0; i < state.range(0); ++i)
        session.window.appendToTranscript(oneExchange);
    session.window.showTranscriptEnd();
    QApplication::processEvents();
    for (auto _ : state) {
        session.window.setInputLine(u"QUE SABES SOBRE EL ELEMENTO NUMERO 42"_s);
        session.engine.conversacion_Click();
        QApplication::processEvents();
        state.PauseTiming();
        session.log.events.clear();
        state.ResumeTiming();
    }
    state.counters["transcriptMB"] =
        double(
            session.window.findChild<QPlainTextEdit *>(u"Text1"_s)->document()->characterCount()) /
        1e6;
}

// From creating the window to its first paint, start-up included, with a
// full knowledge file.
void windowStartUpToFirstPaint(benchmark::State &state)
{
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        {
            WindowSession session(5001);
            state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
        }
    }
}

} // namespace

// Asks the given number of questions in a window, then paints it: run as a
// process of its own to measure the window's memory.
int runWindowExchanges(int exchanges)
{
    WindowSession session(100);
    for (int i = 0; i < exchanges; ++i) {
        session.window.setInputLine(u"QUE SABES SOBRE EL ELEMENTO NUMERO 42"_s);
        session.engine.conversacion_Click();
        session.log.events.clear();
        if (i % 500 == 0)
            QApplication::processEvents();
    }
    QApplication::processEvents();
    return 0;
}

BENCHMARK(windowConsultationPress)->Arg(0)->Arg(20000)->Unit(benchmark::kMicrosecond);
BENCHMARK(windowStartUpToFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond);
