// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "speech/speechtext.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace teskaro {

namespace {

bool endsSentence(QChar c)
{
    return c == u'.' || c == u'!' || c == u'?' || c == u'\u2026';
}

} // namespace

QString spokenText(const QString &displayed)
{
    static const QRegularExpression smiley(u"(?<!\\S)[:;]-?[()](?!\\S)"_s);
    static const QRegularExpression gluedStop(u"(?<=\\p{L})\\.(?=\\p{L})"_s);

    QString text = displayed;
    text.remove(smiley);
    text.replace(gluedStop, u". "_s);
    text = text.simplified().toLower();

    bool sentenceStart = true;
    for (QChar &c : text) {
        if (c.isLetterOrNumber()) {
            if (sentenceStart && c.isLetter())
                c = c.toTitleCase();
            sentenceStart = false;
        } else if (endsSentence(c)) {
            sentenceStart = true;
        }
    }
    return text;
}

} // namespace teskaro
