// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window: a question must cost what it adds to the transcript, not
// what the transcript already holds; and how fast the window first paints.

#include "dialogue/dialogueengine.h"
#include "support/fakes.h"
#include "ui/conversationpanel.h"
#include "ui/mainwindow.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;
using namespace teskaro;
using namespace teskaro::testing;

namespace {

const QString oneExchange =
    u"\n  [ QUE SABES SOBRE EL ELEMENTO NUMERO 42 ]\n"
    u":) HE TENIDO CONOCIMIENTO DE QUE EL ELEMENTO NUMERO 42 DE LA COLECCION ES UN DATO DE "
    u"PRUEBA BASTANTE LARGO PARA MEDIR \n"_s;

QByteArray knowledgeOf(int records)
{
    QByteArray bytes;
    for (int i = 0; i < records; ++i) {
        bytes += "\" EL ELEMENTO NUMERO " + QByteArray::number(i) +
                 " DE LA COLECCION \",\" ES UN DATO DE PRUEBA BASTANTE LARGO PARA MEDIR \"\r\n";
    }
    return bytes;
}

// The window on an engine on fakes, in a folder of its own whose
// default.alm holds the given number of records, started as the program
// starts and switched to Consultation.
struct WindowSession : Fakes
{
    explicit WindowSession(int records)
    {
        QDir::setCurrent(dir.path());
        QFile file(dir.filePath(u"default.alm"_s));
        if (file.open(QIODevice::WriteOnly))
            file.write(knowledgeOf(records));
        file.close();
        window.show();
        QApplication::processEvents();
        engine.start();
        engine.switchMode(Mode::Consultation);
        QApplication::processEvents();
    }

    // The question is put in the line whole rather than typed, then sent.
    void ask()
    {
        auto *line = window.findChild<QLineEdit *>(u"inputLine"_s);
        line->setText(u"QUE SABES SOBRE EL ELEMENTO NUMERO 42"_s);
        QTest::keyClick(line, Qt::Key_Return);
        log.clear();
    }

    QTemporaryDir dir;
    DialogueEngine engine{platform, speech, random};
    MainWindow window{engine, platform};
};

// One question in Consultation mode, with the transcript already holding
// the given number of exchanges, up to the window being painted again.
void windowConsultationPress(benchmark::State &state)
{
    WindowSession session(100);
    auto *panel = session.window.findChild<ConversationPanel *>();
    for (int i = 0; i < state.range(0); ++i)
        panel->appendToTranscript(oneExchange);
    QApplication::processEvents();
    for ([[maybe_unused]] auto _ : state) {
        session.ask();
        QApplication::processEvents();
    }
    state.counters["transcriptMB"] =
        double(session.window.findChild<QPlainTextEdit *>(u"transcript"_s)
                   ->document()
                   ->characterCount()) /
        1e6;
}

// From creating the window to its first paint, start-up included, with a
// full knowledge file.
void windowStartUpToFirstPaint(benchmark::State &state)
{
    for ([[maybe_unused]] auto _ : state) {
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
        session.ask();
        if (i % 500 == 0)
            QApplication::processEvents();
    }
    QApplication::processEvents();
    return 0;
}

BENCHMARK(windowConsultationPress)->Arg(0)->Arg(20000)->Unit(benchmark::kMicrosecond);
BENCHMARK(windowStartUpToFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond);
