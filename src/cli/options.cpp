// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "options.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

namespace teskaro {

using namespace Qt::StringLiterals;

namespace {

constexpr int usageStatus = 2;

[[noreturn]] void failUsage(const QString &reason)
{
    const QString text = QCoreApplication::applicationName() + u": "_s + reason + u"\n"_s +
                         u"Pruebe «"_s + QCoreApplication::applicationName() +
                         u" --help» para ver las opciones.\n"_s;
    std::fputs(text.toUtf8().constData(), stderr);
    std::exit(usageStatus);
}

} // namespace

ConsoleOptions readOptions(const QCoreApplication &application)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Conversa con TESKARO en la terminal, en la carpeta actual. Cada línea de la entrada "
        u"se escribe y se envía; las que empiezan por \"/\" son órdenes (/ayuda las muestra). "
        u"La salida estándar recibe la conversación y nada más."_s);
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption seedOption(
        u"seed"_s,
        u"Elige los textos con el generador aleatorio sembrado con N en lugar de con la hora, "
        u"para repetir una sesión."_s,
        u"N"_s);
    parser.addOption(seedOption);

    if (!parser.parse(application.arguments())) {
        const QStringList unknown = parser.unknownOptionNames();
        if (unknown.isEmpty())
            failUsage(parser.errorText());
        const QString &name = unknown.constFirst();
        failUsage(u"opción desconocida: "_s + (name.size() == 1 ? u"-"_s : u"--"_s) + name);
    }
    if (parser.isSet(u"help"_s))
        parser.showHelp(0);
    if (parser.isSet(u"version"_s))
        parser.showVersion();
    if (!parser.positionalArguments().isEmpty())
        failUsage(u"argumento de más: "_s + parser.positionalArguments().constFirst());

    ConsoleOptions options;
    if (parser.isSet(seedOption)) {
        bool ok = false;
        const QString value = parser.value(seedOption);
        options.seed = value.toUInt(&ok);
        if (!ok)
            failUsage(u"la semilla debe ser un número entre 0 y 4294967295: "_s + value);
    }
    return options;
}

} // namespace teskaro
