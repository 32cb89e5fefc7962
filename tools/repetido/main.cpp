// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// repetido: removes repeated records from a knowledge file, in place,
// keeping the first of each and the order of the rest.

#include "common/linestool.h"

using namespace Qt::StringLiterals;
using namespace teskaro;

namespace {

// The one file named; the use for --help first, a short one on standard
// error for any other number of arguments.
std::variant<QString, ToolExit> fileToThin(const QStringList &arguments)
{
    if (arguments.value(0) == u"--help"_s)
        return ToolExit{
            u"Uso: repetido ARCHIVO\n"
            u"Elimina del archivo de conocimientos ARCHIVO los registros repetidos (los "
            u"que tienen\nsus dos campos iguales a los de un registro anterior), "
            u"conserva el primero de cada\nuno y el orden de los demás, y reemplaza el "
            u"archivo sin perder ningún otro registro.\nSi alguna línea no es un "
            u"registro completo, el archivo se deja como estaba.\n"_s,
            0};
    if (arguments.size() != 1)
        return ToolExit{u"Uso: repetido ARCHIVO   (repetido --help explica más)\n"_s, 2};
    return arguments.first();
}

QString thinned(const QString &, const LinesRewrite &rewrite)
{
    return repeatedRemovalLine(rewrite.linesRead, rewrite.linesRead - rewrite.linesWritten);
}

} // namespace

int main(int argc, char *argv[])
{
    return runLinesTool(argc, argv, {u"repetido"_s, fileToThin, removeRepeated, thinned});
}
