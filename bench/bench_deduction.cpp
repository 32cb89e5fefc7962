// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The logic rules on files shaped as people use them and as hostile ones
// are, each paired with the same work with the rules off: one question, or
// one statement learned with the real-time logic, on an engine started on
// the file.

#include "dialogue/dialogueengine.h"
#include "support/fakes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;
using namespace teskaro;
using namespace teskaro::testing;

namespace {

enum Shape : std::int64_t {
    Inventory,  // 2,500 × LA CAJA n ESTA EN LA CAJA m
    SharedWord, // 2,500 × EL ELEMENTO NUMERO i DE LA COLECCION ES UN ELEMENTO DE LA PRUEBA
    RealChains, // 2,500 × EL SER i ES UN SER i+1
    Copies,     // 1,250 × EL GATO ES UN FELINO and LOS FELINOS SON MAMIFEROS
    Cycle,      // 1,250 × GATO ES UN PERRO, 1,249 × PERRO ES UN GATO, blanks varied
};

QByteArray statement(const QByteArray &topic, const QByteArray &rest)
{
    return "\" " + topic + " \",\" " + rest + " \"\r\n\" " + rest + " \",\" " + topic + " \"\r\n";
}

QByteArray fileOf(Shape shape, int statements = 2500)
{
    QByteArray bytes;
    for (int i = 0; i < statements; ++i) {
        const QByteArray n = QByteArray::number(i);
        switch (shape) {
        case Inventory:
            bytes +=
                statement("LA CAJA " + n, "ESTA EN LA CAJA " + QByteArray::number(i * 7 % 2500));
            break;
        case SharedWord:
            bytes += statement("EL ELEMENTO NUMERO " + n + " DE LA COLECCION",
                               "ES UN ELEMENTO DE LA PRUEBA");
            break;
        case RealChains:
            bytes += statement("EL SER " + n, "ES UN SER " + QByteArray::number(i + 1));
            break;
        case Copies:
            bytes += i % 2 ? statement("EL GATO", "ES UN FELINO")
                           : statement("LOS FELINOS", "SON MAMIFEROS");
            break;
        case Cycle:
            if (i < 2499)
                bytes += i % 2 ? statement("GATO", i % 4 == 1 ? "ES UN PERRO" : "ES UN PERRO  ")
                               : statement(" PERRO", "ES UN GATO");
            break;
        }
    }
    return bytes;
}

const QString questions[] = {u"DONDE ESTA LA CAJA"_s, u"QUE SABES DEL ELEMENTO"_s,
                             u"QUE SABES DEL SER 1"_s, u"QUE SABES DEL GATO"_s,
                             u"QUE SABES DEL GATO"_s};

struct Engine
{
    explicit Engine(const QByteArray &file)
    {
        QDir::setCurrent(dir.path());
        write(file);
        engine.start();
    }
    void write(const QByteArray &file) const
    {
        QFile out(dir.filePath(u"default.alm"_s));
        out.open(QIODevice::WriteOnly);
        out.write(file);
    }
    QTemporaryDir dir;
    Fakes fakes;
    DialogueEngine engine{fakes.platform, fakes.speech, fakes.random};
};

// range(0): the shape; range(1): the rules on.
void shapeQuestion(benchmark::State &state)
{
    const auto shape = Shape(state.range(0));
    Engine rig(fileOf(shape));
    rig.engine.setLogicRulesApplied(state.range(1) != 0);
    rig.engine.switchMode(Mode::Consultation);
    for ([[maybe_unused]] auto _ : state) {
        rig.engine.submit(questions[shape]);
        state.PauseTiming();
        rig.fakes.log.clear();
        state.ResumeTiming();
    }
}

// One statement into the inventory of 4,998 records; range(0): the
// real-time logic on.
void inventoryLearning(benchmark::State &state)
{
    const QByteArray file = fileOf(Inventory, 2499);
    Engine rig(file);
    rig.engine.setRealTimeLogicApplied(state.range(0) != 0);
    for ([[maybe_unused]] auto _ : state) {
        rig.engine.submit(u"LA CAJA 9999 ESTA EN LA CAJA 7"_s);
        state.PauseTiming();
        rig.write(file);
        // A question reads the file again, so the table has room again.
        rig.engine.switchMode(Mode::Consultation);
        rig.engine.submit(u"QUE SABES DEL SOL"_s);
        rig.engine.switchMode(Mode::Learning);
        rig.fakes.log.clear();
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(shapeQuestion)
    ->ArgsProduct({{Inventory, SharedWord, RealChains, Copies, Cycle}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(inventoryLearning)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
