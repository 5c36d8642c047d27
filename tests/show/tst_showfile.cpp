#include "show/showfile.h"

#include <QBuffer>
#include <QDataStream>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace Show;
using Error = FileContents::Error;

namespace {

QByteArray be32(quint32 value)
{
    return QByteArray(1, char(value >> 24)) + char(value >> 16) + char(value >> 8) + char(value);
}

QByteArray utf16be(const char *text)
{
    QByteArray bytes;
    for (const char *c = text; *c; ++c)
        bytes += QByteArray(1, '\0') + *c;
    return bytes;
}

// A table whose every byte differs from its neighbours, reserved bytes included.
QByteArray patternTable(Kind kind)
{
    QByteArray table(tableSize(kind), '\0');
    for (int i = 0; i < table.size(); ++i)
        table[i] = char(i * 7 + 3);
    return table;
}

QByteArray fileBytes(Kind kind, const QByteArray &table)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!writeFile(buffer, kind, table))
        qFatal("writeFile failed");
    return buffer.data();
}

} // namespace

class TestShowFile : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private Q_SLOTS:
    void exactLayout_data();
    void exactLayout();
    void roundTripKeepsEveryByte_data();
    void roundTripKeepsEveryByte();
    void hostileFiles_data();
    void hostileFiles();
    void failedSaveKeepsThePreviousFile();
    void errorsNameTheFile_data();
    void errorsNameTheFile();
    void kindFromHeader_data();
    void kindFromHeader();
};

void TestShowFile::exactLayout_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QByteArray>("prefix");
    QTest::addColumn<int>("size");
    // Right after start the tables are zero: prefix, then nothing but zero bytes.
    QTest::newRow("scenes file, 450 bytes")
        << Kind::Scenes
        << be32(34) + utf16be("Lc420 Scenes File") + be32(20) + utf16be("Version 01") + be32(384)
        << 450;
    QTest::newRow("programs file, 7750 bytes")
        << Kind::Programs
        << be32(38) + utf16be("Lc420 Programs File") + be32(20) + utf16be("Version 01") + be32(7680)
        << 7750;
}

void TestShowFile::exactLayout()
{
    QFETCH(Kind, kind);
    QFETCH(QByteArray, prefix);
    QFETCH(int, size);

    const QByteArray bytes = fileBytes(kind, QByteArray(tableSize(kind), '\0'));
    QCOMPARE(bytes.size(), size);
    QCOMPARE(fileSize(kind), qint64(size));
    QCOMPARE(bytes.left(prefix.size()).toHex(' '), prefix.toHex(' '));
    QCOMPARE(bytes.mid(prefix.size()), QByteArray(tableSize(kind), '\0'));

    // The block is the table's memory image: record fields stay little-endian.
    QByteArray table(tableSize(kind), '\0');
    SceneRecord record;
    record.riseTime = 5;
    record.reserved = {0xA1, 0xA2, 0xA3};
    setRecordAt(table, 0, record);
    const QByteArray withRecord = fileBytes(kind, table);
    QCOMPARE(withRecord.mid(prefix.size() + 36, 4), QByteArray("\x05\x00\x00\x00", 4));
    QCOMPARE(withRecord.mid(prefix.size() + 45, 3), QByteArray("\xA1\xA2\xA3"));
}

void TestShowFile::roundTripKeepsEveryByte_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::newRow("programs") << Kind::Programs;
    QTest::newRow("scenes") << Kind::Scenes;
}

void TestShowFile::roundTripKeepsEveryByte()
{
    QFETCH(Kind, kind);
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("show"));
    SafeFile::Stamp written;
    QCOMPARE(saveFile(name, kind, patternTable(kind), &written), QString());
    const FileContents contents = readFile(name, kind);
    QCOMPARE(contents.error, Error::None);
    QCOMPARE(contents.fileSize, fileSize(kind));
    QCOMPARE(contents.table, patternTable(kind));
    // Reading finds the file as writing left it, by the same hash: the
    // hash a sender logs for that table.
    QCOMPARE(contents.stamp.size, written.size);
    QCOMPARE(contents.stamp.sha256, written.sha256);
    QCOMPARE(contents.stamp.sha256.toHex(), fileSha256(kind, contents.table));
    QCOMPARE(SafeFile::changeSince(name, contents.stamp), SafeFile::Change::None);
}

