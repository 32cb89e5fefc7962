// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Windows-1252 code page both ways, byte by byte, checked against the
// code page's chart; folding accents, checked against its own list, and as
// a table folds what it reads; the subject search of a question against
// QStringView::indexOf; and a torn tail's bytes as the user is shown them.

#include "dialogue/queryinterpreter.h"
#include "knowledge/accents.h"
#include "knowledge/knowledgetable.h"
#include "knowledge/knowledgewriter.h"
#include "knowledge/windows1252.h"

#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace teskaro;

class TestCodePage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyByteReadsAsItsCharacterAndBack();
    void charactersOutsideBecomeQuestionMarks_data();
    void charactersOutsideBecomeQuestionMarks();
    void foldsExactlyItsList();
    void tablesFoldWhatTheyRead();
    void subjectSearchFindsWhatIndexOfFinds_data();
    void subjectSearchFindsWhatIndexOfFinds();
    void showsATailItCouldNotKeep_data();
    void showsATailItCouldNotKeep();
};

namespace {

// Bytes 0x80..0x9F as the chart shows them. The five bytes the chart leaves
// undefined read as the C1 control of the same number, so that any file
// reads back byte for byte.
const QString chartHighBlock = u"€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F"
                               u"\u0090‘’“”•–—˜™š›œ\u009DžŸ"_s;

// Every other byte is the Latin-1 character, which Unicode numbers alike.
QChar chartCharacter(int byte)
{
    return byte >= 0x80 && byte < 0xA0 ? chartHighBlock.at(byte - 0x80) : QChar(byte);
}

} // namespace

// Byte by byte, then whole buffers, which take the decoder's vector path
// with and without bytes of the code page's own block; decoding into a used
// string drops what it held.
void TestCodePage::everyByteReadsAsItsCharacterAndBack()
{
    QByteArray bytes;
    QString text;
    for (int byte = 0; byte < 256; ++byte) {
        const QChar character = chartCharacter(byte);
        QCOMPARE(decodeWindows1252(QByteArray(1, char(byte))), QString(character));
        QCOMPARE(encodeWindows1252(QString(character)), QByteArray(1, char(byte)));
        QVERIFY(isWindows1252(character) && fitToWindows1252(QString(character)) == character);
        bytes += char(byte);
        text += character;
    }
    bytes = bytes.repeated(3);
    text = text.repeated(3);
    QString into = u"previous contents"_s.repeated(100);
    decodeWindows1252(bytes, into);
    QCOMPARE(into, text);
    QCOMPARE(encodeWindows1252(text), bytes);
    const QByteArray latin1 = bytes.sliced(0xA0, 256 + 0x80); // 0xA0..0xFF, 0x00..0x7F
    QCOMPARE(decodeWindows1252(latin1), text.sliced(0xA0, 256 + 0x80));
}

void TestCodePage::charactersOutsideBecomeQuestionMarks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("fitted");
    const QChar high(0xD83D);
    QTest::newRow("C1 control under the euro's byte") << u"\u0080"_s << "?"_ba << u"?"_s;
    QTest::newRow("Cyrillic and Chinese") << u"Ж中"_s << "??"_ba << u"??"_s;
    QTest::newRow("combining accent") << u"E\u0301"_s << "E?"_ba << u"E?"_s;
    QTest::newRow("surrogate pair is one") << u"\U0001F600"_s << "?"_ba << u"?"_s;
    QTest::newRow("lone high") << QString(high) + u'A' << "?A"_ba << u"?A"_s;
    QTest::newRow("mixed") << u"AÑO €5 😀 Ж!"_s
                           << "A\xD1O \x80"
                              "5 ? ?!"_ba
                           << u"AÑO €5 ? ?!"_s;
}

void TestCodePage::charactersOutsideBecomeQuestionMarks()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, fitted);
    QCOMPARE(encodeWindows1252(text), bytes);
    QCOMPARE(fitToWindows1252(text), fitted);
    if (text.size() == 1)
        QVERIFY(!isWindows1252(text.front()));
}

// Every UTF-16 unit: the twenty capitals of the list fold, nothing else.
void TestCodePage::foldsExactlyItsList()
{
    const QString from = u"ÀÁÂÄÈÉÊËÌÍÎÏÒÓÔÖÙÚÛÜ"_s;
    const QString to = u"AAAAEEEEIIIIOOOOUUUU"_s;
    for (int unit = 0; unit <= 0xFFFF; ++unit) {
        const QChar c{char16_t(unit)};
        const qsizetype listed = from.indexOf(c);
        QCOMPARE(foldedCharacter(c), listed < 0 ? c : to.at(listed));
    }
    QCOMPARE(folded(u"ÁRBOL AÑO pingüino ÇÃ"_s), u"ARBOL AÑO pingüino ÇÃ"_s);
    QVERIFY(!foldingChanges(u"AÑO Ç Ã á"_s) && foldingChanges(u"AÑO É"_s));
    QVERIFY(equalFolded("\xc1RBOL", "ARBOL") && !equalFolded("A\xd1O", "ANO") &&
            !equalFolded("ARBOL", "ARBOLES"));
}

