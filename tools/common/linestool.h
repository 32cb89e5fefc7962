// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "knowledge/knowledgelines.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <variant>

namespace teskaro {

// How a command ends before it touches a file: the text it prints as it is
// (on standard error unless the status is 0) and its exit status.
struct ToolExit
{
    QString text;
    int status = 0;
};

// A command that rewrites the records of one knowledge file in place.
struct LinesTool
{
    QString name; // starts every line on standard error
    // From the arguments after the command's name: the file to rewrite, or
    // how to end instead (help, wrong arguments).
    std::function<std::variant<QString, ToolExit>(const QStringList &arguments)> file;
    std::function<void(QList<KnowledgeLine> &)> change;
    // The line printed once the file is rewritten.
    std::function<QString(const QString &fileName, const LinesRewrite &rewrite)> report;
};

// The command's main(): rewrites the file through the change, names on
// standard error a broken tail it set aside and why the file was left as it
// was. Exit status 0 when the file was rewritten, 1 when it was not, or the
// status of a ToolExit.
int runLinesTool(int argc, char *argv[], const LinesTool &tool);

} // namespace teskaro