void TestShowFile::hostileFiles_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Error>("error");
    QTest::addColumn<QString>("path"); // read from this file instead of the bytes

    const QByteArray scenes = fileBytes(Kind::Scenes, patternTable(Kind::Scenes));
    const QByteArray programs = fileBytes(Kind::Programs, patternTable(Kind::Programs));
    const QByteArray sceneHead = scenes.left(62); // header and version
    QByteArray otherVersion = scenes;
    otherVersion[61] = '2'; // "Version 02"
    QByteArray lowerCase = scenes;
    lowerCase[5] = 'l'; // "lc420 Scenes File"

    QTest::newRow("empty file") << Kind::Scenes << QByteArray() << Error::WrongHeader << QString();
    QTest::newRow("programs file loaded as scenes")
        << Kind::Scenes << programs << Error::WrongHeader << QString();
    QTest::newRow("scenes file loaded as programs")
        << Kind::Programs << scenes << Error::WrongHeader << QString();
    QTest::newRow("header differs in case")
        << Kind::Scenes << lowerCase << Error::WrongHeader << QString();
    QTest::newRow("text file") << Kind::Scenes << QByteArray("Lc420 Scenes File\nVersion 01\n")
                               << Error::WrongHeader << QString();
    QTest::newRow("header length lies")
        << Kind::Scenes << be32(0x7FFFFFF0) + scenes.mid(4) << Error::WrongHeader << QString();
    QTest::newRow("header length odd")
        << Kind::Scenes << be32(33) + scenes.mid(4) << Error::WrongHeader << QString();
    QTest::newRow("cut inside the header")
        << Kind::Scenes << scenes.left(20) << Error::WrongHeader << QString();
    QTest::newRow("wrong version")
        << Kind::Scenes << otherVersion << Error::WrongVersion << QString();
    QTest::newRow("cut inside the version")
        << Kind::Scenes << scenes.left(50) << Error::WrongVersion << QString();
    QTest::newRow("no block") << Kind::Scenes << sceneHead << Error::WrongLength << QString();
    QTest::newRow("block cut short")
        << Kind::Scenes << scenes.left(449) << Error::WrongLength << QString();
    QTest::newRow("block length lies")
        << Kind::Scenes << sceneHead + be32(0xFFFFFF00) + scenes.mid(66) << Error::WrongLength
        << QString();
    QTest::newRow("block shorter than the table")
        << Kind::Scenes << sceneHead + be32(383) + scenes.mid(66, 383) << Error::WrongLength
        << QString();
    QTest::newRow("null block") << Kind::Scenes << sceneHead + be32(0xFFFFFFFF)
                                << Error::WrongLength << QString();
    QTest::newRow("bytes after the block load")
        << Kind::Scenes << scenes + "trailing" << Error::None << QString();
    QTest::newRow("longer block loads its first 384 bytes")
        << Kind::Scenes << sceneHead + be32(400) + scenes.mid(66) + QByteArray(16, 'x')
        << Error::None << QString();
    QTest::newRow("header length lies over 64 KiB: nothing read past it")
        << Kind::Programs << be32(0x7FFFFFF0) + QByteArray(65536, 'x') << Error::WrongHeader
        << QString();

    // Named files: a FIFO would block the open, a sparse 2 GB file that
    // claims a 2 GB header would cost gigabytes of memory.
    QVERIFY(m_dir.isValid());
    const QString fifo = m_dir.filePath(QStringLiteral("fifo.pgm"));
    QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QTest::newRow("FIFO refused unopened")
        << Kind::Programs << QByteArray() << Error::Unreadable << fifo;
    QFile sparse(m_dir.filePath(QStringLiteral("sparse.pgm")));
    QVERIFY(sparse.open(QIODevice::WriteOnly) && sparse.write(be32(0x7FFFFFF0)) == 4
            && sparse.resize(qint64(2) << 30));
    QTest::newRow("2 GB sparse file with a lying header length")
        << Kind::Programs << QByteArray() << Error::WrongHeader << sparse.fileName();

    // A block that claims 4 GiB: its table is read and the rest skipped
    // unread when the file holds it all, refused when it does not; either
    // way as fast as a file of the table's size. A sender reads it so too.
    const QByteArray claims4GiB = programs.left(66) + be32(0xFFFFFFFE) + programs.mid(70);
    QFile holds(m_dir.filePath(QStringLiteral("holds-4GiB.pgm")));
    QVERIFY(holds.open(QIODevice::WriteOnly) && holds.write(claims4GiB) == claims4GiB.size()
            && holds.resize(70 + qint64(0xFFFFFFFE)));
    QTest::newRow("sparse file whose block claims 4 GiB and holds it")
        << Kind::Programs << QByteArray() << Error::None << holds.fileName();
    QFile lies(m_dir.filePath(QStringLiteral("claims-4GiB.pgm")));
    QVERIFY(lies.open(QIODevice::WriteOnly) && lies.write(claims4GiB) == claims4GiB.size());
    QTest::newRow("block claims 4 GiB in a file of 7750 bytes")
        << Kind::Programs << QByteArray() << Error::WrongLength << lies.fileName();
}

