// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The knowledge editor's changes on a full file: forgetting every statement
// after another editor took one record out, so that none is where it was
// listed and each is looked for by content. Equal statements (0) must cost
// no more than different ones (1).

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

void forgetEverything(benchmark::State &state)
{
    const bool different = state.range(0) == 1;
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    QByteArray bytes;
    for (int i = 0; i < 2499; ++i) {
        const QByteArray n = different ? QByteArray::number(i) : QByteArray();
        bytes += "\" EL GATO" + n + " \",\" ES UN FELINO \"\r\n\" ES UN FELINO \",\" EL GATO" + n +
                 " \"\r\n";
    }
    const auto write = [&](const QByteArray &content) {
        QFile file(u"default.alm"_s);
        file.open(QIODevice::WriteOnly);
        file.write(content);
    };
    write(bytes);
    Fakes fakes;
    DialogueEngine engine(fakes.platform, fakes.speech, fakes.random);
    engine.start();
    engine.listStatements();
    const QList<KnowledgeStatement> statements = engine.session().statementListing().statements;
    const QByteArray oneRecordLess = bytes.sliced(bytes.indexOf('\n') + 1);
    for ([[maybe_unused]] auto _ : state) {
        state.PauseTiming();
        write(oneRecordLess);
        state.ResumeTiming();
        benchmark::DoNotOptimize(engine.forgetStatements(statements));
    }
}

} // namespace

BENCHMARK(forgetEverything)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
