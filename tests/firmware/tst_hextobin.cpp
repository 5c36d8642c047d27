#include "firmware/hextobin.h"
#include "tests/firmware/hexrecords.h"

#include <QTemporaryDir>
#include <QTest>

using namespace HexRecords;

class TestHexToBin : public QObject
{
    Q_OBJECT

private:
    TestFiles::Scratch m_scratch;

    // Reads `contents` into a window of `length` bytes at `lo` whose buffer
    // starts as 0xEE everywhere; the buffer sits between 16 guard bytes on
    // either side that must never change.
    int read(const QByteArray &contents, quint32 lo, int length, QByteArray &window)
    {
        QByteArray buffer(length + 32, char(0xEE));
        const int result
            = HexToBin(m_scratch.write(contents), buffer.data() + 16, lo, lo + quint32(length) - 1);
        if (buffer.left(16) != QByteArray(16, char(0xEE))
            || buffer.right(16) != QByteArray(16, char(0xEE)))
            qFatal("HexToBin wrote outside its window");
        window = buffer.mid(16, length);
        return result;
    }

    static QByteArray untouched(int length) { return QByteArray(length, char(0xEE)); }

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_scratch.isValid()); }

    void resultCodes_data();
    void resultCodes();
    void badRecordStoresNothing_data();
    void badRecordStoresNothing();
    void windowEdges();
    void extendedAddress();
    void segmentCrossingContinuesIn32Bits();
    void withoutExtendedAddressDataLiesLow();
    void lowerCaseDigits();
    void recordLengths_data();
    void recordLengths();
    void unopenableFile_data();
    void unopenableFile();
    void endRecordStopsReading();
    void overlongLineTail();
    void lineEnds_data();
    void lineEnds();
    void report_data();
    void report();
    void ignoredConflicts_data();
    void ignoredConflicts();
    void watches_data();
    void watches();
};

