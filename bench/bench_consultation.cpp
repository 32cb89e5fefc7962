// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The cost of one question and one statement, against the cost of reading
// the knowledge file at all.

#include "dialogue/dialogueengine.h"
#include "knowledge/knowledgefile.h"
#include "knowledge/windows1252.h"
#include "support/fakes.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;
using namespace teskaro;
using namespace teskaro::testing;

namespace {

// A knowledge file of n records in the learning writer's layout, the
// topics varied so that a question matches a few of them; with accents, as
// Spanish is written, every topic has letters to fold.
QByteArray knowledgeOf(int records, bool accents = false)
{
    const QByteArray number = accents ? "N\xdaMERO " : "NUMERO ";
    const QByteArray collection = accents ? " DE LA COLECCI\xd3N" : " DE LA COLECCION";
    QByteArray bytes;
    for (int i = 0; i < records; ++i) {
        bytes += "\" EL ELEMENTO " + number + QByteArray::number(i) + collection +
                 " \",\" ES UN DATO DE PRUEBA BASTANTE LARGO PARA MEDIR \"\r\n";
    }
    return bytes;
}

struct Folder
{
    explicit Folder(int records, bool accents = false)
    {
        QDir::setCurrent(dir.path());
        QFile file(dir.filePath(u"default.alm"_s));
        file.open(QIODevice::WriteOnly);
        file.write(knowledgeOf(records, accents));
    }
    QTemporaryDir dir;
};

// Reading the file at all, the way any Qt program would: read it whole and
// decode it with Qt's converter.
void readAndDecode(benchmark::State &state)
{
    Folder folder(int(state.range(0)));
    for ([[maybe_unused]] auto _ : state) {
        QFile file(u"default.alm"_s);
        file.open(QIODevice::ReadOnly);
        QStringDecoder decoder("windows-1252");
        const QString text = decoder.decode(file.readAll());
        benchmark::DoNotOptimize(text.constData());
    }
}

// The same with the program's own reader and decoder, which a question uses.
void readAndDecodeOwn(benchmark::State &state)
{
    Folder folder(int(state.range(0)));
    for ([[maybe_unused]] auto _ : state) {
        const FileReadOutcome file = readKnowledgeFile(u"default.alm"_s);
        benchmark::DoNotOptimize(decodeWindows1252(file.bytes));
    }
}

// One question, reload, match and reply, on a recording fake window; with
// the logic rules on, every answered record is also looked up among the
// links, which are indexed once per question.
void pressQuestion(benchmark::State &state, bool rules, bool accents = false)
{
    Folder folder(int(state.range(0)), accents);
    Fakes fakes;
    DialogueEngine engine(fakes.platform, fakes.speech, fakes.random);
    engine.start();
    engine.setLogicRulesApplied(rules);
    engine.switchMode(Mode::Consultation);
    for ([[maybe_unused]] auto _ : state) {
        engine.submit(u"QUE SABES DEL ELEMENTO NUMERO 42"_s);
        state.PauseTiming();
        fakes.log.clear();
        state.ResumeTiming();
    }
}

void consultationPress(benchmark::State &state)
{
    pressQuestion(state, false);
}

void consultationPressWithRules(benchmark::State &state)
{
    pressQuestion(state, true);
}

// The same file written with accents: every topic is folded as it is read.
void consultationPressWithAccents(benchmark::State &state)
{
    pressQuestion(state, false, true);
}

// One question on a file of one record whose topic is a megabyte: of varied
// words (0), or of one letter asked about as another letter followed by
// 100,000 of it (1), the worst case of a search by skip table alone.
void longTopicQuestion(benchmark::State &state)
{
    const bool oneLetter = state.range(0) == 1;
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    QFile file(dir.filePath(u"default.alm"_s));
    file.open(QIODevice::WriteOnly);
    const QByteArray words = QByteArray("EL SOL LA LUNA ").repeated(1 << 16);
    file.write("\"" + (oneLetter ? QByteArray(1 << 20, 'A') : words) + "\",\"X\"\r\n");
    file.close();
    Fakes fakes;
    DialogueEngine engine(fakes.platform, fakes.speech, fakes.random);
    engine.start();
    engine.switchMode(Mode::Consultation);
    const QString subject =
        oneLetter ? u'B' + QString(100000, u'A') : u"EL COMETA"_s.repeated(10000);
    for ([[maybe_unused]] auto _ : state) {
        engine.submit(u"QUE SABES DE "_s + subject);
        state.PauseTiming();
        fakes.log.clear();
        state.ResumeTiming();
    }
}

void learningPress(benchmark::State &state)
{
    Folder folder(0);
    Fakes fakes;
    DialogueEngine engine(fakes.platform, fakes.speech, fakes.random);
    engine.start();
    int learned = 0;
    for ([[maybe_unused]] auto _ : state) {
        engine.submit(u"EL ELEMENTO NUMERO "_s + QString::number(learned) +
                      u" ES UN DATO DE PRUEBA"_s);
        if (++learned == 1000) {
            state.PauseTiming();
            QFile::resize(u"default.alm"_s, 0);
            learned = 0;
            fakes.log.clear();
            // A question reads the emptied file, so the table has room again.
            engine.switchMode(Mode::Consultation);
            engine.submit(u"QUE SABES DEL SOL"_s);
            engine.switchMode(Mode::Learning);
            state.ResumeTiming();
        }
    }
}

} // namespace

BENCHMARK(readAndDecode)->Arg(5001)->Unit(benchmark::kMicrosecond);
BENCHMARK(readAndDecodeOwn)->Arg(5001)->Unit(benchmark::kMicrosecond);
BENCHMARK(consultationPress)->Arg(100)->Arg(1000)->Arg(5001)->Unit(benchmark::kMicrosecond);
BENCHMARK(consultationPressWithRules)->Arg(5001)->Unit(benchmark::kMicrosecond);
BENCHMARK(consultationPressWithAccents)->Arg(5001)->Unit(benchmark::kMicrosecond);
BENCHMARK(longTopicQuestion)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(learningPress)->Unit(benchmark::kMicrosecond);
