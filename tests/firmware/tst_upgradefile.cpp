#include "firmware/upgradefile.h"
#include "tests/firmware/hexrecords.h"
#include "usb/scramble.h"

#include <QBuffer>
#include <QDataStream>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

using namespace HexRecords;

namespace {

quint32 wordAt(const QByteArray &bytes, int offset)
{
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}

QByteArray le32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

// The bytes as 32-byte data records from `address` on, which must be a
// multiple of 32 so that no record crosses a 64 KiB segment.
QByteArray hexOf(quint32 address, const QByteArray &bytes)
{
    QByteArray hex;
    for (int at = 0; at < bytes.size(); at += 32) {
        const quint32 a = address + quint32(at);
        if (at == 0 || (a & 0xFFFF) == 0)
            hex += upper(quint16(a >> 16));
        hex += data(quint16(a & 0xFFFF), bytes.mid(at, 32));
    }
    return hex;
}

QByteArray randomBytes(int length, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray bytes(length, '\0');
    for (char &c : bytes)
        c = char(random.bounded(256));
    return bytes;
}

} // namespace

class TestUpgradeFile : public QObject
{
    Q_OBJECT

private:
    TestFiles::Scratch m_scratch;

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_scratch.isValid()); }

    void emptyHexGivesZeroImage();
    void headerBytes();
    void checkWords_data();
    void checkWords();
    void dataOnACheckWordIsRefused_data();
    void dataOnACheckWordIsRefused();
    void onlyTheTwoAreasReachTheImage();
    void scrambledImageDecodesBack();
    void buildsAreByteIdentical();
    void roundTripThroughBuffer();
    void damagedFiles_data();
    void damagedFiles();
    void unopenableFileReadsAsNullHeader();
    void writeRefusesWrongImageSize();
    void saveFailsWithoutLeavingAFile();
};

void TestUpgradeFile::emptyHexGivesZeroImage()
{
    const Upgrade::ImageBuild build = Upgrade::buildImage(m_scratch.write(end()));
    QCOMPARE(build.appResult, 0);
    QCOMPARE(build.extResult, 0);
    QCOMPARE(build.image, QByteArray(0x40000, '\0'));

    const QString out = m_scratch.path(QStringLiteral("empty.upg"));
    QCOMPARE(Upgrade::saveFile(out, build.image), QString());
    QCOMPARE(QFileInfo(out).size(), Q_INT64_C(262210));
}

void TestUpgradeFile::headerBytes()
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(Upgrade::writeFile(buffer, QByteArray(0x40000, '\0')));
    const QByteArray bytes = buffer.data();
    QCOMPARE(bytes.size(), 262210);

    QByteArray expected;
    expected += QByteArray::fromHex("00000032"); // 0: header length 50 bytes
    for (char c : QByteArray("Lc420 Upgrade File Header"))
        expected += QByteArray(1, '\0') + c;     // 4: UTF-16BE, 25 characters
    expected += QByteArray::fromHex("00000004"); // 54: version length 4 bytes
    expected += QByteArray::fromHex("00300031"); // 58: "01"
    expected += QByteArray::fromHex("00040000"); // 62: image length 262144
    QCOMPARE(expected.size(), 66);
    QCOMPARE(bytes.left(66), expected);
}

void TestUpgradeFile::checkWords_data()
{
    QTest::addColumn<QByteArray>("hex");
    QTest::addColumn<quint32>("app");
    QTest::addColumn<quint32>("ext");

    const auto word = [](quint32 address, quint32 value) {
        return upper(quint16(address >> 16)) + data(quint16(address & 0xFFFF), le32(value));
    };
    QTest::newRow("first application word") << word(0x08004000, 0x11223344) << 0x11223344u << 0u;
    QTest::newRow("last application word before its check word")
        << word(0x0801FFF8, 0xA5A5A5A5) << 0xA5A5A5A5u << 0u;
    QTest::newRow("HEX data holding the computed application check word")
        << word(0x08004000, 5) + word(0x0801FFFC, 5) << 5u << 0u;
    QTest::newRow("first external word") << word(0x08020000, 0x01020304) << 0u << 0x01020304u;
    QTest::newRow("last external word before its check word")
        << word(0x08033FF8, 0xCAFEBABE) << 0u << 0xCAFEBABEu;
    QTest::newRow("HEX data holding the computed external check word")
        << word(0x08033FFC, 0) << 0u << 0u;
    QTest::newRow("bootloader area counts nowhere") << word(0x08003FFC, 0x7777) << 0u << 0u;
    QTest::newRow("above the external block counts nowhere")
        << word(0x08034000, 0x7777) << 0u << 0u;
    QTest::newRow("sum wraps modulo 2^32")
        << word(0x08004000, 0xFFFFFFFF) + word(0x08004004, 0x00000003) << 2u << 0u;
    QTest::newRow("words are little-endian")
        << upper(0x0800) + data(0x4100, QByteArray::fromHex("0100000000000001")) << 0x01000001u
        << 0u;
    QTest::newRow("both areas") << word(0x08010000, 5) + word(0x08030000, 7) << 5u << 7u;
}

