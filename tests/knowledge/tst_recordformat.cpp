#include "knowledge/recordformat.h"
#include "knowledge/windows1252.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace teskaro;

using RecordList = QList<KnowledgeRecord>;
Q_DECLARE_METATYPE(RecordList)
Q_DECLARE_METATYPE(RecordReader::Result)

class TestRecordFormat : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsRecords_data();
    void readsRecords();
    void writesTheExactLineLayout();
    void writesFieldsUnchanged();
    void whatTheWriterWritesReadsBackUnchanged_data();
    void whatTheWriterWritesReadsBackUnchanged();
    void codePageCoversItsWholeRange();
    void charactersOutsideTheCodePageBecomeQuestionMarks();
    void trimsBlanksOnly();
};

void TestRecordFormat::readsRecords_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<RecordList>("records");
    QTest::addColumn<RecordReader::Result>("ending");

    const auto End = RecordReader::Result::End;
    const auto Incomplete = RecordReader::Result::Incomplete;

    QTest::addRow("as learning writes it")
        << u"\" EL LIBRO \",\" ESTA EN EL TRASTERO \"\r\n\" ESTA EN EL TRASTERO \",\" EL LIBRO \"\r\n"_s
        << RecordList{{u" EL LIBRO "_s, u" ESTA EN EL TRASTERO "_s},
                      {u" ESTA EN EL TRASTERO "_s, u" EL LIBRO "_s}}
        << End;
    QTest::addRow("empty file") << QString() << RecordList{} << End;
    QTest::addRow("blanks and line ends only") << u" \r\n\t\r\n"_s << RecordList{} << End;
    QTest::addRow("last line without line end")
        << u"\" A \",\" B \"\r\n\" C \",\" D \""_s
        << RecordList{{u" A "_s, u" B "_s}, {u" C "_s, u" D "_s}} << End;
    QTest::addRow("comma between quotes")
        << u"\" UNO, DOS \",\" TRES \"\r\n"_s << RecordList{{u" UNO, DOS "_s, u" TRES "_s}} << End;
    QTest::addRow("double quote inside a field cuts it")
        << u"\" EL \"LIBRO\" \",\" ESTA EN EL TRASTERO \"\r\n"_s
        << RecordList{{u" EL "_s, u" ESTA EN EL TRASTERO "_s}} << End;
    QTest::addRow("one field on a line throws later records out of step")
        << u"\"A\"\r\n\"B\",\"C\"\r\n\"D\",\"E\"\r\n"_s
        << RecordList{{u"A"_s, u"B"_s}, {u"C"_s, u"D"_s}} << Incomplete;
    QTest::addRow("last record has one field")
        << u"\"A\",\"B\"\r\n\"C\"\r\n"_s << RecordList{{u"A"_s, u"B"_s}} << Incomplete;
    QTest::addRow("comma before the end of the file") << u"\"A\","_s << RecordList{} << Incomplete;
    QTest::addRow("bare fields keep trailing blanks, lose leading blanks and tabs")
        << u"  \tABC  ,  DEF  \r\n"_s << RecordList{{u"ABC  "_s, u"DEF  "_s}} << End;
    QTest::addRow("empty lines between records are skipped")
        << u"\"A\",\"B\"\r\n\r\n\r\n\"C\",\"D\"\r\n\r\n"_s
        << RecordList{{u"A"_s, u"B"_s}, {u"C"_s, u"D"_s}} << End;
    QTest::addRow("lone CR and lone LF end lines")
        << u"\"A\",\"B\"\r\"C\",\"D\"\n\"E\",\"F\""_s
        << RecordList{{u"A"_s, u"B"_s}, {u"C"_s, u"D"_s}, {u"E"_s, u"F"_s}} << End;
    QTest::addRow("text after a closing quote is dropped up to the comma")
        << u"\"A\" junk \"x\",\"B\"\r\n"_s << RecordList{{u"A"_s, u"B"_s}} << End;
    QTest::addRow("quote left open runs to the end")
        << u"\"A\",\"B C"_s << RecordList{{u"A"_s, u"B C"_s}} << End;
    QTest::addRow("line end inside quotes belongs to the field")
        << u"\"A\r\nB\",\"C\"\r\n"_s << RecordList{{u"A\r\nB"_s, u"C"_s}} << End;
    QTest::addRow("empty bare field between commas")
        << u",\"B\"\r\n"_s << RecordList{{QString(), u"B"_s}} << End;
}

