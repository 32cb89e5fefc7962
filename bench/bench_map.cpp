// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The knowledge map of 300 things from a full file, dot included, beside one
// question on the same file: the file read, the part shown picked, its DOT
// written, dot run as a program and its layout read back. CPU time counts
// the children (dot) too; the machine's load is recorded with each row.

#include "dialogue/dialogueengine.h"
#include "map/dotgraph.h"
#include "map/dotprogram.h"
#include "map/knowledgemap.h"
#include "map/shownmap.h"
#include "support/fakes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

using namespace Qt::StringLiterals;
using namespace teskaro;
using namespace teskaro::testing;

namespace {

QByteArray statement(const QByteArray &topic, const QByteArray &rest)
{
    return "\" " + topic + " \",\" " + rest + " \"\r\n\" " + rest + " \",\" " + topic + " \"\r\n";
}

// 5,001 records: eight topics EL TEMA A…H, each of 13 matters of 22 ideas
// (299 statements, 300 things within two arrows of the topic), filler
// statements up to 2,500, and a record alone.
struct MapFolder
{
    MapFolder()
    {
        QByteArray bytes;
        int statements = 0;
        for (const char topic : QByteArray("ABCDEFGH")) {
            const QByteArray name(1, topic);
            for (int matter = 0; matter < 13; ++matter) {
                const QByteArray asunto = "EL ASUNTO " + name + ' ' + QByteArray::number(matter);
                bytes += statement("EL TEMA " + name, "ES " + asunto);
                for (int idea = 0; idea < 22; ++idea)
                    bytes +=
                        statement(asunto, "ES LA IDEA " + name + ' ' + QByteArray::number(matter) +
                                              ' ' + QByteArray::number(idea));
                statements += 23;
            }
        }
        for (; statements < 2500; ++statements) {
            const QByteArray n = QByteArray::number(statements);
            bytes += statement("EL RELLENO " + n, "ES UN DATO " + n);
        }
        bytes += "\" LA NOTA SUELTA \",\" ES UN REGISTRO SIN ESPEJO \"\r\n";
        QDir::setCurrent(dir.path());
        QFile file(dir.filePath(u"default.alm"_s));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    }
    QTemporaryDir dir;
};

double cpuSeconds()
{
    double seconds = 0;
    for (const int who : {RUSAGE_SELF, RUSAGE_CHILDREN}) {
        rusage usage{};
        getrusage(who, &usage);
        for (const timeval &time : {usage.ru_utime, usage.ru_stime})
            seconds += double(time.tv_sec) + double(time.tv_usec) / 1e6;
    }
    return seconds;
}

double load()
{
    QFile loadavg(u"/proc/loadavg"_s);
    loadavg.open(QIODevice::ReadOnly);
    return loadavg.readAll().split(' ').value(0).toDouble();
}

void knowledgeMap300(benchmark::State &state)
{
    MapFolder folder;
    ChildFilterRunner dot;
    MapRequest request;
    request.subject = u"EL TEMA A"_s;
    qsizetype things = 0;
    const double before = cpuSeconds();
    for ([[maybe_unused]] auto _ : state) {
        QString note;
        const ShownMap shown = showMap(readKnowledgeMap(u"default.alm"_s, note), request);
        QString failure;
        const QByteArray json = runDotToEnd(dot, dotText(shown), u"json0"_s, failure);
        if (!readLayout(json, shown)) {
            state.SkipWithError(qPrintable(u"dot: "_s + failure));
            return;
        }
        things = shown.things.size();
    }
    state.counters["things"] = double(things);
    state.counters["cpu_ms_with_dot"] =
        benchmark::Counter((cpuSeconds() - before) * 1e3 / double(state.iterations()));
    state.counters["load"] = load();
}

// The same question on the same file, as the window asks it.
void questionBesideTheMap(benchmark::State &state)
{
    MapFolder folder;
    Fakes fakes;
    DialogueEngine engine(fakes.platform, fakes.speech, fakes.random);
    engine.start();
    engine.switchMode(Mode::Consultation);
    for ([[maybe_unused]] auto _ : state) {
        engine.submit(u"QUE SABES DEL TEMA A"_s);
        state.PauseTiming();
        fakes.log.clear();
        state.ResumeTiming();
    }
    state.counters["load"] = load();
}

} // namespace

BENCHMARK(knowledgeMap300)->Unit(benchmark::kMillisecond);
BENCHMARK(questionBesideTheMap)->Unit(benchmark::kMicrosecond);
