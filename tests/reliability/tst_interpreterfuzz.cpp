// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Random lines through both interpreters of a real engine, from fixed seeds,
// with mode switches, option changes and exits between them. After every
// step the file reads whole, keeps every record it had, and has gained just
// the two records of the statement acknowledged, or nothing.

#include "dialogue/keyfilter.h"
#include "dialogue/phrases.h"
#include "knowledge/recordformat.h"
#include "support/enginerig.h"
#include "support/processrunner.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace teskaro;
using namespace teskaro::testing;

class TestInterpreterFuzz : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void randomLinesKeepExactlyWhatWasAcknowledged_data();
    void randomLinesKeepExactlyWhatWasAcknowledged();
};

namespace {

const QStringList words =
    u"ESTA ESTÁN ES SON SABES QUÉ CUAL QUIÉN SOBRE DE DEL LOS LAS EL LA UNAS "
    u"TU MI TÚS TE ME SOL PERROS HABLEMOS INPUT FIN ADIÓS ? ¿ \""_s.split(u' ');
// Controls (NUL, CR and LF among them), code page bytes, undefined ones too,
// and characters beyond the code page, lone surrogates included.
const QString strange = u"\t\r\n\x01\x7f\u0081\u008d\u00d1\u00e9\u20ac\u0416\u4e2d\u0301\uFEFF"
                        u"\U0001F600"_s +
                        QChar(0) + QChar(0xD800) + QChar(0xDC00);

// The subject an acknowledgement at the end of the text names, if any.
std::optional<QString> acknowledgedSubject(const QString &added)
{
    const QString ack = added.mid(added.lastIndexOf(u" ]\r\n"_s) + 4); // mid: there may be no echo
    for (const QString &phrase : Phrases::standard().learned) {
        if (ack.startsWith(phrase) && ack.endsWith(u"... \r\n\r\n"_s))
            return ack.sliced(phrase.size()).chopped(8);
    }
    return std::nullopt;
}

struct Run : Fakes
{
    Run() { engine.start(); }
    DialogueEngine engine{platform, speech, random};
};

} // namespace

void TestInterpreterFuzz::randomLinesKeepExactlyWhatWasAcknowledged_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<QByteArray>("file");
    QTest::addRow("from an empty folder") << 20240611u << QByteArray();
    QTest::addRow("up to the table's capacity") << 7u << numberedRecords(4980);
}

void TestInterpreterFuzz::randomLinesKeepExactlyWhatWasAcknowledged()
{
    QFETCH(quint32, seed);
    QFETCH(QByteArray, file);
    TestFolder folder;
    folder.write(u"default.alm"_s, file);
    auto session = std::make_unique<Run>(); // an exit word ends one; the next starts
    QRandomGenerator random(seed);
    const auto roll = [&random](int below) {
        return int(random.bounded(quint32(below)));
    };
    const QRegularExpression trouble(u"\\$ (No he podido|No es posible|La base|El último)"_s);
    bool whole = true;
    QList<KnowledgeRecord> kept = recordsIn(u"default.alm"_s, &whole);
    int learned = 0;
    int refused = 0;
    int sessions = 1;
    for (int step = 0; step < 1500 && !QTest::currentTestFailed(); ++step) {
        QString line;
        for (int n = roll(9); n > 0; --n)
            line += (roll(4) ? words.at(roll(int(words.size())))
                             : strange.at(roll(int(strange.size())))) +
                    (roll(5) ? u" "_s : QString());
        if (step % 500 == 250)
            line += QString(100000, u'S');
        const qsizetype seen = session->engine.session().transcript().size();
        switch (roll(30)) {
        case 0:
            session->engine.switchMode(roll(2) ? Mode::Learning : Mode::Consultation);
            break;
        case 1:
            session->engine.togglePronounInversion();
            break;
        case 2:
            session->engine.submit(roll(2) ? u" fin "_s : u"ME VOY"_s);
            break;
        case 3:
            for (QChar &c : line)
                c = filterTypedCharacter(c);
            [[fallthrough]];
        default:
            session->engine.submit(line);
        }
        const QString added = session->engine.session().transcript().sliced(seen);
        QVERIFY2(!added.contains(trouble), qPrintable(added));
        refused += added.contains(u":( MI BASE DE CONOCIMIENTOS ESTA LLENA"_s);

        const QList<KnowledgeRecord> now = recordsIn(u"default.alm"_s, &whole);
        QVERIFY2(whole && now.first(std::min(kept.size(), now.size())) == kept, qPrintable(line));
        const QList<KnowledgeRecord> gained = now.sliced(kept.size());
        const std::optional<QString> subject = acknowledgedSubject(added);
        QCOMPARE(gained.size(), subject ? 2 : 0);
        if (subject) {
            QCOMPARE(gained[0].topic, paddedField(*subject));
            QCOMPARE(gained[1], (KnowledgeRecord{gained[0].statement, gained[0].topic}));
            QVERIFY(gained[0].statement.contains(QRegularExpression(u"^ (EST[AÁ]N?|ES|SON) "_s)));
            ++learned;
        }
        kept = now;
        if (session->exit.status >= 0) {
            session = std::make_unique<Run>();
            QCOMPARE(session->exit.status, -1);
            ++sessions;
        }
    }
    QVERIFY2(learned >= 10 && sessions >= 2, "the run did not learn or end enough");
    QCOMPARE(refused > 0, !file.isEmpty());
}

QTEST_GUILESS_MAIN(TestInterpreterFuzz)
#include "tst_interpreterfuzz.moc"
