// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "randomsource.h"

#include <QTime>

#include <algorithm>

namespace teskaro {

SeededRandom::SeededRandom()
    : SeededRandom(clockSeed())
{}

SeededRandom::SeededRandom(quint32 seed)
    : m_generator(seed)
{}

float SeededRandom::next()
{
    // 24 random bits fill a float's mantissa exactly; rounding a double
    // instead could give 1.0 and a slot beyond the table.
    return float(m_generator.generate() >> 8) * 0x1p-24f;
}

quint32 SeededRandom::clockSeed()
{
    return quint32(QTime::currentTime().msecsSinceStartOfDay() / 1000);
}

qsizetype pickIndex(RandomSource &random, qsizetype count)
{
    const float r = random.next();
    return std::clamp(qsizetype(float(count) * r), qsizetype(0), count - 1);
}

} // namespace teskaro
