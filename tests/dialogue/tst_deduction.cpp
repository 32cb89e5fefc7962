// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The chains the logic rules write, on files shaped as people use them and
// as hostile ones are, against the rule done the plain way: every chain of
// two or three links, each leading to the next, no record twice, no two
// topics that name the same thing; in table order, a chain before those
// that extend it, each text once, ten at most.

#include "dialogue/deduction.h"
#include "dialogue/naming.h"
#include "dialogue/queryinterpreter.h"
#include "knowledge/accents.h"
#include "knowledge/knowledgetable.h"
#include "knowledge/knowledgewriter.h"
#include "knowledge/recordformat.h"
#include "knowledge/windows1252.h"

#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace teskaro;

class TestDeduction : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void namesTheSameThing_data();
    void namesTheSameThing();
    void writesWhatTheRuleWrites_data();
    void writesWhatTheRuleWrites();
};

namespace {

using Chain = QList<int>; // rows

// The rule, plainly and slowly.
QStringList byTheRule(const KnowledgeTable &table, const QList<int> &firsts, int through)
{
    static const QRegularExpression link(u"^(ESTAN?|ES|SON) (.+)$"_s);
    QList<int> links;
    for (int row = 0; row < table.recordCount(); ++row) {
        if (link.match(folded(trimBlanks(table.record(row).statement))).hasMatch())
            links += row;
    }
    const auto leads = [&](int from, int to) {
        const auto a = link.match(folded(trimBlanks(table.record(from).statement)));
        const auto b = link.match(folded(trimBlanks(table.record(to).statement)));
        const bool at = a.captured(1).startsWith(u"ESTA"_s);
        QString target = a.captured(2);
        if (at && !target.startsWith(u"EN "_s))
            return false;
        return at == b.captured(1).startsWith(u"ESTA"_s) &&
               nameSameThing(at ? target.mid(3) : target, table.foldedTopic(to));
    };
    QList<Chain> chains;
    for (int a : links) {
        for (int b : links) {
            if (!leads(a, b))
                continue;
            chains += Chain{a, b};
            for (int c : links) {
                if (leads(b, c))
                    chains += Chain{a, b, c};
            }
        }
    }
    std::sort(chains.begin(), chains.end());
    QStringList lines;
    for (const Chain &chain : chains) {
        bool holds = through < 0 ? firsts.contains(chain.first()) : chain.contains(through);
        QString text;
        for (qsizetype i = 0; i < chain.size(); ++i) {
            for (qsizetype j = 0; j < i; ++j)
                holds = holds && chain[i] != chain[j] &&
                        !nameSameThing(table.foldedTopic(chain[i]), table.foldedTopic(chain[j]));
            text += (i == 0                  ? u""_s
                     : i + 1 == chain.size() ? u" Y "_s
                                             : u", "_s) +
                    trimBlanks(table.record(chain[i]).topic).toString() + u' ' +
                    trimBlanks(table.record(chain[i]).statement).toString();
        }
        if (holds && !lines.contains(text) && lines.size() < Deduction::mostLines)
            lines += text;
    }
    return lines;
}

} // namespace

// Two phrases, folded, and whether they name the same thing. Those that do
// must share their keys, from text and from bytes alike, or the index that
// finds them would miss them.
void TestDeduction::namesTheSameThing_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<bool>("same");
    QTest::newRow("itself") << u"EL GATO"_s << u"EL GATO"_s << true;
    QTest::newRow("S plural, other article") << u"LAS CASAS"_s << u"UNA CASA"_s << true;
    QTest::newRow("ES plural") << u"LOS PAISES"_s << u"EL PAIS"_s << true;
    QTest::newRow("Z made CES") << u"LAS LUCES"_s << u"LA LUZ"_s << true;
    QTest::newRow("articles of three and four")
        << u"UNOS ARBOLES ALTOS"_s << u"LOS ARBOL ALTO"_s << true;
    QTest::newRow("no article left out twice") << u"LA LA CASA"_s << u"CASA"_s << false;
    QTest::newRow("five letters are no article") << u"UNOSA CASA"_s << u"CASA"_s << false;
    QTest::newRow("a word of one letter") << u"A"_s << u"B"_s << false;
    QTest::newRow("blanks apart") << u"  EL   GATO "_s << u"GATO"_s << true;
    QTest::newRow("one word more") << u"EL GATO NEGRO"_s << u"EL GATO"_s << false;
    QTest::newRow("other word") << u"EL GATO"_s << u"EL PERRO"_s << false;
    QTest::newRow("a plural of another word") << u"LOS GATOSES"_s << u"EL GATO"_s << false;
    QTest::newRow("nothing names nothing") << u"  "_s << u""_s << false;
}

