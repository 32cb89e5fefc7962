// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

namespace teskaro {

class RandomSource;

// The canned texts every reply and prompt begins with, fifteen in each
// table. Each ends with its own blank, so what follows is joined straight on.
struct Phrases
{
    QStringList recall;        // lead-in of an answer from a record
    QStringList ignorance;     // nothing is known about the subject
    QStringList learned;       // acknowledgement of a learned statement
    QStringList notUnderstood; // the input follows no known form
    QStringList teachPrompts;  // invites a statement
    QStringList askPrompts;    // invites a question

    static const Phrases &standard();
};

// One text of the table, chosen at random.
const QString &pickPhrase(RandomSource &random, const QStringList &table);

} // namespace teskaro
