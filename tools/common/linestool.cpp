// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linestool.h"

#include "knowledge/knowledgewriter.h"

#include <QCoreApplication>
#include <QTextStream>

#include <csignal>

namespace teskaro {

int runLinesTool(int argc, char *argv[], const LinesTool &tool)
{
    // A knowledge file that reaches a size limit must fail its write, which
    // the command reports, rather than kill the command.
    std::signal(SIGXFSZ, SIG_IGN);
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    const std::variant<QString, ToolExit> file = tool.file(QCoreApplication::arguments().mid(1));
    if (const auto *exit = std::get_if<ToolExit>(&file)) {
        (exit->status == 0 ? out : err) << exit->text;
        return exit->status;
    }
    const auto &fileName = std::get<QString>(file);

    const LinesRewrite rewrite = rewriteKnowledgeLines(fileName, tool.change);
    if (!rewrite.setAside.isEmpty())
        err << tool.name << ": " << setAsideNote(fileName, rewrite.setAside) << '\n';
    if (!rewrite.ok) {
        err << tool.name << ": " << fileName << ": " << rewrite.problem << '\n';
        return 1;
    }
    out << tool.report(fileName, rewrite) << '\n';
    return 0;
}

} // namespace teskaro
