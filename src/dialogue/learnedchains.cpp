// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "deduction.h"

#include "knowledge/accents.h"
#include "knowledge/knowledgetable.h"
#include "knowledge/windows1252.h"
#include "naming.h"
#include "textrules.h"

#include <QSet>

#include <algorithm>
#include <array>

namespace teskaro {

namespace {

QByteArrayView trimmedBytes(QByteArrayView bytes)
{
    while (bytes.startsWith(' '))
        bytes = bytes.sliced(1);
    while (bytes.endsWith(' '))
        bytes.chop(1);
    return bytes;
}

} // namespace

QStringList chainsThroughLearned(QByteArrayView before, const QList<RecordFields> &fields,
                                 const QList<KnowledgeRecord> &learned)
{
    // A first pass over the file's bytes finds the links without decoding
    // them: a chain through the learned statement can only hold links whose
    // topic or object has the key of what it leads to or comes from, or of
    // what those lead to or come from. The first letter of a phrase's last
    // word, which the key holds, turns most links away before any key is
    // made; only the links that take part are decoded.
    struct Raw
    {
        QByteArrayView topic;
        QByteArrayView statement;
        QByteArrayView object;
        char16_t topicLetter = 0;
        char16_t objectLetter = 0;
    };
    const auto lastLetter = [](QByteArrayView phrase) -> char16_t {
        phrase = trimmedBytes(phrase);
        const qsizetype blank = phrase.lastIndexOf(' ');
        return phrase.isEmpty() ? 0 : foldedCharacter(char16_t(uchar(phrase[blank + 1])));
    };
    const auto rawOf = [&](QByteArrayView topic, QByteArrayView statement) -> std::optional<Raw> {
        statement = trimmedBytes(statement);
        // The copula from the statement's first letters, folded.
        std::array<char16_t, 6> start{};
        const auto size = std::min<qsizetype>(statement.size(), qsizetype(start.size()));
        std::transform(statement.begin(), statement.begin() + size, start.begin(),
                       [](char byte) { return foldedCharacter(char16_t(uchar(byte))); });
        const qsizetype copula = leadingCopula(QStringView(start.data(), size)).size();
        if (copula == 0 || copula == statement.size())
            return std::nullopt;
        QByteArrayView object = trimmedBytes(statement.sliced(copula));
        if (copula >= 4) { // ESTA and ESTAN lead somewhere only with EN
            const bool en = object.size() > 3 &&
                            foldedCharacter(char16_t(uchar(object[0]))) == u'E' &&
                            object[1] == 'N' && object[2] == ' ';
            object = en ? object.sliced(3) : QByteArrayView();
        }
        return Raw{topic, statement, object, lastLetter(topic), lastLetter(object)};
    };
    QList<Raw> links;
    for (const RecordFields &record : fields) {
        if (const auto raw = rawOf(before.sliced(record.topic.start, record.topic.length),
                                   before.sliced(record.statement.start, record.statement.length)))
            links += *raw;
    }
    const QByteArray topic = encodeWindows1252(learned.first().topic);
    const QByteArray rest = encodeWindows1252(learned.first().statement);
    const std::optional<Raw> learnedLink = rawOf(topic, rest);
    if (!learnedLink)
        return {};
    // What may come after the learned link, or after that; what may come
    // before it, or before that: as keys, with their letters.
    const auto matches = [](QByteArrayView phrase, char16_t letter, const QList<char16_t> &letters,
                            const QSet<quint64> &keys) {
        return letter != 0 && letters.contains(letter) && keys.contains(keyOfBytes(phrase));
    };
    QList<char16_t> topicLetters{learnedLink->objectLetter};
    QSet<quint64> topicKeys{keyOfBytes(learnedLink->object)};
    QList<char16_t> objectLetters{learnedLink->topicLetter};
    QSet<quint64> objectKeys{keyOfBytes(learnedLink->topic)};
    const quint64 afterKey = keyOfBytes(learnedLink->object);
    const quint64 beforeKey = keyOfBytes(learnedLink->topic);
    for (const Raw &link : std::as_const(links)) {
        if (link.topicLetter == learnedLink->objectLetter && keyOfBytes(link.topic) == afterKey) {
            if (!topicLetters.contains(link.objectLetter))
                topicLetters += link.objectLetter;
            topicKeys.insert(keyOfBytes(link.object));
        }
        if (link.objectLetter == learnedLink->topicLetter && keyOfBytes(link.object) == beforeKey) {
            if (!objectLetters.contains(link.topicLetter))
                objectLetters += link.topicLetter;
            objectKeys.insert(keyOfBytes(link.topic));
        }
    }
    KnowledgeTable table;
    for (const Raw &link : std::as_const(links)) {
        if ((matches(link.topic, link.topicLetter, topicLetters, topicKeys) ||
             matches(link.object, link.objectLetter, objectLetters, objectKeys)) &&
            !table.isFull())
            table.append(link.topic, link.statement);
    }
    if (table.isFull())
        return {};
    const int row = table.recordCount();
    for (const KnowledgeRecord &record : learned) {
        if (!table.isFull())
            table.append(record);
    }
    return Deduction(table).chainsThrough(row);
}

} // namespace teskaro
