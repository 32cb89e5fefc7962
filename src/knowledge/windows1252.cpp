// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows1252.h"

#include <QStringEncoder>

#include <algorithm>

namespace teskaro {

namespace {

// The 0x80..0x9F block of the code page: its printable characters, plus the
// five undefined bytes, which decode to the matching C1 control as the
// system converters do. Every other byte is the Latin-1 character.
constexpr char16_t highBlock[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

QString decodeWindows1252(QByteArrayView bytes)
{
    QString text;
    decodeWindows1252(bytes, text);
    return text;
}

namespace {

// Widens every byte as Latin-1 and tells whether any lies in the code
// page's own block. Kept to a plain loop over unaliased pointers so that the
// compiler turns it into vector code: this is most of what a question costs.
bool widenLatin1(const uchar *__restrict in, char16_t *__restrict out, qsizetype size)
{
    uchar high = 0;
    for (qsizetype i = 0; i < size; ++i) {
        out[i] = in[i];
        high |= uchar(uchar(in[i] - 0x80u) < 0x20u);
    }
    return high != 0;
}

} // namespace

void decodeWindows1252(QByteArrayView bytes, QString &into)
{
    const qsizetype size = bytes.size();
    into.resize(size);
    auto *out = reinterpret_cast<char16_t *>(into.data());
    const auto *in = reinterpret_cast<const uchar *>(bytes.data());
    if (!widenLatin1(in, out, size))
        return;
    for (qsizetype i = 0; i < size; ++i) {
        if (uchar(in[i] - 0x80u) < 0x20u)
            out[i] = highBlock[in[i] - 0x80u];
    }
}

QByteArray encodeWindows1252(QStringView text)
{
    QStringEncoder encoder("windows-1252");
    if (std::all_of(text.begin(), text.end(), isWindows1252))
        return encoder.encode(text);
    return encoder.encode(fitToWindows1252(text));
}

bool isWindows1252(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return true;
    return std::find(std::begin(highBlock), std::end(highBlock), u) != std::end(highBlock);
}

QString fitToWindows1252(QStringView text)
{
    QString fitted;
    fitted.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            fitted += u'?';
            ++i;
        } else {
            fitted += isWindows1252(c) ? c : QChar(u'?');
        }
    }
    return fitted;
}

} // namespace teskaro
