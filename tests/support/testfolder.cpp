#include "testfolder.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace teskaro::testing {

TestFolder::TestFolder()
    : m_previous(QDir::currentPath())
{
    QVERIFY2(m_dir.isValid(), "no temporary folder");
    QDir::setCurrent(m_dir.path());
}

TestFolder::~TestFolder()
{
    QDir::setCurrent(m_previous);
}

void TestFolder::write(const QString &name, const QByteArray &bytes) const
{
    QFile file(filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray TestFolder::read(const QString &name) const
{
    QFile file(filePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QByteArray numberedRecords(int count)
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += "\" TOPIC " + QByteArray::number(i) + " \",\" STATEMENT " + QByteArray::number(i) +
                 " \"\r\n";
    return bytes;
}

} // namespace teskaro::testing