void TestHexToBin::resultCodes_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<int>("expected");

    const QByteArray ok = data(0, "\x01\x02");
    QTest::newRow("empty file: -10") << QByteArray() << -10;
    QTest::newRow("end record only: 0") << end() << 0;
    QTest::newRow("cut at a line boundary, no end record: -10") << upper(0x0800) + ok << -10;
    QTest::newRow("two records joined on one line: -6")
        << upper(0x0800) + ok.trimmed() + data(2, "\x03") + end() << -6;
    QTest::newRow("text after the checksum: -6") << ok.trimmed() + " x\n" + end() << -6;
    QTest::newRow("blanks after the checksum: 0") << ok.trimmed() + " \t \n" + end() << 0;
    QTest::newRow("end record carrying data: -7")
        << record(0x01, 0, QByteArray(1, char(0x00))) << -7;
    QTest::newRow("type 04 with 3 bytes: -7") << record(0x04, 0, "\x08\x00\x00") + end() << -7;
    QTest::newRow("type 04 with 1 byte: -7") << record(0x04, 0, "\x08") + end() << -7;
    QTest::newRow("type 05 with 2 bytes: -7") << record(0x05, 0, "\x08\x00") + end() << -7;
    QTest::newRow("CRLF line ends: 0") << QByteArray(upper(0x0800).trimmed() + "\r\n" + end()) << 0;
    QTest::newRow("type 05 skipped: 0")
        << upper(0x0800) + record(0x05, 0, QByteArray::fromHex("08004000")) + ok + end() << 0;
    QTest::newRow("line of 10 characters with its line end: -1") << QByteArray(":00000001\n") << -1;
    QTest::newRow("last line of 10 characters, no line end: -1") << QByteArray(":00000001F") << -1;
    QTest::newRow("end record of 11 characters, no line end: 0") << QByteArray(":00000001FF") << 0;
    QTest::newRow("empty line before the end record: -1") << "\n" + end() << -1;
    QTest::newRow("no colon: -2") << QByteArray("000000001FF\n") << -2;
    QTest::newRow("count not hex: -3") << QByteArray(":0G000001FF\n") << -3;
    QTest::newRow("address not hex: -4") << QByteArray(":000X0001FF\n") << -4;
    QTest::newRow("type not hex: -5") << QByteArray(":0000000GFF\n") << -5;
    QTest::newRow("data byte not hex: -6") << QByteArray(":0200000001ZZFD\n") << -6;
    QTest::newRow("line ends before the count is reached: -6")
        << QByteArray(":04000000010203\n") << -6;
    QTest::newRow("one data byte short takes the checksum, then lacks it: -6")
        << QByteArray(":0400000001020305\n") << -6;
    QTest::newRow("checksum missing: -6") << QByteArray(":020000000102\n") << -6;
    QTest::newRow("checksum half missing: -6") << QByteArray(":020000000102F\n") << -6;
    QTest::newRow("checksum not hex: -6") << QByteArray(":020000000102XY\n") << -6;
    QTest::newRow("end record without checksum: -6") << QByteArray(":00000001\r\n") << -6;
    const QByteArray start = record(0x05, 0, QByteArray::fromHex("08004000"));
    QTest::newRow("type 02 read: 0") << record(0x02, 0, QByteArray::fromHex("1000")) + end() << 0;
    QTest::newRow("type 03 skipped: 0")
        << record(0x03, 0, QByteArray::fromHex("00001000")) + ok + end() << 0;
    QTest::newRow("type 02 with an address: -7")
        << record(0x02, 0x0010, QByteArray::fromHex("1000")) + end() << -7;
    QTest::newRow("type 04 with an address: -7")
        << record(0x04, 0x0001, QByteArray::fromHex("0800")) + end() << -7;
    QTest::newRow("type 05 with an address: -7")
        << record(0x05, 0x0001, QByteArray::fromHex("08004000")) + end() << -7;
    QTest::newRow("second type 05: -7") << start + ok + start + end() << -7;
    QTest::newRow("type 03 after type 05: -7")
        << start + record(0x03, 0, QByteArray::fromHex("00001000")) + end() << -7;
    QTest::newRow("overlap with the same values: 0")
        << upper(0x0800) + ok + data(1, "\x02\x03") + end() << 0;
    QTest::newRow("overlap with another value: -11")
        << upper(0x0800) + ok + data(1, "\x09") + end() << -11;
    QTest::newRow("type 06: -7") << record(0x06, 0, QByteArray()) << -7;
    QTest::newRow("type 04 value not hex: -7") << QByteArray(":02000004080GF0\n") << -7;
    QTest::newRow("data checksum off by one: -8") << QByteArray(":0200000001020A\n") << -8;
    QTest::newRow("end record checksum wrong: -8") << QByteArray(":00000001FE\n") << -8;
    QTest::newRow("type 04 checksum wrong: -8") << QByteArray(":020000040800F3\n") << -8;
    QTest::newRow("error after good records: first fault wins")
        << upper(0x0800) + ok + QByteArray(":0200000001020A\n") + QByteArray("junk\n") << -8;
}

void TestHexToBin::resultCodes()
{
    QFETCH(QByteArray, contents);
    QFETCH(int, expected);
    QByteArray window;
    QCOMPARE(read(contents, 0x08000000, 16, window), expected);
}

void TestHexToBin::badRecordStoresNothing_data()
{
    QTest::addColumn<QByteArray>("badRecord");
    QTest::addColumn<int>("expected");
    // All at 0x08000004, behind a good record at 0x08000000.
    QTest::newRow("bad checksum") << QByteArray(":04000400A1A2A3A4FF\n") << -8;
    QTest::newRow("missing checksum") << QByteArray(":04000400A1A2A3A4\n") << -6;
    QTest::newRow("bad last data byte") << QByteArray(":04000400A1A2A3G4FF\n") << -6;
}

void TestHexToBin::badRecordStoresNothing()
{
    QFETCH(QByteArray, badRecord);
    QFETCH(int, expected);
    QByteArray window;
    QCOMPARE(read(upper(0x0800) + data(0, "\x11\x12\x13\x14") + badRecord, 0x08000000, 8, window),
             expected);
    QCOMPARE(window, QByteArray("\x11\x12\x13\x14\xEE\xEE\xEE\xEE"));
}