// Fields of every length around the sixteen bytes folded at a time, with
// letters to fold anywhere, now and then a byte of the code page's own
// block: each topic a table reads folds as its text does.
void TestCodePage::tablesFoldWhatTheyRead()
{
    QRandomGenerator random(1252);
    const QByteArray alphabet = "AEIOU N\xc1\xc9\xcd\xd3\xda\xdc\xd1\xc3\xe1\x80\x9c\xdd";
    KnowledgeTable table;
    for (int round = 0; round < 400; ++round) {
        QByteArray topic;
        const int size = int(random.bounded(70));
        for (int i = 0; i < size; ++i)
            topic += alphabet.at(int(random.bounded(alphabet.size() - (round % 2 ? 0 : 3))));
        table.append(topic, "X");
        const int row = table.recordCount() - 1;
        QCOMPARE(table.record(row).topic, decodeWindows1252(topic));
        QCOMPARE(table.foldedTopic(row).toString(), folded(decodeWindows1252(topic)));
    }
    table.append({u" EL PINGÜINO "_s, u" ES UN AVE "_s});
    QCOMPARE(table.foldedTopic(table.recordCount() - 1).toString(), u" EL PINGUINO "_s);
}

void TestCodePage::subjectSearchFindsWhatIndexOfFinds_data()
{
    QTest::addColumn<QString>("alphabet");
    QTest::addColumn<quint32>("seed");
    QTest::newRow("one letter") << u"A"_s << 1u;
    QTest::newRow("two letters") << u"AB"_s << 2u;
    QTest::newRow("letters and a blank") << u"AB "_s << 3u;
    // Ł shares its low byte with A, as the bad-character table sees them.
    QTest::newRow("a shared low byte") << u"AŁB"_s << 4u;
}

void TestCodePage::subjectSearchFindsWhatIndexOfFinds()
{
    QFETCH(QString, alphabet);
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    const auto randomText = [&](int longest) {
        QString text;
        for (int n = random.bounded(longest + 1); n > 0; --n)
            text += alphabet[random.bounded(alphabet.size())];
        return text;
    };
    for (int round = 0; round < 3000; ++round) {
        const QString topic = randomText(40);
        // A piece of the topic (found for sure, empty at times), a short
        // subject, or one often longer than the topic.
        const QString subject = round % 3 == 0
                                    ? topic.mid(random.bounded(topic.size() + 1), random.bounded(8))
                                : round % 3 == 1 ? randomText(8)
                                                 : randomText(50);
        const qsizetype expected = QStringView(topic).indexOf(subject);
        const qsizetype found = SubjectSearch(subject).indexIn(topic);
        QVERIFY2(found == expected,
                 qPrintable(u"«%1» in «%2»: %3, not %4"_s.arg(
                     subject, topic, QString::number(found), QString::number(expected))));
    }
}

// When a torn tail could not be kept in a side file, the "$" line shows it:
// every control character written out, so nothing in it acts on a
// terminal, and a long one cut after 200 characters.
void TestCodePage::showsATailItCouldNotKeep_data()
{
    QTest::addColumn<QByteArray>("tail");
    QTest::addColumn<QString>("shown");
    QTest::newRow("controls, backslash, C1") << QByteArray("\"A\\B\r\n\x1b[2J\x81\x80\xe9\x7f")
                                             << u"\"A\\\\B\\r\\n\\x1b[2J\\x81€é\\x7f"_s;
    QTest::newRow("200 characters whole") << QByteArray(200, 'x') << QString(200, u'x');
    QTest::newRow("201 cut") << QByteArray(201, 'x')
                             << QString(200, u'x') + u"… (201 bytes en total)"_s;
}

void TestCodePage::showsATailItCouldNotKeep()
{
    QFETCH(QByteArray, tail);
    QFETCH(QString, shown);
    const QString note =
        setAsideNote(u"k.alm"_s, {u"k.alm.incompleto"_s, u"permiso denegado"_s, tail});
    QCOMPARE(note, u"El final de k.alm no era un registro completo (una escritura "
                   u"interrumpida); no se ha podido guardar aparte en k.alm.incompleto (permiso "
                   u"denegado) y se ha quitado del archivo. Decía: «"_s +
                       shown + u'»');
}

QTEST_GUILESS_MAIN(TestCodePage)
#include "tst_codepage.moc"
