// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// teskaro-ordenar: sorts the records of a knowledge file in Spanish
// alphabetical order, in place, without ever losing a record.

#include "knowledge/knowledgelines.h"
#include "knowledge/knowledgewriter.h"

#include <QCoreApplication>
#include <QTextStream>

#include <csignal>

using namespace teskaro;

int main(int argc, char *argv[])
{
    std::signal(SIGXFSZ, SIG_IGN);
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    QTextStream out(stdout);
    QTextStream err(stderr);

    if (arguments.contains(QStringLiteral("--help")) || arguments.size() > 1) {
        (arguments.size() > 1 ? err : out)
            << "Uso: teskaro-ordenar [ARCHIVO]\n"
               "Ordena alfabéticamente (A-N, Ñ, O-Z) los registros del archivo de "
               "conocimientos\nARCHIVO (por omisión default.alm) y lo reemplaza sin "
               "perder ningún registro.\nSi alguna línea no es un registro completo, "
               "el archivo se deja como estaba.\n";
        return arguments.size() > 1 ? 2 : 0;
    }
    const QString fileName = arguments.value(0, QStringLiteral("default.alm"));

    const LinesRewrite sorted = rewriteKnowledgeLines(fileName, sortSpanish);
    if (!sorted.setAside.isEmpty())
        err << "teskaro-ordenar: " << setAsideNote(fileName, sorted.setAside) << '\n';
    if (!sorted.ok) {
        err << "teskaro-ordenar: " << fileName << ": " << sorted.problem << '\n';
        return 1;
    }
    out << sorted.linesWritten << " registros ordenados en " << fileName << '\n';
    return 0;
}
