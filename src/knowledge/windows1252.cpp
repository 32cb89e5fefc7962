// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows1252.h"

#include "accents.h"

#include <algorithm>
#include <bit>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <array>
#include <span>

namespace teskaro {

namespace {

// The code page, byte by byte: both directions read this one table. Bytes
// 0x80..0x9F hold the code page's own printable characters, plus the five
// undefined bytes, which decode to the matching C1 control as the system
// converters do (and so read back as the same byte). Every other byte is the
// Latin-1 character of the same number.
constexpr std::array<char16_t, 256> codePage = [] {
    constexpr char16_t highBlock[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    std::array<char16_t, 256> table{};
    for (std::size_t byte = 0; byte < table.size(); ++byte)
        table[byte] = char16_t(byte);
    std::copy(std::begin(highBlock), std::end(highBlock), table.begin() + 0x80);
    return table;
}();

constexpr bool inHighBlock(char16_t u)
{
    return u >= 0x80 && u <= 0x9F;
}

// The decoder widens every byte outside the high block as it is, and the
// encoder looks only in the block for a character not at its own number:
// both hold because only the block differs from Latin-1. A round trip holds
// because no two bytes decode to the same character.
constexpr bool onlyHighBlockDiffersAndNoCharacterTwice()
{
    for (int byte = 0; byte < 256; ++byte) {
        if (!inHighBlock(char16_t(byte)) && codePage[byte] != byte)
            return false;
        for (int other = byte + 1; other < 256; ++other) {
            if (codePage[other] == codePage[byte])
                return false;
        }
    }
    return true;
}
static_assert(onlyHighBlockDiffersAndNoCharacterTwice());

// The byte that decodes to the character, or -1 when the code page lacks it.
int byteOf(char16_t u)
{
    if (u <= 0xFF && codePage[u] == u)
        return u;
    const auto block = std::span(codePage).subspan(0x80, 0x20);
    const auto found = std::find(block.begin(), block.end(), u);
    return found == block.end() ? -1 : 0x80 + int(found - block.begin());
}

} // namespace

QString decodeWindows1252(QByteArrayView bytes)
{
    QString text;
    decodeWindows1252(bytes, text);
    return text;
}

namespace {

struct Widened
{
    bool inHighBlock = false; // a byte of the code page's own block
    bool foldable = false;    // a letter from À to Ü, which folding may change
};

// Widens every byte as Latin-1 and tells which blocks the bytes touch. Kept
// to a plain loop over unaliased pointers so that the compiler turns it into
// vector code: this is most of what a question costs.
Widened widenLatin1(const uchar *__restrict in, char16_t *__restrict out, qsizetype size)
{
    uchar high = 0;
    uchar foldable = 0;
    for (qsizetype i = 0; i < size; ++i) {
        out[i] = in[i];
        high |= uchar(uchar(in[i] - 0x80u) < 0x20u);
        foldable |= uchar(uchar(in[i] - 0xC0u) <= 0xDCu - 0xC0u);
    }
    return {high != 0, foldable != 0};
}

Widened decodeInto(QByteArrayView bytes, QString &into)
{
    const qsizetype size = bytes.size();
    into.resize(size);
    auto *out = reinterpret_cast<char16_t *>(into.data());
    const auto *in = reinterpret_cast<const uchar *>(bytes.data());
    const Widened widened = widenLatin1(in, out, size);
    if (widened.inHighBlock) {
        for (qsizetype i = 0; i < size; ++i) {
            if (uchar(in[i] - 0x80u) < 0x20u)
                out[i] = codePage[in[i]];
        }
    }
    return widened;
}

} // namespace

bool decodeWindows1252(QByteArrayView bytes, QString &into)
{
    return decodeInto(bytes, into).foldable;
}

void foldDecodedWindows1252(QByteArrayView bytes, const char16_t *decoded, char16_t *into)
{
    const qsizetype size = bytes.size();
    const auto *in = reinterpret_cast<const uchar *>(bytes.data());
    std::copy(decoded, decoded + size, into);
    // Only the letters from À to Ü change, and a field holds few of them:
    // they are found sixteen bytes at a time where the machine can, the last
    // sixteen overlapping those before.
    const auto fold = [&](qsizetype at) {
        into[at] = foldedCharacter(char16_t(in[at]));
    };
#if defined(__SSE2__)
    if (size >= 16) {
        const __m128i blockStart = _mm_set1_epi8(char(0xC0));
        const __m128i blockSize = _mm_set1_epi8(char(0xDC - 0xC0));
        for (qsizetype i = 0;; i = std::min(i + 16, size - 16)) {
            const __m128i offset = _mm_sub_epi8(
                _mm_loadu_si128(reinterpret_cast<const __m128i *>(in + i)), blockStart);
            for (auto inBlock = unsigned(
                     _mm_movemask_epi8(_mm_cmpeq_epi8(_mm_min_epu8(offset, blockSize), offset)));
                 inBlock != 0; inBlock &= inBlock - 1)
                fold(i + std::countr_zero(inBlock));
            if (i == size - 16)
                return;
        }
    }
#endif
    for (qsizetype i = 0; i < size; ++i) {
        if (uchar(in[i] - 0xC0u) <= 0xDCu - 0xC0u)
            fold(i);
    }
}

QByteArray encodeWindows1252(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            bytes += '?'; // one character, though two units
            ++i;
            continue;
        }
        const int byte = byteOf(c.unicode());
        bytes += byte < 0 ? '?' : char(byte);
    }
    return bytes;
}

bool isWindows1252(QChar c)
{
    return byteOf(c.unicode()) >= 0;
}

// What the file will hold, read back: the same replacements by construction.
QString fitToWindows1252(QStringView text)
{
    return decodeWindows1252(encodeWindows1252(text));
}

} // namespace teskaro