void TestUpgradeFile::checkWords()
{
    QFETCH(QByteArray, hex);
    QFETCH(quint32, app);
    QFETCH(quint32, ext);
    const Upgrade::ImageBuild build = Upgrade::buildImage(m_scratch.write(hex + end()));
    QCOMPARE(build.appResult, 0);
    QCOMPARE(build.extResult, 0);
    QCOMPARE(wordAt(build.image, 0x1FFFC), app);
    QCOMPARE(wordAt(build.image, 0x33FFC), ext);

    const Upgrade::ImageCheck check = Upgrade::checkImage(build.image);
    QCOMPARE(check.appStored, app);
    QCOMPARE(check.appComputed, app);
    QCOMPARE(check.extStored, ext);
    QCOMPARE(check.extComputed, ext);
    QVERIFY(check.ok());
}

void TestUpgradeFile::dataOnACheckWordIsRefused_data()
{
    QTest::addColumn<QByteArray>("hex");
    QTest::addColumn<int>("line");
    QTest::addColumn<quint32>("address");
    const QByteArray application = upper(0x0800) + data(0x4000, le32(5));
    QTest::newRow("a word on the application check word")
        << application + upper(0x0801) + data(0xFFFC, le32(0x12345678)) << 4 << 0x0801FFFCu;
    QTest::newRow("the computed word but one byte")
        << application + upper(0x0801) + data(0xFFFC, le32(0x01000005)) << 4 << 0x0801FFFFu;
    QTest::newRow("a record running onto the application check word")
        << application + upper(0x0801) + data(0xFFF8, le32(1) + le32(0)) << 4 << 0x0801FFFCu;
    QTest::newRow("two bytes on the external check word")
        << application + upper(0x0803) + data(0x3FFE, "\x01\x02") << 4 << 0x08033FFEu;
}

// Never overwritten unseen: the build is refused with the line and the address.
void TestUpgradeFile::dataOnACheckWordIsRefused()
{
    QFETCH(QByteArray, hex);
    QFETCH(int, line);
    QFETCH(quint32, address);
    const Upgrade::ImageBuild build = Upgrade::buildImage(m_scratch.write(hex + end()));
    QCOMPARE(build.appResult, int(Hex::CheckWordData));
    QCOMPARE(build.extResult, int(Hex::CheckWordData));
    QVERIFY(!build.readWhole());
    QCOMPARE(build.appReport.line, line);
    QCOMPARE(build.appReport.address, address);
}

void TestUpgradeFile::onlyTheTwoAreasReachTheImage()
{
    // Random data over the whole 256 KiB from 0x08000000, with the check words
    // the areas add up to (any other word there is refused).
    QByteArray all = randomBytes(0x40000, 42);
    Upgrade::storeCheckWords(all);
    const Upgrade::ImageBuild build
        = Upgrade::buildImage(m_scratch.write(hexOf(0x08000000, all) + end()));
    QCOMPARE(build.appResult, 0);
    QCOMPARE(build.extResult, 0);
    QCOMPARE(build.image.size(), 0x40000);
    QCOMPARE(build.image.left(0x4000), QByteArray(0x4000, '\0'));
    QCOMPARE(build.image.mid(0x4000, 0x1BFFC), all.mid(0x4000, 0x1BFFC));
    QCOMPARE(build.image.mid(0x20000, 0x13FFC), all.mid(0x20000, 0x13FFC));
    QCOMPARE(build.image.mid(0x34000), QByteArray(0xC000, '\0'));

    quint32 app = 0;
    for (int at = 0x4000; at < 0x1FFFC; at += 4)
        app += wordAt(all, at);
    quint32 ext = 0;
    for (int at = 0x20000; at < 0x33FFC; at += 4)
        ext += wordAt(all, at);
    QCOMPARE(wordAt(build.image, 0x1FFFC), app);
    QCOMPARE(wordAt(build.image, 0x33FFC), ext);
}

