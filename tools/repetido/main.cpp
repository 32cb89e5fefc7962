// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// repetido: removes repeated records from a knowledge file, in place,
// keeping the first of each and the order of the rest.

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

    if (arguments.value(0) == QStringLiteral("--help")) {
        out << "Uso: repetido ARCHIVO\n"
               "Elimina del archivo de conocimientos ARCHIVO los registros repetidos (los que "
               "tienen\nsus dos campos iguales a los de un registro anterior), conserva el "
               "primero de cada\nuno y el orden de los demás, y reemplaza el archivo sin "
               "perder ningún otro registro.\nSi alguna línea no es un registro completo, el "
               "archivo se deja como estaba.\n";
        return 0;
    }
    if (arguments.size() != 1) {
        err << "Uso: repetido ARCHIVO   (repetido --help explica más)\n";
        return 2;
    }
    const QString fileName = arguments.first();

    const LinesRewrite thinned =
        rewriteKnowledgeLines(fileName, [](QList<KnowledgeLine> &lines) { removeRepeated(lines); });
    if (!thinned.setAside.isEmpty())
        err << "repetido: " << setAsideNote(fileName, thinned.setAside) << '\n';
    if (!thinned.ok) {
        err << "repetido: " << fileName << ": " << thinned.problem << '\n';
        return 1;
    }
    out << thinned.linesRead << " registros leídos, " << thinned.linesRead - thinned.linesWritten
        << " repetidos eliminados\n";
    return 0;
}
