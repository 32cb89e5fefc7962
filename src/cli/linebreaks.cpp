#include "linebreaks.h"

namespace teskaro {

using namespace Qt::StringLiterals;

QString withLineFeeds(QString text)
{
    text.replace(u"\r\n"_s, u"\n"_s);
    text.replace(u'\r', u'\n');
    return text;
}

} // namespace teskaro