void TestShowFile::hostileFiles()
{
    QFETCH(Kind, kind);
    QFETCH(QByteArray, bytes);
    QFETCH(Error, error);
    QFETCH(QString, path);

    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    const FileContents contents = path.isEmpty() ? readFile(buffer, kind) : readFile(path, kind);
    QCOMPARE(contents.error, error);
    if (error == Error::WrongHeader || error == Error::WrongVersion)
        QVERIFY2(buffer.pos() <= 2 * (4 + 1024), qPrintable(QString::number(buffer.pos())));
    if (error == Error::Unreadable)
        QCOMPARE(contents.why, path + QStringLiteral(" is not a regular file"));
    // Never partial data: the table is whole or empty.
    QCOMPARE(contents.table, error == Error::None ? patternTable(kind) : QByteArray());
}

void TestShowFile::failedSaveKeepsThePreviousFile()
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("kept.scn"));
    QCOMPARE(saveFile(name, Kind::Scenes, patternTable(Kind::Scenes)), QString());
    // A table of the wrong size is refused without touching the file.
    QVERIFY(!saveFile(name, Kind::Scenes, QByteArray(10, '\0')).isEmpty());
    QCOMPARE(readFile(name, Kind::Scenes).table, patternTable(Kind::Scenes));
    // A folder is no file to write to.
    QVERIFY(!saveFile(dir.path(), Kind::Scenes, patternTable(Kind::Scenes)).isEmpty());
    QCOMPARE(readFile(dir.path(), Kind::Scenes).error, Error::Unreadable);
}

// What a refused file is, in the words both front ends show below the box's
// own text, and which kind of file it is when it is the other one.
void TestShowFile::errorsNameTheFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("says");
    QTest::addColumn<int>("other"); // the kind the header names, -1 for none

    const int programs = int(Kind::Programs);
    const int scenes = int(Kind::Scenes);
    const QByteArray programsFile = fileBytes(Kind::Programs, patternTable(Kind::Programs));
    const QByteArray scenesFile = fileBytes(Kind::Scenes, patternTable(Kind::Scenes));
    QByteArray version = scenesFile;
    version[61] = '2';
    QTest::newRow("a scenes file as programs")
        << scenesFile << programs << "show.x is a scenes file, not a programs file." << scenes;
    QTest::newRow("a programs file as scenes")
        << programsFile << scenes << "show.x is a programs file, not a scenes file." << programs;
    QTest::newRow("cut short") << programsFile.left(7700) << programs
                               << "show.x is cut short: 7700 of 7750 bytes." << -1;
    QTest::newRow("block shorter than the table")
        << scenesFile.left(62) + be32(383) + scenesFile.mid(66, 383) << scenes
        << "show.x holds 383 bytes of table where 384 are needed." << -1;
    QTest::newRow("empty") << QByteArray() << scenes << "show.x is empty." << -1;
    QTest::newRow("something else")
        << QByteArray("GIF89a") << scenes << "show.x is not a scenes file." << -1;
    QTest::newRow("another version")
        << version << scenes << "show.x has the version \"Version 02\"; only \"Version 01\"" << -1;
    QTest::newRow("cut short after the header")
        << scenesFile.left(40) << scenes << "show.x is cut short after its header." << -1;
}

