#include "tests/support/tracecapture.h"
#include "usb/scramble.h"

#include <QRandomGenerator>
#include <QTest>
#include <QtEndian>

class TestScramble : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void roundTrip_data();
    void roundTrip();
    void shortBuffersUnchanged_data();
    void shortBuffersUnchanged();
    void sixBytesConvertFirstWordOnly();
    void formulaPerWord();
    void keyWrapsAfter32Words();
    void keyPhaseFollowsTheBuffer();
    void traceLines();
};

void TestScramble::roundTrip_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<quint32>("seed");
    for (int length : {4, 5, 7, 8, 127, 128, 129, 132, 1024, 2048, 4097, 81920, 262144})
        QTest::addRow("random %d bytes", length) << length << quint32(length * 7 + 1);
    QTest::newRow("all zero 256") << 256 << quint32(0);
}

void TestScramble::roundTrip()
{
    QFETCH(int, length);
    QFETCH(quint32, seed);
    QByteArray plain(length, '\0');
    if (seed != 0) {
        QRandomGenerator random(seed);
        for (char &c : plain)
            c = char(random.bounded(256));
    }
    QByteArray data = plain;
    QCOMPARE(encodeWords(data.data(), length), 0);
    QVERIFY(data != plain);
    QCOMPARE(decodeWords(data.data(), length), 0);
    QCOMPARE(data, plain);
}

void TestScramble::shortBuffersUnchanged_data()
{
    QTest::addColumn<int>("length");
    for (int length = 0; length <= 3; ++length)
        QTest::addRow("%d bytes", length) << length;
}

void TestScramble::shortBuffersUnchanged()
{
    QFETCH(int, length);
    const QByteArray original("\x11\x22\x33\x44", 4);
    QByteArray data = original;
    encodeWords(data.data(), length);
    QCOMPARE(data, original);
    decodeWords(data.data(), length);
    QCOMPARE(data, original);
}

void TestScramble::sixBytesConvertFirstWordOnly()
{
    QByteArray data("\x01\x02\x03\x04\x05\x06", 6);
    encodeWords(data.data(), 6);
    QVERIFY(data.left(4) != QByteArray("\x01\x02\x03\x04", 4));
    QCOMPARE(data.mid(4), QByteArray("\x05\x06", 2));
}

void TestScramble::formulaPerWord()
{
    // Word 0 of value 0x12345678 (little-endian on the wire).
    const quint32 k = ScrambleKey[0];
    uchar bytes[4];
    qToLittleEndian<quint32>(0x12345678, bytes);
    encodeWords(bytes, 4);
    QCOMPARE(qFromLittleEndian<quint32>(bytes), quint32((0x12345678u ^ k) + k));
}

void TestScramble::keyWrapsAfter32Words()
{
    QByteArray data(132, '\x5a');
    encodeWords(data.data(), 132);
    QCOMPARE(data.mid(128, 4), data.left(4)); // word 32 uses key[0], like word 0
    QVERIFY(data.mid(124, 4) != data.left(4));
}

void TestScramble::keyPhaseFollowsTheBuffer()
{
    QByteArray source(256, '\0');
    for (int i = 0; i < source.size(); ++i)
        source[i] = char(i * 13 + 5);

    QByteArray whole = source;
    encodeWords(whole.data(), 256);

    QByteArray halves128 = source;
    encodeWords(halves128.data(), 128);
    encodeWords(halves128.data() + 128, 128);
    QCOMPARE(halves128, whole);

    QByteArray halves64 = source;
    for (int at = 0; at < 256; at += 64)
        encodeWords(halves64.data() + at, 64);
    QVERIFY(halves64 != whole);
}

void TestScramble::traceLines()
{
    TraceCapture trace;
    QByteArray data(10, '\0');
    const auto at = [&](int offset) {
        return QString::asprintf(
            "0x%08llx",
            static_cast<unsigned long long>(reinterpret_cast<quintptr>(data.constData() + offset)));
    };
    encodeWords(data.data(), 10);
    decodeWords(data.data(), 10);
    encodeWords(data.data(), 3);
    QCOMPARE(trace.lines(), QStringList({QStringLiteral("Encoding started @ ") + at(0),
                                         QStringLiteral("Encoding end @ ") + at(8),
                                         QStringLiteral("Encoding started @ ") + at(0),
                                         QStringLiteral("Encoding end @ ") + at(0)}));
}

QTEST_GUILESS_MAIN(TestScramble)
#include "tst_scramble.moc"
