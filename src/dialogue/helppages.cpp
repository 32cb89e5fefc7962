// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "helppages.h"

#include <QFile>
#include <QRegularExpression>

namespace teskaro {

using namespace Qt::StringLiterals;

const QList<HelpPageInfo> &helpPages()
{
    static const QList<HelpPageInfo> pages{
        {HelpPage::ExpertSystems, u"sistemas"_s, u"Los Sistemas Expertos"_s},
        {HelpPage::HowItWorks, u"funcionamiento"_s, u"Funcionamiento de Teskaro"_s},
        {HelpPage::Applications, u"aplicaciones"_s, u"Aplicaciones prácticas de Teskaro"_s},
    };
    return pages;
}

const HelpPageInfo &helpPageInfo(HelpPage page)
{
    return helpPages()[int(page)];
}

QString helpPagePath(HelpPage page)
{
    return u":/help/"_s + helpPageInfo(page).name + u".md"_s;
}

QString helpPageMarkdown(HelpPage page)
{
    QFile file(helpPagePath(page));
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll());
}

QString helpPagePlainText(HelpPage page)
{
    QString text = helpPageMarkdown(page);
    static const QRegularExpression separatorRow(u"^\\|[-|]+\\|\\n"_s,
                                                 QRegularExpression::MultilineOption);
    static const QRegularExpression tableRow(u"^\\| (.*) \\|$"_s,
                                             QRegularExpression::MultilineOption);
    static const QRegularExpression link(u"!?\\[([^\\]]*)\\]\\([^)]*\\)"_s);
    static const QRegularExpression heading(u"^#+ "_s, QRegularExpression::MultilineOption);
    text.remove(separatorRow);
    text.replace(tableRow, u"  \\1"_s);
    text.replace(u" | "_s, u"  ·  "_s);
    text.replace(link, u"\\1"_s);
    text.remove(heading);
    text.remove(u"**"_s);
    text.remove(u'`');
    text.remove(u'*');
    return text;
}

} // namespace teskaro