void TestShowFile::errorsNameTheFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, kind);
    QFETCH(QString, says);
    QFETCH(int, other);
    QBuffer buffer(&bytes);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    const FileContents contents = readFile(buffer, Kind(kind));
    QVERIFY(!contents.ok());
    QVERIFY2(describe(contents, QStringLiteral("show.x"), Kind(kind)).startsWith(says),
             qPrintable(describe(contents, QStringLiteral("show.x"), Kind(kind))));
    const std::optional<Kind> found = otherKind(contents, Kind(kind));
    QCOMPARE(found ? int(*found) : -1, other);
}

void TestShowFile::kindFromHeader_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("path"); // read from this file instead of the bytes
    QTest::addColumn<std::optional<Kind>>("kind");

    const QByteArray scenes = fileBytes(Kind::Scenes, patternTable(Kind::Scenes));
    const QByteArray programs = fileBytes(Kind::Programs, patternTable(Kind::Programs));
    QByteArray lowerCase = programs;
    lowerCase[5] = 'l'; // "lc420 Programs File"
    const std::optional<Kind> none;

    QTest::newRow("programs file") << programs << QString() << std::optional(Kind::Programs);
    QTest::newRow("scenes file") << scenes << QString() << std::optional(Kind::Scenes);
    // The rest of the file is readFile's business.
    QTest::newRow("scenes header, wrong version")
        << scenes.left(42) + be32(4) + utf16be("V2") << QString() << std::optional(Kind::Scenes);
    QTest::newRow("programs header only")
        << programs.left(42) << QString() << std::optional(Kind::Programs);
    QTest::newRow("empty") << QByteArray() << QString() << none;
    QTest::newRow("cut inside the header") << programs.left(30) << QString() << none;
    QTest::newRow("header differs in case") << lowerCase << QString() << none;
    QTest::newRow("upgrade-like header")
        << be32(10) + utf16be("Lc420") + scenes.mid(38) << QString() << none;
    QTest::newRow("header as plain text")
        << QByteArray("Lc420 Programs File\n") << QString() << none;
    QTest::newRow("header length lies") << be32(0x7FFFFFF0) + programs.mid(4) << QString() << none;

    // Named files: the name never decides, and a FIFO is never opened.
    QVERIFY(m_dir.isValid());
    const QString renamed = m_dir.filePath(QStringLiteral("scenes-renamed.pgm"));
    QFile file(renamed);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(scenes) == scenes.size());
    file.close();
    QTest::newRow("scenes file named .pgm")
        << QByteArray() << renamed << std::optional(Kind::Scenes);
    const QString fifo = m_dir.filePath(QStringLiteral("kind-fifo.scn"));
    QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QTest::newRow("FIFO") << QByteArray() << fifo << none;
    QTest::newRow("missing file") << QByteArray() << m_dir.filePath(QStringLiteral("none.pgm"))
                                  << none;
}

void TestShowFile::kindFromHeader()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, path);
    QFETCH(std::optional<Kind>, kind);

    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QCOMPARE(path.isEmpty() ? fileKind(buffer) : fileKind(path), kind);
    // The header is all it reads.
    QVERIFY2(buffer.pos() <= 4 + 1024, qPrintable(QString::number(buffer.pos())));
}

QTEST_GUILESS_MAIN(TestShowFile)
#include "tst_showfile.moc"
