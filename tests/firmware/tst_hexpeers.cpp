// Cross-checks the HEX reader against two independent implementations of the
// format: binutils' objcopy (16-byte records, type 05 start address) and
// srecord's srec_cat (any record size). Both are installed by
// scripts/install-deps, so a missing tool is a failure, not a skip.

#include "firmware/hextobin.h"
#include "firmware/upgradefile.h"
#include "tests/firmware/hexrecords.h"

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using HexRecords::readFile;

namespace {

struct Piece
{
    quint32 address;
    int length;
};

} // namespace

Q_DECLARE_METATYPE(QList<Piece>)

class TestHexPeers : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_row = 0;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    // Runs a tool to completion; false (with the reason logged) on any failure.
    static bool run(const QString &tool, const QStringList &arguments)
    {
        const QString program = QStandardPaths::findExecutable(tool);
        if (program.isEmpty()) {
            qWarning("%s is not installed (scripts/install-deps installs it)", qPrintable(tool));
            return false;
        }
        QProcess process;
        process.start(program, arguments);
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit
            || process.exitCode() != 0) {
            qWarning("%s %s failed: %s", qPrintable(tool), qPrintable(arguments.join(' ')),
                     process.readAllStandardError().constData());
            return false;
        }
        return true;
    }

    static bool writeAll(const QString &name, const QByteArray &bytes)
    {
        QFile file(name);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_dir.isValid()); }
    void sameBytesAsObjcopy_data();
    void sameBytesAsObjcopy();
};

void TestHexPeers::sameBytesAsObjcopy_data()
{
    QTest::addColumn<QString>("writer");
    QTest::addColumn<int>("recordSize");
    QTest::addColumn<QList<Piece>>("pieces");

    const QList<Piece> whole{{0x08000000, 0x40000}};
    QTest::newRow("objcopy, 16-byte records, the whole 256 KiB") << "objcopy" << 16 << whole;
    QTest::newRow("objcopy, odd start inside the application")
        << "objcopy" << 16 << QList<Piece>{{0x08004003, 0x2FFF1}};
    QTest::newRow("srec_cat, 32-byte records, the whole 256 KiB") << "srec_cat" << 32 << whole;
    QTest::newRow("srec_cat, 255-byte records, the whole 256 KiB") << "srec_cat" << 255 << whole;
    QTest::newRow("srec_cat, 32-byte records, pieces with gaps across both windows")
        << "srec_cat" << 32
        << QList<Piece>{
               {0x08003F00, 0x1000}, {0x0800FFF7, 0x25}, {0x0801FFE1, 0x41}, {0x08033F80, 0x200}};
    QTest::newRow("srec_cat, 26-byte records")
        << "srec_cat" << 26 << QList<Piece>{{0x08004000, 0x1C000}};
}

void TestHexPeers::sameBytesAsObjcopy()
{
    QFETCH(QString, writer);
    QFETCH(int, recordSize);
    QFETCH(QList<Piece>, pieces);

    const QString hex = path(QStringLiteral("row%1.hex").arg(m_row++));
    QStringList srecArguments;
    QRandomGenerator random(quint32(qHash(QTest::currentDataTag())));
    // Random bytes, except that where a piece covers a check word it holds
    // the word the areas add up to: any other word there is refused.
    QByteArray flash(Upgrade::ImageSize, '\0');
    QList<QByteArray> pieceBytes;
    for (const Piece &piece : pieces) {
        QByteArray bytes(piece.length, '\0');
        for (char &c : bytes)
            c = char(random.bounded(256));
        flash.replace(int(piece.address - Upgrade::FlashBase), bytes.size(), bytes);
        pieceBytes.append(bytes);
    }
    flash.truncate(Upgrade::ImageSize);
    Upgrade::storeCheckWords(flash);
    for (int i = 0; i < pieces.size(); ++i) {
        QByteArray &bytes = pieceBytes[i];
        for (const int slot : {Upgrade::AppCheckOffset, Upgrade::ExtCheckOffset}) {
            for (int at = slot; at < slot + 4; ++at) {
                const qint64 offset = qint64(at) - (pieces[i].address - Upgrade::FlashBase);
                if (offset >= 0 && offset < bytes.size())
                    bytes[offset] = flash[at];
            }
        }
        const QString bin = hex + QStringLiteral(".%1.bin").arg(i);
        QVERIFY(writeAll(bin, bytes));
        srecArguments << bin << QStringLiteral("-binary") << QStringLiteral("-offset")
                      << QStringLiteral("0x%1").arg(pieces[i].address, 8, 16, QLatin1Char('0'));
    }
    if (writer == QLatin1String("objcopy")) {
        QCOMPARE(pieces.size(), 1);
        QVERIFY(run(QStringLiteral("objcopy"),
                    {QStringLiteral("-I"), QStringLiteral("binary"), QStringLiteral("-O"),
                     QStringLiteral("ihex"), QStringLiteral("--change-addresses"),
                     QStringLiteral("0x%1").arg(pieces[0].address, 8, 16, QLatin1Char('0')),
                     hex + QStringLiteral(".0.bin"), hex}));
    } else {
        QVERIFY(run(QStringLiteral("srec_cat"),
                    srecArguments
                        + QStringList{QStringLiteral("-o"), hex, QStringLiteral("-intel"),
                                      QStringLiteral("-obs=%1").arg(recordSize)}));
    }
    // The records really have the size the row is about.
    const QByteArray firstData = readFile(hex).split('\n').value(1);
    QCOMPARE(firstData.mid(1, 2).toInt(nullptr, 16), qMin(recordSize, int(pieces[0].length)));

    // The reference: objcopy's reading of the same file, from its lowest address.
    const QString reference = hex + QStringLiteral(".ref");
    QVERIFY(run(QStringLiteral("objcopy"),
                {QStringLiteral("-I"), QStringLiteral("ihex"), QStringLiteral("-O"),
                 QStringLiteral("binary"), hex, reference}));
    const QByteArray expected = readFile(reference);
    const quint32 lowest = pieces[0].address;
    QVERIFY(!expected.isEmpty());

    // One window over everything the file holds.
    QByteArray window(expected.size(), '\0');
    QCOMPARE(HexToBin(hex, window.data(), lowest, lowest + quint32(window.size()) - 1), 0);
    QCOMPARE(window, expected);

    // The upgrade image's two areas hold exactly the reference's bytes there.
    QByteArray expectedImage(Upgrade::ImageSize, '\0');
    expectedImage.replace(int(lowest - Upgrade::FlashBase), expected.size(), expected);
    expectedImage.truncate(Upgrade::ImageSize);
    const Upgrade::ImageBuild build = Upgrade::buildImage(hex);
    QCOMPARE(build.appResult, 0);
    QCOMPARE(build.extResult, 0);
    QCOMPARE(build.image.mid(Upgrade::AppOffset, Upgrade::AppLength - 4),
             expectedImage.mid(Upgrade::AppOffset, Upgrade::AppLength - 4));
    QCOMPARE(build.image.mid(Upgrade::ExtOffset, Upgrade::ExtLength - 4),
             expectedImage.mid(Upgrade::ExtOffset, Upgrade::ExtLength - 4));
}

QTEST_GUILESS_MAIN(TestHexPeers)
#include "tst_hexpeers.moc"
