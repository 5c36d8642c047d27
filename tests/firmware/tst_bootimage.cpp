#include "firmware/bootimage.h"
#include "tests/firmware/hexrecords.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace HexRecords;

class TestBootImage : public QObject
{
    Q_OBJECT

private:
    TestFiles::Scratch m_scratch;

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_scratch.isValid()); }
    void datePrefix_data();
    void datePrefix();
    void runStopsAtHexError();
    void runStopsAtWriteError();
    void runReplacesExistingFile();
    void invalidRuns_data();
    void invalidRuns();
};

void TestBootImage::datePrefix_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<bool>("valid");
    QTest::newRow("310231: day 31 for every month") << "310231" << true;
    QTest::newRow("000101: lowest") << "000101" << true;
    QTest::newRow("991231: highest") << "991231" << true;
    QTest::newRow("month 00") << "210005" << false;
    QTest::newRow("month 13") << "211305" << false;
    QTest::newRow("day 00") << "210300" << false;
    QTest::newRow("day 32") << "210332" << false;
    QTest::newRow("five digits") << "21030" << false;
    QTest::newRow("seven digits") << "2103051" << false;
    QTest::newRow("not digits") << "2a0305" << false;
    QTest::newRow("signs") << "+1+3+5" << false;
    QTest::newRow("empty") << "" << false;
}

void TestBootImage::datePrefix()
{
    QFETCH(QString, date);
    QFETCH(bool, valid);
    QCOMPARE(Boot::isValidDatePrefix(date), valid);
}

void TestBootImage::runStopsAtHexError()
{
    const QString hex = m_scratch.write(upper(0x0800) + data(0x0000, "\x01") + ":0200000001020A\n");
    const QString folder = m_scratch.freshFolder();
    const QList<Boot::Outcome> outcomes
        = Boot::writeImages(hex, QStringLiteral("210305"), 1, 4, folder);
    QCOMPARE(outcomes.size(), 1);
    QCOMPARE(outcomes[0].serial, QStringLiteral("210305001"));
    QCOMPARE(outcomes[0].hexResult, -8);
    QVERIFY(!outcomes[0].written());
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList());

    const QList<Boot::Outcome> missing
        = Boot::writeImages(m_scratch.path("missing.hex"), QStringLiteral("210305"), 1, 1, folder);
    QCOMPARE(missing.size(), 1);
    QCOMPARE(missing[0].hexResult, -9);
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList());
}

void TestBootImage::runStopsAtWriteError()
{
    const QString folder = m_scratch.path(QStringLiteral("no/such/folder"));
    const QList<Boot::Outcome> outcomes
        = Boot::writeImages(m_scratch.write(end()), QStringLiteral("210305"), 1, 3, folder);
    QCOMPARE(outcomes.size(), 1);
    QCOMPARE(outcomes[0].hexResult, 0);
    QVERIFY(!outcomes[0].writeError.isEmpty());
    QVERIFY(!outcomes[0].written());
    QVERIFY(!QFile::exists(outcomes[0].absolutePath));
}

void TestBootImage::runReplacesExistingFile()
{
    const QString folder = m_scratch.freshFolder();
    const QString name = QDir(folder).filePath(QStringLiteral("Lc420Bootloader_210305999.bin"));
    QVERIFY(writeFile(name, QByteArray(50000, 'x')));
    const QList<Boot::Outcome> outcomes
        = Boot::writeImages(m_scratch.write(end()), QStringLiteral("210305"), 999, 1, folder);
    QCOMPARE(outcomes.size(), 1);
    QVERIFY(outcomes[0].written());
    QCOMPARE(readFile(name).size(), 16384);
}

void TestBootImage::invalidRuns_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("count");
    QTest::newRow("number 1000") << "210305" << 1000 << 1;
    QTest::newRow("negative number") << "210305" << -1 << 1;
    QTest::newRow("count 0") << "210305" << 1 << 0;
    QTest::newRow("999 and a second image would be 1000") << "210305" << 999 << 2;
    QTest::newRow("last number 1000") << "210305" << 990 << 11;
    QTest::newRow("bad date") << "211305" << 1 << 1;
}

void TestBootImage::invalidRuns()
{
    QFETCH(QString, date);
    QFETCH(int, number);
    QFETCH(int, count);
    const QString folder = m_scratch.freshFolder();
    QCOMPARE(Boot::writeImages(m_scratch.write(end()), date, number, count, folder).size(), 0);
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList());
}

QTEST_GUILESS_MAIN(TestBootImage)
#include "tst_bootimage.moc"
