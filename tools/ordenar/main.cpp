// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// teskaro-ordenar: sorts the records of a knowledge file in Spanish
// alphabetical order, in place, without ever losing a record.

#include "common/linestool.h"

using namespace Qt::StringLiterals;
using namespace teskaro;

namespace {

// The file named, default.alm when none is; the use for --help, and on
// standard error for more than one argument.
std::variant<QString, ToolExit> fileToSort(const QStringList &arguments)
{
    if (arguments.contains(u"--help"_s) || arguments.size() > 1)
        return ToolExit{u"Uso: teskaro-ordenar [ARCHIVO]\n"
                        u"Ordena alfabéticamente (A-N, Ñ, O-Z) los registros del archivo de "
                        u"conocimientos\nARCHIVO (por omisión default.alm) y lo reemplaza sin "
                        u"perder ningún registro.\nSi alguna línea no es un registro completo, "
                        u"el archivo se deja como estaba.\n"_s,
                        arguments.size() > 1 ? 2 : 0};
    return arguments.value(0, u"default.alm"_s);
}

QString sorted(const QString &fileName, const LinesRewrite &rewrite)
{
    return QString::number(rewrite.linesWritten) + u" registros ordenados en "_s + fileName;
}

} // namespace

int main(int argc, char *argv[])
{
    return runLinesTool(argc, argv, {u"teskaro-ordenar"_s, fileToSort, sortSpanish, sorted});
}
