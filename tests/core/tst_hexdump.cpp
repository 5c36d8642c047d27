#include "core/hexdump.h"

#include <QTest>

class TestHexDump : public QObject
{
    Q_OBJECT

private:
    static QByteArray header(const void *data)
    {
        return QString::asprintf("\n src address: 0x%08llx",
                                 static_cast<unsigned long long>(reinterpret_cast<quintptr>(data)))
            .toLatin1();
    }

private Q_SLOTS:
    void layout_data();
    void layout();
    void characterColumn_data();
    void characterColumn();
    void offsetsGrowPastFourDigits();
    void driverAddress_data();
    void driverAddress();
};

void TestHexDump::layout_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QByteArray>("rows");

    QTest::newRow("empty: header only") << QByteArray() << QByteArray();

    QByteArray twenty;
    for (int i = 0; i < 20; ++i)
        twenty += char('A' + i);
    QTest::newRow("20 bytes: full row and a padded row of 4")
        << twenty
        << QByteArray("\n0x0000: 41 42 43 44 45 46 47 48 49 4a 4b 4c 4d 4e 4f 50 < "
                      "ABCDEFGHIJKLMNOP >"
                      "\n0x0010: 51 52 53 54")
               + QByteArray(36, ' ') + " < QRST" + QByteArray(12, ' ') + " >";

    QByteArray thirtyTwo(32, '\0');
    for (int i = 0; i < 32; ++i)
        thirtyTwo[i] = char(0x30 + i);
    QTest::newRow("32 bytes: two full rows, no padded row")
        << thirtyTwo
        << QByteArray("\n0x0000: 30 31 32 33 34 35 36 37 38 39 3a 3b 3c 3d 3e 3f < "
                      "0123456789:;<=>? >"
                      "\n0x0010: 40 41 42 43 44 45 46 47 48 49 4a 4b 4c 4d 4e 4f < "
                      "@ABCDEFGHIJKLMNO >");

    QTest::newRow("one byte") << QByteArray("\xff", 1)
                              << QByteArray("\n0x0000: ff") + QByteArray(45, ' ') + " < ."
                                     + QByteArray(15, ' ') + " >";
}

void TestHexDump::layout()
{
    QFETCH(QByteArray, data);
    QFETCH(QByteArray, rows);
    QCOMPARE(hexDump(data.constData(), int(data.size())), header(data.constData()) + rows);
}

void TestHexDump::characterColumn_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<char>("shown");
    QTest::newRow("0x00 control") << 0x00 << '.';
    QTest::newRow("0x1f last control") << 0x1F << '.';
    QTest::newRow("0x20 space") << 0x20 << ' ';
    QTest::newRow("0x7e tilde") << 0x7E << '~';
    QTest::newRow("0x7f shown as itself") << 0x7F << '\x7f';
    QTest::newRow("0x80 high") << 0x80 << '.';
    QTest::newRow("0xff high") << 0xFF << '.';
}

void TestHexDump::characterColumn()
{
    QFETCH(int, byte);
    QFETCH(char, shown);
    const QByteArray row(16, char(byte));
    const QByteArray dump = hexDump(row.constData(), 16);
    const QByteArray expectedChars = " < " + QByteArray(16, shown) + " >";
    QVERIFY2(dump.endsWith(expectedChars), dump.constData());
}

void TestHexDump::offsetsGrowPastFourDigits()
{
    const QByteArray data(0x10010, '\x41');
    const QByteArray dump = hexDump(data.constData(), int(data.size()));
    const QList<QByteArray> lines = dump.split('\n');
    QCOMPARE(lines.size(), 1 + 1 + 0x1001); // leading empty piece, header, rows
    QVERIFY(lines.at(lines.size() - 2).startsWith("0xfff0: "));
    QVERIFY(lines.last().startsWith("0x10000: 41 41"));
}

// A dump of the driver's memory names the driver's address and counts from
// it, eight digits once the address needs them.
void TestHexDump::driverAddress_data()
{
    QTest::addColumn<quint32>("address");
    QTest::addColumn<QByteArray>("expected");
    const QByteArray tail
        = QByteArray(" 41 42") + QByteArray(42, ' ') + " < AB" + QByteArray(14, ' ') + " >";
    QTest::newRow("flash") << 0x08003FF0u << "\n src address: 0x08003ff0\n0x8003ff0:" + tail;
    QTest::newRow("external flash start") << 0u << "\n src address: 0x00000000\n0x0000:" + tail;
}

void TestHexDump::driverAddress()
{
    QFETCH(quint32, address);
    QFETCH(QByteArray, expected);
    QCOMPARE(hexDumpAt("AB", 2, address), expected);
}

QTEST_GUILESS_MAIN(TestHexDump)
#include "tst_hexdump.moc"
