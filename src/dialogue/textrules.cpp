#include "textrules.h"

#include "knowledge/recordformat.h"
#include "knowledge/windows1252.h"

namespace teskaro {

QString upperCase(QStringView text)
{
    QString upper = text.toString();
    for (QChar &c : upper) {
        const QChar capital = c.toUpper();
        if (capital != c && isWindows1252(capital))
            c = capital;
    }
    return upper;
}

QString trimmedBlanks(QStringView text)
{
    return trimBlanks(text).toString();
}

qsizetype position(QStringView text, QStringView needle)
{
    return text.indexOf(needle) + 1;
}

void overwriteAt(QString &text, qsizetype position, QStringView replacement)
{
    const qsizetype start = position - 1;
    const qsizetype count = std::min(replacement.size(), text.size() - start);
    for (qsizetype i = 0; i < count; ++i)
        text[start + i] = replacement[i];
}

bool isOneOf(QStringView text, std::span<const char16_t *const> words)
{
    for (const char16_t *word : words) {
        if (text == QStringView(word))
            return true;
    }
    return false;
}

void swapPronouns(QString &phrase, std::span<const PronounPair> pairs)
{
    for (const PronounPair &pair : pairs) {
        qsizetype pronounPos = position(phrase, pair.first);
        if (pronounPos != 0) {
            overwriteAt(phrase, pronounPos, pair.second);
        } else {
            pronounPos = position(phrase, pair.second);
            if (pronounPos != 0)
                overwriteAt(phrase, pronounPos, pair.first);
        }
    }
}

} // namespace teskaro