void TestRecordFormat::readsRecords()
{
    QFETCH(QString, text);
    QFETCH(RecordList, records);
    QFETCH(RecordReader::Result, ending);

    const QByteArray bytes = encodeWindows1252(text);
    RecordReader reader(bytes);
    RecordList read;
    KnowledgeRecord record;
    RecordReader::Result result;
    while ((result = reader.next(record)) == RecordReader::Result::Record)
        read += record;
    QCOMPARE(read, records);
    QCOMPARE(result, ending);
}

void TestRecordFormat::writesTheExactLineLayout()
{
    QCOMPARE(formatRecordLine({u" EL LIBRO DE NEUROBIOLOGIA "_s, u" ESTA EN EL TRASTERO "_s}),
             QByteArray("\" EL LIBRO DE NEUROBIOLOGIA \",\" ESTA EN EL TRASTERO \"\r\n"));
    QCOMPARE(formatRecordLine({u" ESPAÑA "_s, u" ES UN PAIS "_s}),
             QByteArray("\" ESPA\xD1"
                        "A \",\" ES UN PAIS \"\r\n"));
    QCOMPARE(paddedField(u"   DOS  PALABRAS  "), u" DOS  PALABRAS "_s);
    QCOMPARE(paddedField(u"  "), u"  "_s);
}

void TestRecordFormat::writesFieldsUnchanged()
{
    // Nothing is escaped: a quote or comma goes out as it came in.
    QCOMPARE(formatRecordLine({u" A\"B "_s, u" C,D "_s}), QByteArray("\" A\"B \",\" C,D \"\r\n"));
}

void TestRecordFormat::whatTheWriterWritesReadsBackUnchanged_data()
{
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QString>("statement");
    QTest::addRow("plain") << u" LOS HOMBRES "_s << u" SON ANIMALES INTELIGENTES A VECES "_s;
    QTest::addRow("two blanks only") << u"  "_s << u" ES MI AMIGO "_s;
    QTest::addRow("commas") << u" A, B, C "_s << u" ES, SIN DUDA, ASI "_s;
    QTest::addRow("code page letters") << u" ÑANDU €ŠŸ "_s << u" ESTA AQUÍ Ó ALLÁ "_s;
    QTest::addRow("tabs and controls") << u" A\tB\x01 "_s << u" \x7f "_s;
}

void TestRecordFormat::whatTheWriterWritesReadsBackUnchanged()
{
    QFETCH(QString, topic);
    QFETCH(QString, statement);
    const QByteArray bytes =
        formatRecordLine({topic, statement}) + formatRecordLine({u"x"_s, u"y"_s});
    RecordReader reader(bytes);
    KnowledgeRecord record;
    QCOMPARE(reader.next(record), RecordReader::Result::Record);
    QCOMPARE(record.topic, topic);
    QCOMPARE(record.statement, statement);
    QCOMPARE(reader.next(record), RecordReader::Result::Record);
    QCOMPARE(record, (KnowledgeRecord{u"x"_s, u"y"_s}));
    QCOMPARE(reader.next(record), RecordReader::Result::End);
}

void TestRecordFormat::codePageCoversItsWholeRange()
{
    QByteArray all;
    for (int byte = 1; byte < 256; ++byte)
        all += char(byte);
    const QString text = decodeWindows1252(all);
    QCOMPARE(text.size(), 255);
    QCOMPARE(text.at(0x80 - 1), QChar(0x20AC));
    QCOMPARE(text.at(0x9F - 1), QChar(0x0178));
    QCOMPARE(text.at(0xD1 - 1), QChar(u'Ñ'));
    for (QChar c : text)
        QVERIFY2(isWindows1252(c), qPrintable(QString::number(c.unicode(), 16)));
    // The five bytes the code page leaves undefined come back as they went.
    QCOMPARE(encodeWindows1252(text), all);
}

void TestRecordFormat::charactersOutsideTheCodePageBecomeQuestionMarks()
{
    QCOMPARE(encodeWindows1252(u"AЖB"), QByteArray("A?B"));
    QCOMPARE(fitToWindows1252(u"A\U0001F600B"), u"A?B"_s);
    QCOMPARE(encodeWindows1252(u"\x1a"), QByteArray("\x1a"));
    QVERIFY(!isWindows1252(QChar(0x0100)));
}

void TestRecordFormat::trimsBlanksOnly()
{
    QCOMPARE(trimBlanks(u"  \tA B\t  ").toString(), u"\tA B\t"_s);
    QCOMPARE(trimBlanks(u"    ").toString(), QString());
}

QTEST_APPLESS_MAIN(TestRecordFormat)
#include "tst_recordformat.moc"
