// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One program runs every benchmark and prints one table. The window runs on
// the offscreen platform unless another one is asked for.

#include <QApplication>

#include <benchmark/benchmark.h>

int runWindowExchanges(int exchanges);

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform warns about window hints it cannot honour.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    QApplication application(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--window-exchanges")
        return runWindowExchanges(QByteArray(argv[2]).toInt());
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