void TestHexToBin::windowEdges()
{
    // 16 bytes from 0x08003FF8 to 0x08004007 against the window 0x08004000..0x0800400F,
    // then 16 bytes from 0x08004008 to 0x08004017: only 0x08004000..0x0800400F land.
    const QByteArray hex = upper(0x0800) + data(0x3FF8, counting(16, 0x10))
                           + data(0x4008, counting(16, 0x80)) + end();
    QByteArray window;
    QCOMPARE(read(hex, 0x08004000, 16, window), 0);
    QCOMPARE(window, counting(8, 0x18) + counting(8, 0x80));

    // A window larger than the data: the bytes no record covers keep their value.
    QCOMPARE(read(upper(0x0800) + data(0x0004, "\x01\x02") + end(), 0x08000000, 8, window), 0);
    QCOMPARE(window, QByteArray("\xEE\xEE\xEE\xEE\x01\x02\xEE\xEE"));
}

void TestHexToBin::extendedAddress()
{
    const QByteArray hex
        = upper(0x0800) + data(0x0000, "\xAA") + upper(0x0802) + data(0x0000, "\xBB\xCC") + end();
    QByteArray window;
    QCOMPARE(read(hex, 0x08020000, 4, window), 0);
    QCOMPARE(window, QByteArray("\xBB\xCC\xEE\xEE"));
    QCOMPARE(read(hex, 0x08000000, 2, window), 0);
    QCOMPARE(window, QByteArray("\xAA\xEE"));
}

void TestHexToBin::segmentCrossingContinuesIn32Bits()
{
    // 8 bytes at 0x0800FFFC run on to 0x08010003, never back to 0x08000000.
    const QByteArray hex = upper(0x0800) + data(0xFFFC, counting(8, 1)) + end();
    QByteArray window;
    QCOMPARE(read(hex, 0x0800FFF8, 16, window), 0);
    QCOMPARE(window, untouched(4) + counting(8, 1) + untouched(4));
    QCOMPARE(read(hex, 0x08000000, 8, window), 0);
    QCOMPARE(window, untouched(8));
}

void TestHexToBin::withoutExtendedAddressDataLiesLow()
{
    const QByteArray hex = data(0x4000, counting(16)) + end();
    QByteArray window;
    QCOMPARE(read(hex, 0x08004000, 16, window), 0);
    QCOMPARE(window, untouched(16));
    QCOMPARE(read(hex, 0x00004000, 16, window), 0);
    QCOMPARE(window, counting(16));
}

void TestHexToBin::lowerCaseDigits()
{
    const QByteArray hex
        = upper(0x080a).toLower() + data(0xbeef, "\xab\xcd").toLower() + end().toLower();
    QVERIFY(hex.contains(":02beef00abcd"));
    QByteArray window;
    QCOMPARE(read(hex, 0x080abeef, 2, window), 0);
    QCOMPARE(window, QByteArray("\xAB\xCD"));
}

void TestHexToBin::recordLengths_data()
{
    QTest::addColumn<int>("length");
    QTest::newRow("1 byte") << 1;
    QTest::newRow("16 bytes (objcopy)") << 16;
    QTest::newRow("25 bytes (62-character line)") << 25;
    QTest::newRow("26 bytes (63 characters before the line end)") << 26;
    QTest::newRow("27 bytes") << 27;
    QTest::newRow("32 bytes (common toolchains)") << 32;
    QTest::newRow("255 bytes (the format's largest)") << 255;
}

void TestHexToBin::recordLengths()
{
    QFETCH(int, length);
    // Two records back to back, then one more line: each is read whole.
    const QByteArray hex = upper(0x0800) + data(0x0000, counting(length, 3))
                           + data(quint16(length), counting(length, 7)) + data(0x0400, "\x5A")
                           + end();
    QByteArray window;
    QCOMPARE(read(hex, 0x08000000, 2 * length, window), 0);
    QCOMPARE(window, counting(length, 3) + counting(length, 7));
    QCOMPARE(read(hex, 0x08000400, 1, window), 0);
    QCOMPARE(window, QByteArray("\x5A"));
}

void TestHexToBin::unopenableFile_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::newRow("missing file") << m_scratch.path(QStringLiteral("missing.hex"));
    QTest::newRow("a folder") << m_scratch.path();
}

