// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The part of the knowledge map shown for a subject, a thing chosen or the
// whole file: its things, each said in words with its arrows, and the
// rules' chains as arrows from their first topic to their last object.

#include "dialogue/deduction.h"
#include "dialogue/naming.h"
#include "dialogue/queryinterpreter.h"
#include "knowledge/accents.h"
#include "knowledge/recordformat.h"
#include "map/knowledgemap.h"
#include "map/shownmap.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace teskaro;

class TestKnowledgeMap : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void showsThePartAskedFor_data();
    void showsThePartAskedFor();
};

namespace {

QStringList chain(int from, int to)
{
    QStringList statements;
    for (int letter = 'A' + from; letter < 'A' + to; ++letter)
        statements += u"EL %1|ES UN %2"_s.arg(QChar(letter), QChar(letter + 1));
    return statements;
}

QStringList numbered(int count)
{
    QStringList statements;
    for (int n = 0; n < count; ++n)
        statements += u"EL NUMERO %1|ES UN DATO"_s.arg(n);
    return statements;
}

} // namespace

// Statements "TOPIC|STATEMENT" are learned with their mirror; with "!" the
// record stands alone as written. A subject "=PHRASE" chooses a thing as
// the centre. Shown: the counts or why nothing is, then each thing said in
// words, "*" at the centre (none listed: not compared).
void TestKnowledgeMap::showsThePartAskedFor_data()
{
    QTest::addColumn<QStringList>("statements");
    QTest::addColumn<QString>("subject");
    QTest::addColumn<int>("depth");
    QTest::addColumn<bool>("rules");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("deduced"); // "FIRST TOPIC => LAST OBJECT"

    const QStringList cats{u"EL GATO|ES UN FELINO"_s, u"LOS FELINOS|SON MAMIFEROS"_s,
                           u"LOS MAMIFEROS|SON ANIMALES"_s};
    QTest::newRow("the statement side, its mirror first")
        << QStringList{u"!ES UN FELINO|EL GATO"_s, u"!EL GATO|ES UN FELINO"_s} << QString() << 2
        << false
        << QStringList{u"2 cosas, 1 afirmación"_s, u"EL GATO: ES UN FELINO"_s,
                       u"UN FELINO: EL GATO ES"_s}
        << QStringList();
    QTest::newRow("PAÍS and PAISES, one thing named as first stored")
        << QStringList{u"EL PAÍS|ES GRANDE"_s, u"LOS PAISES|SON NACIONES"_s} << u"PAIS"_s << 1
        << false
        << QStringList{u"3 cosas, 2 afirmaciones"_s, u"*EL PAÍS: ES GRANDE; SON NACIONES"_s,
                       u"GRANDE: EL PAÍS ES"_s, u"NACIONES: EL PAÍS SON"_s}
        << QStringList();
    QTest::newRow("LUZ and LUCE, one thing through LUCES")
        << QStringList{u"LA LUZ|ES CLARA"_s, u"LA LUCE|ES RARA"_s, u"LAS LUCES|SON BONITAS"_s}
        << QString() << 2 << false
        << QStringList{u"4 cosas, 3 afirmaciones"_s, u"LA LUZ: ES CLARA; ES RARA; SON BONITAS"_s,
                       u"CLARA: LA LUZ ES"_s, u"RARA: LA LUZ ES"_s, u"BONITAS: LA LUZ SON"_s}
        << QStringList();
    QTest::newRow("ESTA EN, ESTAN EN, and ESTA alone")
        << QStringList{u"LA ALHAMBRA|ESTÁ EN GRANADA"_s, u"LAS LLAVES|ESTAN EN EL CAJON"_s,
                       u"PARIS|ESTA A ORILLAS DEL SENA"_s}
        << QString() << 2 << false
        << QStringList{u"6 cosas, 3 afirmaciones"_s,       u"LA ALHAMBRA: ESTÁ EN GRANADA"_s,
                       u"GRANADA: LA ALHAMBRA ESTÁ EN"_s,  u"LAS LLAVES: ESTAN EN EL CAJON"_s,
                       u"EL CAJON: LAS LLAVES ESTAN EN"_s, u"PARIS: ESTA A ORILLAS DEL SENA"_s,
                       u"A ORILLAS DEL SENA: PARIS ESTA"_s}
        << QStringList();
    QTest::newRow("lone records: a statement, a mirror, neither")
        << QStringList{u"!EL SOL|ES UNA ESTRELLA"_s, u"!SON ASTROS|LAS ESTRELLAS"_s,
                       u"!HOLA|MUNDO"_s}
        << QString() << 2 << false
        << QStringList{u"5 cosas, 3 afirmaciones"_s,
                       u"EL SOL: ES UNA ESTRELLA"_s,
                       u"UNA ESTRELLA: EL SOL ES; SON ASTROS"_s,
                       u"ASTROS: UNA ESTRELLA SON"_s,
                       u"HOLA: MUNDO"_s,
                       u"MUNDO: HOLA"_s}
        << QStringList();
    QTest::newRow("depth 1, both ways")
        << chain(0, 5) << u"EL C"_s << 1 << false
        << QStringList{u"3 cosas, 2 afirmaciones"_s, u"UN B: ES UN C"_s,
                       u"*UN C: UN B ES; ES UN D"_s, u"UN D: UN C ES"_s}
        << QStringList();
    QTest::newRow("depth 2") << chain(0, 5) << u"EL C"_s << 2 << false
                             << QStringList{u"5 cosas, 4 afirmaciones"_s} << QStringList();
    QTest::newRow("depth 3") << chain(0, 5) << u"EL C"_s << 3 << false
                             << QStringList{u"6 cosas, 5 afirmaciones"_s} << QStringList();
    QTest::newRow("150 statements, the whole file")
        << numbered(150) << QString() << 2 << false << QStringList{u"151 cosas, 150 afirmaciones"_s}
        << QStringList();
    QTest::newRow("151 statements ask for a subject")
        << numbered(151) << QString() << 2 << false
        << QStringList{u"El archivo tiene 151 afirmaciones, más de las 150 que el mapa muestra "
                       u"enteras: escriba un tema para ver su parte."_s}
        << QStringList();
    QTest::newRow("a subject nothing is about")
        << cats << u"el perro"_s << 2 << false
        << QStringList{u"Ninguna afirmación trata de EL PERRO."_s} << QStringList();
    QTest::newRow("deductions reach past the depth")
        << cats << u"EL GATO"_s << 1 << true
        << QStringList{u"4 cosas, 1 afirmación"_s, u"*EL GATO: ES UN FELINO"_s,
                       u"UN FELINO: EL GATO ES"_s, u"MAMIFEROS"_s, u"ANIMALES"_s}
        << QStringList{u"EL GATO => MAMIFEROS"_s, u"EL GATO => ANIMALES"_s};
    QTest::newRow("a thing chosen, its chains")
        << cats << u"=LOS FELINOS"_s << 1 << true << QStringList{u"4 cosas, 2 afirmaciones"_s}
        << QStringList{u"UN FELINO => ANIMALES"_s};
}