void TestUpgradeFile::scrambledImageDecodesBack()
{
    const QByteArray plain
        = Upgrade::buildImage(m_scratch.write(hexOf(0x08004000, randomBytes(0x30000, 7)) + end()))
              .image;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(Upgrade::writeFile(buffer, plain));
    const QByteArray stored = buffer.data().mid(66);
    QCOMPARE(stored.size(), 0x40000);
    QVERIFY(stored.mid(0x4000, 1024) != plain.mid(0x4000, 1024));

    QByteArray decoded = stored;
    decodeWords(decoded.data(), qint32(decoded.size()));
    QCOMPARE(decoded, plain);

    // The upgrade unscrambles each area on its own, from key index 0.
    QByteArray app = stored.mid(0x4000, 114688);
    decodeWords(app.data(), qint32(app.size()));
    QCOMPARE(app, plain.mid(0x4000, 114688));
    QByteArray ext = stored.mid(0x20000, 81920);
    decodeWords(ext.data(), qint32(ext.size()));
    QCOMPARE(ext, plain.mid(0x20000, 81920));
}

void TestUpgradeFile::buildsAreByteIdentical()
{
    const QString hex = m_scratch.write(hexOf(0x08004000, randomBytes(0x30000, 99)) + end());
    const QString first = m_scratch.path(QStringLiteral("a.upg"));
    const QString second = m_scratch.path(QStringLiteral("b.upg"));
    QCOMPARE(Upgrade::saveFile(first, Upgrade::buildImage(hex).image), QString());
    QCOMPARE(Upgrade::saveFile(second, Upgrade::buildImage(hex).image), QString());
    const QByteArray a = readFile(first);
    QCOMPARE(a.size(), 262210);
    QCOMPARE(readFile(second), a);
}

void TestUpgradeFile::roundTripThroughBuffer()
{
    const QByteArray plain
        = Upgrade::buildImage(m_scratch.write(hexOf(0x08004000, randomBytes(0x30000, 5)) + end()))
              .image;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(Upgrade::writeFile(buffer, plain));
    buffer.close();
    buffer.open(QIODevice::ReadOnly);

    const Upgrade::FileContents contents = Upgrade::readFile(buffer);
    QVERIFY(contents.complete);
    QCOMPARE(contents.header, QStringLiteral("Lc420 Upgrade File Header"));
    QCOMPARE(contents.version, QStringLiteral("01"));
    QVERIFY(contents.headerMatches());
    QVERIFY(contents.versionMatches());
    QCOMPARE(contents.image.size(), 0x40000);
    QCOMPARE(Upgrade::unscrambleImage(contents.image), plain);
    QVERIFY(Upgrade::checkImage(plain).ok());
}