void TestHexToBin::unopenableFile()
{
    QFETCH(QString, fileName);
    QByteArray buffer(4, char(0xEE));
    QCOMPARE(HexToBin(fileName, buffer.data(), 0, 3), -9);
    QCOMPARE(buffer, untouched(4));
}

void TestHexToBin::endRecordStopsReading()
{
    const QByteArray hex = upper(0x0800) + data(0, "\x01") + end() + QByteArray("garbage\n")
                           + data(1, "\x02") + QByteArray(":0200000001020A\n");
    QByteArray window;
    QCOMPARE(read(hex, 0x08000000, 2, window), 0);
    QCOMPARE(window, QByteArray("\x01\xEE"));
}

void TestHexToBin::overlongLineTail()
{
    // However long the text behind a record's checksum, the line is refused
    // whole; its tail is never taken for a line of its own.
    const QByteArray tail = QByteArray(2000, ' ') + data(1, "\x02").trimmed();
    const QByteArray hex = upper(0x0800) + data(0, "\x01").trimmed() + tail + '\n' + end();
    QByteArray window;
    QCOMPARE(read(hex, 0x08000000, 2, window), -6);
    QCOMPARE(window, untouched(2));
}

void TestHexToBin::lineEnds_data()
{
    QTest::addColumn<QByteArray>("lineEnd");
    QTest::newRow("LF") << QByteArray("\n");
    QTest::newRow("CRLF") << QByteArray("\r\n");
    QTest::newRow("CR alone") << QByteArray("\r");
}

void TestHexToBin::lineEnds()
{
    QFETCH(QByteArray, lineEnd);
    QByteArray hex;
    for (const QByteArray &line : {upper(0x0800), data(0, "\x01\x02"), data(2, "\x03"), end()})
        hex += line.trimmed() + lineEnd;
    QByteArray window;
    QCOMPARE(read(hex, 0x08000000, 4, window), 0);
    QCOMPARE(window, QByteArray("\x01\x02\x03\xEE"));
}

void TestHexToBin::report_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<int>("line");
    QTest::addColumn<qint64>("stored");
    QTest::addColumn<quint32>("lowest");
    QTest::addColumn<qint64>("ignored");
    QTest::addColumn<QList<quint32>>("ignoredRange");
    const QByteArray records = upper(0x0800) + data(3, "\x01\x02") + data(1, "\x05");
    const quint32 none = 0xFFFFFFFF;
    QTest::newRow("read whole") << records + end() << 0 << qint64(3) << quint32(0x08000001)
                                << qint64(0) << QList<quint32>{none, 0};
    QTest::newRow("fault on line 4") << records + "junk\n" + end() << 4 << qint64(3)
                                     << quint32(0x08000001) << qint64(0) << QList<quint32>{none, 0};
    QTest::newRow("cut short after 3 lines")
        << records << 4 << qint64(3) << quint32(0x08000001) << qint64(0) << QList<quint32>{none, 0};
    QTest::newRow("nothing in the window")
        << upper(0x0900) + data(0, "\x01") + end() << 0 << qint64(0) << none << qint64(1)
        << QList<quint32>{0x09000000, 0x09000000};
    QTest::newRow("bytes on both sides of the window ignored")
        << upper(0x07FF) + data(0xFFFE, counting(20)) + end() << 0 << qint64(16)
        << quint32(0x08000000) << qint64(4) << QList<quint32>{0x07FFFFFE, 0x08000011};
    QTest::newRow("type 02 base is the value x 16")
        << record(0x02, 0, QByteArray::fromHex("1234")) + data(5, "\x01\x02") + end() << 0
        << qint64(0) << none << qint64(2) << QList<quint32>{0x12345, 0x12346};
    QTest::newRow("past the end of the address space goes on at 0")
        << upper(0xFFFF) + data(0xFFFE, counting(4)) + end() << 0 << qint64(0) << none << qint64(4)
        << QList<quint32>{0, 0xFFFFFFFF};
    QTest::newRow("overlap names the second record's line")
        << records + data(4, "\x07") + end() << 4 << qint64(3) << quint32(0x08000001) << qint64(0)
        << QList<quint32>{none, 0};
}

