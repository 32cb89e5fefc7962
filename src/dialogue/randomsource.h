// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRandomGenerator>

namespace teskaro {

// Uniform single-precision numbers r with 0 <= r < 1, for every choice of a
// canned text.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual float next() = 0;
};

// Seeded once, from the time of day unless a seed is given, and never again.
class SeededRandom final : public RandomSource
{
public:
    SeededRandom();
    explicit SeededRandom(quint32 seed);

    float next() override;

    // Seconds since midnight, the seed the program starts with.
    static quint32 clockSeed();

private:
    QRandomGenerator m_generator;
};

// The pick rule, Int(count * r): an index from 0 to count - 1, each as likely.
qsizetype pickIndex(RandomSource &random, qsizetype count);

} // namespace teskaro