void TestUpgradeFile::damagedFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("headerMatches");
    QTest::addColumn<bool>("versionMatches");
    QTest::addColumn<bool>("complete");
    QTest::addColumn<int>("imageSize");
    QTest::addColumn<bool>("appMatches");
    QTest::addColumn<bool>("extMatches");

    QByteArray plain(0x40000, '\0');
    for (int i = 0; i < plain.size(); i += 3)
        plain[i] = char(i * 7);
    Upgrade::storeCheckWords(plain);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!Upgrade::writeFile(buffer, plain))
        qFatal("writeFile failed");
    const QByteArray good = buffer.data();

    const auto custom = [](const QString &header, const QString &version, const QByteArray &image) {
        QByteArray bytes;
        QDataStream stream(&bytes, QIODevice::WriteOnly);
        stream.setVersion(QDataStream::Qt_4_8);
        stream << header << version << image;
        return bytes;
    };
    const QByteArray storedImage = good.mid(66);
    const auto flipped = [&](int offset) {
        QByteArray bytes = good;
        bytes[66 + offset] = char(bytes.at(66 + offset) ^ 0x10);
        return bytes;
    };

    QTest::newRow("intact") << good << true << true << true << 0x40000 << true << true;
    QTest::newRow("empty file") << QByteArray() << false << false << false << 0 << false << false;
    QTest::newRow("cut inside the header")
        << good.left(30) << false << false << false << 0 << false << false;
    QTest::newRow("cut inside the image")
        << good.left(1000) << true << true << false << 0 << false << false;
    QTest::newRow("wrong header") << custom(QStringLiteral("Lc420 Scenes File"),
                                            QStringLiteral("01"), storedImage)
                                  << false << true << true << 0x40000 << true << true;
    QTest::newRow("version 02") << custom(QStringLiteral("Lc420 Upgrade File Header"),
                                          QStringLiteral("02"), storedImage)
                                << true << false << true << 0x40000 << true << true;
    QTest::newRow("image array one byte short")
        << custom(QStringLiteral("Lc420 Upgrade File Header"), QStringLiteral("01"),
                  storedImage.left(0x3FFFF))
        << true << true << false << 0 << false << false;
    QTest::newRow("longer image array")
        << custom(QStringLiteral("Lc420 Upgrade File Header"), QStringLiteral("01"),
                  storedImage + QByteArray(16, 'x'))
        << true << true << false << 0 << false << false;
    const auto patched = [&](int offset, const QByteArray &bytes) {
        return QByteArray(good).replace(offset, bytes.size(), bytes);
    };
    QTest::newRow("image length field says 300 MiB")
        << patched(62, QByteArray::fromHex("12C00000")) << true << true << false << 0 << false
        << false;
    QTest::newRow("header length field says 4 GiB - 2")
        << patched(0, QByteArray::fromHex("FFFFFFFE")) << false << false << false << 0 << false
        << false;
    QTest::newRow("bytes after the image")
        << good + "x" << true << true << false << 0 << false << false;
    QTest::newRow("application byte damaged")
        << flipped(0x8000) << true << true << true << 0x40000 << false << true;
    QTest::newRow("application check word damaged")
        << flipped(0x1FFFD) << true << true << true << 0x40000 << false << true;
    QTest::newRow("external byte damaged")
        << flipped(0x30001) << true << true << true << 0x40000 << true << false;
    QTest::newRow("bootloader area damaged: not covered by a check word")
        << flipped(0x100) << true << true << true << 0x40000 << true << true;
}

void TestUpgradeFile::damagedFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, headerMatches);
    QFETCH(bool, versionMatches);
    QFETCH(bool, complete);
    QFETCH(int, imageSize);
    QFETCH(bool, appMatches);
    QFETCH(bool, extMatches);

    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const Upgrade::FileContents contents = Upgrade::readFile(buffer);
    QCOMPARE(contents.headerMatches(), headerMatches);
    QCOMPARE(contents.versionMatches(), versionMatches);
    QCOMPARE(contents.complete, complete);

    const QByteArray plain = Upgrade::unscrambleImage(contents.image);
    QCOMPARE(int(plain.size()), imageSize);
    const Upgrade::ImageCheck check = Upgrade::checkImage(plain);
    QCOMPARE(check.appMatches(), appMatches);
    QCOMPARE(check.extMatches(), extMatches);
    QCOMPARE(check.ok(), appMatches && extMatches);
}

void TestUpgradeFile::unopenableFileReadsAsNullHeader()
{
    const Upgrade::FileContents contents
        = Upgrade::readFile(m_scratch.path(QStringLiteral("missing.upg")));
    QVERIFY(contents.header.isNull());
    QVERIFY(!contents.headerMatches());
    QVERIFY(!contents.complete);
}

void TestUpgradeFile::writeRefusesWrongImageSize()
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(!Upgrade::writeFile(buffer, QByteArray(0x3FFFC, '\0')));
    QVERIFY(!Upgrade::saveFile(m_scratch.path(QStringLiteral("short.upg")), QByteArray(16, '\0'))
                 .isEmpty());
    QVERIFY(!QFile::exists(m_scratch.path(QStringLiteral("short.upg"))));
}

void TestUpgradeFile::saveFailsWithoutLeavingAFile()
{
    const QString inMissingFolder = m_scratch.path(QStringLiteral("no/such/folder/x.upg"));
    QVERIFY(!Upgrade::saveFile(inMissingFolder, QByteArray(0x40000, '\0')).isEmpty());
    QVERIFY(!QFile::exists(inMissingFolder));

    // A folder in the way of the name: the folder stays a folder.
    const QString folder = m_scratch.path(QStringLiteral("taken.upg"));
    QVERIFY(QDir().mkdir(folder));
    QVERIFY(!Upgrade::saveFile(folder, QByteArray(0x40000, '\0')).isEmpty());
    QVERIFY(QFileInfo(folder).isDir());
}

QTEST_GUILESS_MAIN(TestUpgradeFile)
#include "tst_upgradefile.moc"