void TestHexToBin::report()
{
    QFETCH(QByteArray, contents);
    QFETCH(int, line);
    QFETCH(qint64, stored);
    QFETCH(quint32, lowest);
    QFETCH(qint64, ignored);
    QFETCH(QList<quint32>, ignoredRange);
    QByteArray buffer(16, '\0');
    Hex::Report found;
    (void)HexToBin(m_scratch.write(contents), buffer.data(), 0x08000000, 0x0800000F, &found);
    QCOMPARE(found.line, line);
    QCOMPARE(found.stored, stored);
    QCOMPARE(found.lowestStored, lowest);
    QCOMPARE(found.ignored, ignored);
    QCOMPARE((QList<quint32>{found.lowestIgnored, found.highestIgnored}), ignoredRange);
}

void TestHexToBin::ignoredConflicts_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<qint64>("conflicts");
    QTest::addColumn<quint32>("first");
    QTest::addColumn<int>("line");
    const QByteArray below = upper(0x07FF) + data(0xFFF0, "\x01\x02\x03");
    QTest::newRow("the same bytes twice agree")
        << below + data(0xFFF0, "\x01\x02\x03") + end() << qint64(0) << 0u << 0;
    QTest::newRow("one byte of three disagrees")
        << below + data(0xFFF1, "\x02\x07\x08") + end() << qint64(1) << 0x07FFFFF2u << 3;
    QTest::newRow("far apart, in other pages")
        << below + upper(0x0900) + data(0, "\x01") + data(0, "\x02") + data(0, "\x03") + end()
        << qint64(2) << 0x09000000u << 5;
    QTest::newRow("across a page boundary of the kept bytes")
        << upper(0x0900) + data(0x0FFE, "\x01\x02\x03\x04") + data(0x1000, "\x03\x09") + end()
        << qint64(1) << 0x09001001u << 3;
}

// Outside the window nothing is stored, but records that disagree there are
// still told apart from records that repeat themselves.
void TestHexToBin::ignoredConflicts()
{
    QFETCH(QByteArray, contents);
    QFETCH(qint64, conflicts);
    QFETCH(quint32, first);
    QFETCH(int, line);
    QByteArray buffer(16, '\0');
    Hex::Report found;
    QCOMPARE(HexToBin(m_scratch.write(contents), buffer.data(), 0x08000000, 0x0800000F, &found),
             int(Hex::Ok));
    QCOMPARE(found.ignoredConflicts, conflicts);
    QCOMPARE(found.firstIgnoredConflict, first);
    QCOMPARE(found.firstIgnoredConflictLine, line);
}

void TestHexToBin::watches_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QList<int>>("lines");
    // Watched: 0x08000004..0x08000007 and 0x0800000C..0x0800000F.
    QTest::newRow("left out") << upper(0x0800) + data(0, counting(4)) + data(8, counting(4)) + end()
                              << QList<int>{0, 0};
    QTest::newRow("one byte of the first, by the second record")
        << upper(0x0800) + data(0, counting(4)) + data(7, counting(2)) + end() << QList<int>{3, 0};
    QTest::newRow("the first record to store counts, not a repeat")
        << upper(0x0800) + data(0xC, counting(4)) + data(0xC, counting(4)) + end()
        << QList<int>{0, 2};
    QTest::newRow("one record across both")
        << upper(0x0800) + data(2, counting(12)) + end() << QList<int>{2, 2};
    QTest::newRow("outside the window never counts")
        << upper(0x0900) + data(4, counting(4)) + end() << QList<int>{0, 0};
}

// The upgrade builder reads a file once and learns whether its check-word
// slots hold data.
void TestHexToBin::watches()
{
    QFETCH(QByteArray, contents);
    QFETCH(QList<int>, lines);
    QByteArray buffer(16, '\0');
    std::vector<Hex::Watch> watches{{0x08000004, 0x08000007, -1}, {0x0800000C, 0x0800000F, -1}};
    QCOMPARE(HexToBin(m_scratch.write(contents), buffer.data(), 0x08000000, 0x0800000F, nullptr,
                      &watches),
             int(Hex::Ok));
    QCOMPARE((QList<int>{watches[0].firstLine, watches[1].firstLine}), lines);
}

QTEST_GUILESS_MAIN(TestHexToBin)
#include "tst_hextobin.moc"
