// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Whole processes: how long teskaro-cli takes to start on a full knowledge
// file, against a Qt program that does nothing, and the memory it and the
// window hold.

#include "measuredrun.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <thread>

using namespace Qt::StringLiterals;

namespace {

QString program(const char *folder, const char *name)
{
    return QString::fromLocal8Bit(folder) + u'/' + QString::fromLatin1(name);
}

struct FullFolder
{
    FullFolder()
    {
        QFile file(dir.filePath(u"default.alm"_s));
        file.open(QIODevice::WriteOnly);
        for (int i = 0; i < 5001; ++i) {
            file.write("\" EL ELEMENTO NUMERO " + QByteArray::number(i) +
                       " DE LA COLECCION \",\" ES UN DATO DE PRUEBA BASTANTE LARGO PARA MEDIR "
                       "\"\r\n");
        }
    }
    QTemporaryDir dir;
};

void timedRuns(benchmark::State &state, const QString &path, const QStringList &arguments,
               const QString &folder)
{
    long peak = 0;
    for ([[maybe_unused]] auto _ : state) {
        const MeasuredRun run = runMeasured(path, arguments, folder);
        if (!run.ok) {
            state.SkipWithError("the program failed");
            return;
        }
        state.SetIterationTime(run.seconds);
        peak = std::max(peak, run.peakKilobytes);
        // The sort the program starts goes on after it ends; let it finish
        // so that it does not slow down the next start.
        std::this_thread::sleep_for(std::chrono::milliseconds(60));
    }
    state.counters["peakRSS_MB"] = double(peak) / 1024.0;
}

void bareQtCoreStartUp(benchmark::State &state)
{
    QTemporaryDir empty;
    timedRuns(state, program(TESKARO_BENCH_DIR, "teskaro-bench-bare"), {}, empty.path());
}

void cliStartUpWithFullFile(benchmark::State &state)
{
    FullFolder folder;
    timedRuns(state, program(TESKARO_BIN_DIR, "teskaro-cli"), {}, folder.dir.path());
}

// The window after the given number of exchanges, in a process of its own
// so that its peak memory is its own.
void windowMemory(benchmark::State &state)
{
    QTemporaryDir empty;
    const QString self = QCoreApplication::applicationFilePath();
    timedRuns(state, self, {u"--window-exchanges"_s, QString::number(state.range(0))},
              empty.path());
}

} // namespace

BENCHMARK(bareQtCoreStartUp)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(cliStartUpWithFullFile)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(windowMemory)
    ->Arg(0)
    ->Arg(20000)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(1)
    ->Unit(benchmark::kMillisecond);