void TestDeduction::namesTheSameThing()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(bool, same);
    QCOMPARE(nameSameThing(first, second), same);
    QCOMPARE(nameSameThing(second, first), same);
    const auto keys = [](const QString &phrase) {
        return std::tuple{keyOf(phrase), keyOfBytes(encodeWindows1252(phrase)), shelfOf(phrase)};
    };
    QVERIFY(!same || keys(first) == keys(second));
    QCOMPARE(keyOf(first) == 0, trimBlanks(first).isEmpty());
    // The last word counts too: a key is worth looking up only if it is narrow.
    QVERIFY(keyOf(u"EL GATO NEGRO"_s) != keyOf(u"EL GATO BLANCO"_s));
}

// Statements "TOPIC|STATEMENT" (each learned with its mirror), a question's
// subject, or with "learned" the chains through the last statement.
void TestDeduction::writesWhatTheRuleWrites_data()
{
    QTest::addColumn<QStringList>("statements");
    QTest::addColumn<QString>("subject");
    QStringList inventory;
    QStringList element;
    QStringList chains;
    QStringList copies;
    QStringList cycle;
    QStringList accents;
    for (int n = 0; n < 24; ++n) {
        inventory += u"LA CAJA %1|ESTA EN LA CAJA %2"_s.arg(n).arg((n * 7 + 3) % 24);
        element += u"EL ELEMENTO NUMERO %1 DE LA COLECCION|ES UN ELEMENTO DE LA PRUEBA"_s.arg(n);
        chains += u"EL SER %1|ES UN SER %2"_s.arg(n).arg(n + 1);
        chains += u"LOS SERES %1|SON SERES %2"_s.arg(n + 2).arg(n % 5);
        copies += n % 2 ? u"EL GATO|ES UN FELINO"_s : u"LOS FELINOS|SON MAMIFEROS"_s;
        cycle += n % 3 ? u"  GATO |ES UN PERRO  "_s : u"PERRO|ES UN  GATO"_s;
    }
    copies += u"LOS MAMIFEROS|SON ANIMALES"_s;
    accents << u"EL LIBRO|ESTÁ EN LA MESA"_s << u"LAS MESAS|ESTAN EN EL SALÓN"_s
            << u"EL SALON|ESTA EN LA CASA"_s << u"ESPAÑA|ES UN PAÍS"_s
            << u"LOS PAISES|SON ESTADOS"_s;
    QTest::newRow("house inventory") << inventory << u"LA CAJA"_s;
    QTest::newRow("house inventory, learned") << inventory << u"learned"_s;
    QTest::newRow("a shared first word") << element << u"ELEMENTO"_s;
    QTest::newRow("chains through other topics") << chains << u"SER 1"_s;
    QTest::newRow("chains, learned") << chains << u"learned"_s;
    QTest::newRow("identical copies") << copies << u"GATO"_s;
    QTest::newRow("a repeated cycle, blanks apart") << cycle << u"GATO"_s;
    QTest::newRow("a repeated cycle, learned") << cycle << u"learned"_s;
    QTest::newRow("accents") << accents << u"LIBRO"_s;
    QTest::newRow("a chain learned at its end")
        << QStringList{u"EL LIBRO|ESTA EN LA MESA"_s, u"LA MESA|ESTA EN EL SALON"_s,
                       u"EL SALON|ESTA EN LA CASA"_s}
        << u"learned"_s;
    QTest::newRow("accents, learned") << (QStringList{accents.last()} + accents) << u"learned"_s;
}

void TestDeduction::writesWhatTheRuleWrites()
{
    QFETCH(QStringList, statements);
    QFETCH(QString, subject);
    KnowledgeTable table;
    for (const QString &statement : statements) {
        const QString topic = u' ' + statement.section(u'|', 0, 0) + u' ';
        const QString rest = u' ' + statement.section(u'|', 1) + u' ';
        table.append({topic, rest});
        table.append({rest, topic});
    }
    const Deduction deduction(table);
    if (subject == u"learned"_s) {
        const int row = table.recordCount() - 2;
        const QStringList lines = byTheRule(table, {}, row);
        QCOMPARE(deduction.chainsThrough(row), lines);
        // And from the file's bytes, as learning reads them.
        QByteArray before;
        for (int r = 0; r < row; ++r)
            before += formatRecordLine(table.record(r));
        RecordReader reader(before);
        QList<RecordFields> fields;
        RecordFields field;
        while (reader.next(field.topic, field.statement) == RecordReader::Result::Record)
            fields += field;
        QCOMPARE(chainsThroughLearned(before, fields, {table.record(row), table.record(row + 1)}),
                 lines);
        return;
    }
    const SubjectSearch search(folded(u' ' + subject));
    QList<int> answered;
    for (int row = 0; row < table.recordCount(); ++row) {
        if (topicHoldsSubject(table.foldedTopic(row), search))
            answered += row;
    }
    const QStringList lines = deduction.chainsFrom(answered);
    QCOMPARE(lines, byTheRule(table, answered, -1));
    QVERIFY(!lines.isEmpty() || subject == u"ELEMENTO"_s);
}

QTEST_GUILESS_MAIN(TestDeduction)
#include "tst_deduction.moc"
