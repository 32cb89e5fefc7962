// SPDX-FileCopyrightText: 2026 Teskaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "personalfolder.h"
#include "support/testfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace teskaro;
using teskaro::testing::TestFolder;

// ~/Teskaro gets the installed sample once; what the user keeps there stays.
class TestPersonalFolder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void copiesTheSampleOnlyWhereTheUserHasNothing_data();
    void copiesTheSampleOnlyWhereTheUserHasNothing();
};

void TestPersonalFolder::copiesTheSampleOnlyWhereTheUserHasNothing_data()
{
    QTest::addColumn<QByteArray>("file"); // the user's default.alm; null: none
    QTest::addColumn<QString>("link");    // or a link to this
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("nothing") << QByteArray() << QString() << QByteArray("sample");
    QTest::newRow("a file") << QByteArray("mine") << QString() << QByteArray("mine");
    QTest::newRow("an empty file") << QByteArray("") << QString() << QByteArray();
    QTest::newRow("a link") << QByteArray() << u"mine.alm"_s << QByteArray("mine");
    QTest::newRow("a link that leads nowhere") << QByteArray() << u"gone"_s << QByteArray();
}

void TestPersonalFolder::copiesTheSampleOnlyWhereTheUserHasNothing()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, link);
    QFETCH(QByteArray, after);
    TestFolder start;
    start.write(u"sample.alm"_s, "sample", QFile::ReadOwner); // as installed
    start.write(u"mine.alm"_s, "mine");
    QVERIFY(QDir().mkdir(u"Teskaro"_s));
    const QString knowledge = start.filePath(u"Teskaro/default.alm"_s);
    if (!link.isEmpty())
        QVERIFY(QFile::link(start.filePath(link), knowledge));
    if (!file.isNull())
        start.write(u"Teskaro/default.alm"_s, file);
    QVERIFY(preparePersonalFolder(start.filePath(u"Teskaro"_s), start.filePath(u"sample.alm"_s)));
    QCOMPARE(start.read(u"Teskaro/default.alm"_s), after);
    QCOMPARE(QFileInfo(knowledge).isSymLink(), !link.isEmpty());
    // The copy must take what is learned: checked on its mode, as root may write anyway.
    QVERIFY(after != "sample" || QFile::permissions(knowledge) & QFile::WriteOwner);
}

QTEST_GUILESS_MAIN(TestPersonalFolder)
#include "tst_personalfolder.moc"
