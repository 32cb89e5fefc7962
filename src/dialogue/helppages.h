// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>

namespace teskaro {

// The three help pages, written in Markdown and built into the program: the
// window shows them rendered, teskaro-cli as plain text.
enum class HelpPage {
    ExpertSystems,
    HowItWorks,
    Applications,
};

struct HelpPageInfo
{
    HelpPage page;
    QString name;  // the file's name without ".md", and the word /ayuda takes
    QString title; // as the Ayuda menu names it
};

const QList<HelpPageInfo> &helpPages();
const HelpPageInfo &helpPageInfo(HelpPage page);
// Where the page's Markdown is, among the program's resources.
QString helpPagePath(HelpPage page);
QString helpPageMarkdown(HelpPage page);
// For a terminal: no Markdown marks, links as their text, tables as lines.
QString helpPagePlainText(HelpPage page);

} // namespace teskaro