void TestKnowledgeMap::showsThePartAskedFor()
{
    QFETCH(QStringList, statements);
    QFETCH(QString, subject);
    QFETCH(bool, rules);
    KnowledgeTable table;
    for (const QString &statement : statements) {
        const QString topic = u' ' + statement.section(u'|', 0, 0).remove(u'!') + u' ';
        const QString rest = u' ' + statement.section(u'|', 1) + u' ';
        table.append({topic, rest});
        if (!statement.startsWith(u'!'))
            table.append({rest, topic});
    }
    MapRequest request;
    (subject.startsWith(u'=') ? request.centre : request.subject) = subject.remove(u'=');
    QFETCH(int, depth);
    request.depth = depth;
    request.deductions = rules;
    const ShownMap map = showMap(KnowledgeMap(table), request);

    QStringList things{map.refusal.isEmpty() ? shownCounts(map) : map.refusal};
    for (const ShownThing &thing : map.things)
        things += (thing.centre ? u"*"_s : QString()) + thing.spoken;
    QFETCH(QStringList, shown);
    QCOMPARE(things.mid(0, shown.size() == 1 ? 1 : -1), shown);
    QStringList ends;
    QStringList lines;
    for (const DeducedArrow &arrow : map.deductions) {
        ends += map.things[arrow.from].name + u" => "_s + map.things[arrow.to].name;
        lines += arrow.line;
    }
    QTEST(ends, "deduced");

    // The rules' own lines for the rows whose topic holds the subject, or
    // names the thing chosen.
    const SubjectSearch search(searchedSubject(subject));
    QList<int> rows;
    for (int row = 0; row < table.recordCount(); ++row) {
        const QStringView topic = table.foldedTopic(row);
        if (request.centre.isEmpty() ? topicHoldsSubject(topic, search)
                                     : nameSameThing(trimBlanks(topic), folded(subject)))
            rows += row;
    }
    QStringList expected;
    for (const QString &chained : Deduction(table).chainsFrom(rules ? rows : QList<int>()))
        expected += u":) DEDUZCO QUE "_s + chained;
    QCOMPARE(lines, expected);
}

QTEST_GUILESS_MAIN(TestKnowledgeMap)
#include "tst_knowledgemap.moc"
