// lc420-cli build-upg, boot-images and inspect, run as a user runs them.

#include "firmware/upgradefile.h"
#include "tests/firmware/hexrecords.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace HexRecords;

namespace {

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

} // namespace

class TestFirmwareCli : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_firmwareHex; // srec_cat, 32-byte records, application and external block
    QString m_upg;         // built from it by build-upg

    QString path(const QString &name) const { return m_dir.filePath(name); }

    Run cli(const QStringList &arguments) const
    {
        QProcess process;
        process.setWorkingDirectory(m_dir.path());
        // Plain digits and the (mended) English texts, whatever the host's locale.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(LC420_CLI_PATH), arguments);
        Run run;
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
            return run;
        run.exitCode = process.exitCode();
        run.out = QString::fromUtf8(process.readAllStandardOutput());
        run.err = QString::fromUtf8(process.readAllStandardError());
        return run;
    }

    QStringList filesIn(const QString &folder) const
    {
        return QDir(path(folder)).entryList(QDir::Files, QDir::Name);
    }

private Q_SLOTS:
    void initTestCase();
    void buildUpgFromSrecCatIsConsistent();
    void buildUpgRefusesFaultyHex_data();
    void buildUpgRefusesFaultyHex();
    void buildUpgReadsAnyLineEnd_data();
    void buildUpgReadsAnyLineEnd();
    void buildUpgCannotWrite_data();
    void buildUpgCannotWrite();
    void inspectFindsDamage_data();
    void inspectFindsDamage();
    void inspectHexFile_data();
    void inspectHexFile();
    void inspectHexTellsWhatBuildUpgWrites();
    void bootImages();
    void bootImagesAtTheTop();
    void bootImagesHexError();
    void usageErrors_data();
    void usageErrors();
};

void TestFirmwareCli::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(QFile::exists(QStringLiteral(LC420_CLI_PATH)));

    QByteArray firmware(0x30000, '\0');
    QRandomGenerator random(2021);
    for (char &c : firmware)
        c = char(random.bounded(256));
    QVERIFY(writeFile(path(QStringLiteral("fw.bin")), firmware));
    const QString srecCat = QStandardPaths::findExecutable(QStringLiteral("srec_cat"));
    QVERIFY2(!srecCat.isEmpty(), "srec_cat is missing (scripts/install-deps installs it)");
    QProcess process;
    process.setWorkingDirectory(m_dir.path());
    process.start(srecCat,
                  {QStringLiteral("fw.bin"), QStringLiteral("-binary"), QStringLiteral("-offset"),
                   QStringLiteral("0x08004000"),
                   // The check words are build-upg's to compute.
                   QStringLiteral("-exclude"), QStringLiteral("0x0801FFFC"),
                   QStringLiteral("0x08020000"), QStringLiteral("-exclude"),
                   QStringLiteral("0x08033FFC"), QStringLiteral("0x08034000"), QStringLiteral("-o"),
                   QStringLiteral("fw.hex"), QStringLiteral("-intel"), QStringLiteral("-obs=32")});
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 0);
    m_firmwareHex = path(QStringLiteral("fw.hex"));
    QVERIFY(readFile(m_firmwareHex).contains("\n:20"));

    m_upg = path(QStringLiteral("fw.upg"));
    const Run run = cli({QStringLiteral("build-upg"), m_firmwareHex, m_upg});
    QCOMPARE(run.err, QString());
    QCOMPARE(run.exitCode, 0);
}

void TestFirmwareCli::buildUpgFromSrecCatIsConsistent()
{
    QByteArray file = readFile(m_upg);
    QCOMPARE(file.size(), 262210);
    const Upgrade::ImageBuild build = Upgrade::buildImage(m_firmwareHex);
    QBuffer buffer(&file);
    buffer.open(QIODevice::ReadOnly);
    QCOMPARE(Upgrade::unscrambleImage(Upgrade::readFile(buffer).image), build.image);

    const Run run = cli({QStringLiteral("inspect"), m_upg});
    QCOMPARE(run.exitCode, 0);
    const Upgrade::ImageCheck check = Upgrade::checkImage(build.image);
    const QString app = QStringLiteral("0x%1").arg(check.appStored, 8, 16, QLatin1Char('0'));
    const QString ext = QStringLiteral("0x%1").arg(check.extStored, 8, 16, QLatin1Char('0'));
    QCOMPARE(run.out, QStringLiteral("File:      %1 (262210 bytes)\n"
                                     "Header:    Lc420 Upgrade File Header\n"
                                     "Version:   01\n"
                                     "Image:     262144 bytes\n"
                                     "App:       check word %2, areas add up to %2: match\n"
                                     "Ext flash: check word %3, areas add up to %3: match\n"
                                     "The file is consistent.\n")
                          .arg(m_upg, app, ext));
}

void TestFirmwareCli::buildUpgRefusesFaultyHex_data()
{
    QTest::addColumn<QByteArray>("hex");
    QTest::addColumn<QString>("message");
    QTest::newRow("bad checksum") << upper(0x0800) + QByteArray(":0200000001020A\n")
                                  << ":2: checksum mismatch (HexToBin error -8)\n";
    QTest::newRow("type 02 with an address") << record(0x02, 1, QByteArray::fromHex("1000"))
                                             << ":1: unsupported record type, a byte count or "
                                                "address that does not fit it, or a second start "
                                                "address (HexToBin error -7)\n";
    QTest::newRow("overlap") << QByteArray(":020000040801F1\n:040000001122334452\n"
                                           ":040000005566778842\n:00000001FF\n")
                             << ":3: this record gives an address a different value than an "
                                "earlier record (address 0x08010000, HexToBin error -11)\n";
    const QByteArray application = upper(0x0800) + data(0x4000, counting(16));
    QTest::newRow("data on the application check word")
        << application + upper(0x0801) + data(0xFFFC, "\x11\x22\x33\x44") + end()
        << ":4: this record's data on a check word differs from the word computed (address "
           "0x0801fffc, HexToBin error -12)\n";
    QTest::newRow("data on the external check word")
        << application + upper(0x0803) + data(0x3FFE, "\x11\x22") + end()
        << ":4: this record's data on a check word differs from the word computed (address "
           "0x08033ffe, HexToBin error -12)\n";
    QTest::newRow("firmware linked at the bootloader's address")
        << upper(0x0800) + data(0x3FF0, counting(16)) + end()
        << " holds 16 B of data at 0x08003FF0..0x08003FFF, outside 0x08004000..0x08033FFF; it was "
           "ignored.\n%1: no application data in 0x08004000..0x0801FFFB; an upgrade file of zeros "
           "would leave the driver dark.\n";
    QTest::newRow("disagreeing records at the bootloader's address")
        << upper(0x0800) + data(0x3FF0, counting(16)) + data(0x3FF8, "\x01\x02") + end()
        << " holds 18 B of data at 0x08003FF0..0x08003FFF, outside 0x08004000..0x08033FFF; it was "
           "ignored. Records there disagree on 2 B, the first at 0x08003FF8 (line 3).\n%1: no "
           "application data in 0x08004000..0x0801FFFB; an upgrade file of zeros would leave the "
           "driver dark.\n";
    QTest::newRow("missing file") << QByteArray() << ": cannot open the file (HexToBin error -9)\n";
    QTest::newRow("cut at a line boundary")
        << upper(0x0800) + data(0x4000, "\x01")
        << ":3: no end-of-file record: the file is cut short (HexToBin error -10)\n";
    QTest::newRow("end record only")
        << end()
        << ": no application data in 0x08004000..0x0801FFFB; an upgrade file of zeros would "
           "leave the driver dark.\n";
    QTest::newRow("external block only") << upper(0x0802) + data(0, "\x01") + end()
                                         << ": no application data in 0x08004000..0x0801FFFB; an "
                                            "upgrade file of zeros would leave the driver dark.\n";
}

void TestFirmwareCli::buildUpgRefusesFaultyHex()
{
    QFETCH(QByteArray, hex);
    QFETCH(QString, message);
    const QString hexFile = path(QStringLiteral("faulty.hex"));
    QFile::remove(hexFile);
    if (!hex.isEmpty())
        QVERIFY(writeFile(hexFile, hex));
    const QString upg = path(QStringLiteral("faulty.upg"));
    const Run run = cli({QStringLiteral("build-upg"), hexFile, upg});
    QCOMPARE(run.exitCode, 3);
    // A warning names the file first; the error after it, as every error does.
    const QString said = message.contains(QLatin1String("%1"))
                             ? QStringLiteral("Warning: ") + hexFile + message.arg(hexFile)
                             : hexFile + message;
    QCOMPARE(run.err, said + QStringLiteral("No upgrade file written.\n"));
    QVERIFY(!QFile::exists(upg));
}

void TestFirmwareCli::buildUpgReadsAnyLineEnd_data()
{
    QTest::addColumn<QByteArray>("lineEnd");
    QTest::newRow("CRLF") << QByteArray("\r\n");
    QTest::newRow("CR alone") << QByteArray("\r");
}

// The same firmware with other line ends gives the same upgrade file.
void TestFirmwareCli::buildUpgReadsAnyLineEnd()
{
    QFETCH(QByteArray, lineEnd);
    const QString hex = path(QStringLiteral("line-ends.hex"));
    QVERIFY(writeFile(hex, readFile(m_firmwareHex).replace("\n", lineEnd)));
    const QString upg = path(QStringLiteral("line-ends.upg"));
    const Run run = cli({QStringLiteral("build-upg"), hex, upg});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(readFile(upg), readFile(m_upg));
}

void TestFirmwareCli::buildUpgCannotWrite_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("why");
    QTest::newRow("missing folder") << path(QStringLiteral("no/such/folder/x.upg")) << QString();
    const QString fifo = path(QStringLiteral("fifo.upg"));
    QVERIFY(mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    QTest::newRow("a FIFO") << fifo
                            << QStringLiteral("it is a pipe or a socket, not a file to save to");
}

void TestFirmwareCli::buildUpgCannotWrite()
{
    QFETCH(QString, target);
    QFETCH(QString, why);
    const Run run = cli({QStringLiteral("build-upg"), m_firmwareHex, target});
    QCOMPARE(run.exitCode, 3);
    const QString prefix = QStringLiteral("Cannot write %1: ").arg(target);
    QVERIFY2(run.err.startsWith(prefix + why), qPrintable(run.err));
    QCOMPARE(run.out, QString());
}

void TestFirmwareCli::inspectFindsDamage_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("replacement");
    QTest::addColumn<QString>("finding");
    // File offsets: the image starts at 66.
    QTest::newRow("application byte")
        << 66 + 0x5000 << QByteArray("\x5A") << "App:       check word";
    QTest::newRow("external byte") << 66 + 0x21000 << QByteArray("\x5A") << "Ext flash: check word";
    QTest::newRow("version 02") << 61 << QByteArray("2") << "Version:   Wrong file version (02)";
    QTest::newRow("header") << 5 << QByteArray("X") << "Header:    Wrong file header";
}

void TestFirmwareCli::inspectFindsDamage()
{
    QFETCH(int, offset);
    QFETCH(QByteArray, replacement);
    QFETCH(QString, finding);
    QByteArray bytes = readFile(m_upg);
    if (bytes.mid(offset, replacement.size()) == replacement)
        replacement[0] = char(replacement.at(0) ^ 1);
    bytes.replace(offset, replacement.size(), replacement);
    const QString damaged = path(QStringLiteral("damaged.upg"));
    QVERIFY(writeFile(damaged, bytes));

    const Run run = cli({QStringLiteral("inspect"), damaged});
    QCOMPARE(run.exitCode, 3);
    QVERIFY2(run.out.endsWith(QStringLiteral("The file is damaged.\n")), qPrintable(run.out));
    const QStringList lines = run.out.split('\n');
    const auto found = std::find_if(lines.begin(), lines.end(),
                                    [&](const QString &l) { return l.startsWith(finding); });
    QVERIFY2(found != lines.end(), qPrintable(run.out));
    if (finding.contains(QStringLiteral("check word")))
        QVERIFY2(found->endsWith(QStringLiteral("MISMATCH")), qPrintable(*found));
}

namespace {

// A list of ranges of inspect's JSON as "first-last first-last".
QString ranges(const QJsonValue &list)
{
    QStringList texts;
    for (const QJsonValue range : list.toArray())
        texts.append(range[QLatin1String("first")].toString() + '-'
                     + range[QLatin1String("last")].toString());
    return texts.join(' ');
}

} // namespace

void TestFirmwareCli::inspectHexFile_data()
{
    QTest::addColumn<QByteArray>("hex");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("application"); // ranges inside the application area
    QTest::addColumn<QString>("outside");     // ranges an upgrade file leaves out
    QTest::addColumn<int>("conflicts");       // bytes outside on which records disagree

    const QByteArray app = upper(0x0800) + data(0x4000, counting(32)) + data(0x4020, counting(16));
    QTest::newRow("application only, two records joined")
        << app + end() << 0 << "0x08004000-0x0800402f"
        << "" << 0;
    QTest::newRow("a block in the bootloader's area")
        << app + data(0x0100, counting(8)) + end() << 0 << "0x08004000-0x0800402f"
        << "0x08000100-0x08000107" << 0;
    QTest::newRow("records outside that disagree")
        << app + data(0x0100, counting(8)) + data(0x0104, counting(8, 1)) + end() << 0
        << "0x08004000-0x0800402f"
        << "0x08000100-0x0800010b" << 4;
    QTest::newRow("data at the top of the address space")
        << app + upper(0xFFFF) + data(0xFFF8, counting(8)) + end() << 0 << "0x08004000-0x0800402f"
        << "0xfffffff8-0xffffffff" << 0;
    QTest::newRow("a range across the application's start")
        << upper(0x0800) + data(0x3FF0, counting(32)) + end() << 0 << "0x08004000-0x0800400f"
        << "0x08003ff0-0x08003fff" << 0;
    // Damage: HexToBin refuses the file, as build-upg does.
    QTest::newRow("records inside that disagree")
        << app + data(0x4000, counting(4, 9)) + end() << 3 << ""
        << "" << 0;
    QTest::newRow("cut short") << app << 3 << ""
                               << "" << 0;
    QTest::newRow("a bad checksum") << app + ":0400000001020304F0\n" + end() << 3 << ""
                                    << "" << 0;
}

void TestFirmwareCli::inspectHexFile()
{
    QFETCH(QByteArray, hex);
    QFETCH(int, exitCode);
    QFETCH(QString, application);
    QFETCH(QString, outside);
    QFETCH(int, conflicts);
    const QString file = path(QStringLiteral("inspect.hex"));
    QVERIFY(writeFile(file, hex));

    const Run text = cli({QStringLiteral("inspect"), file});
    QCOMPARE(text.exitCode, exitCode);
    const Run json = cli({QStringLiteral("--json"), QStringLiteral("inspect"), file});
    QCOMPARE(json.exitCode, exitCode);
    const QJsonObject summary = QJsonDocument::fromJson(json.out.toUtf8()).object();
    QCOMPARE(summary.value(QStringLiteral("consistent")).toBool(), exitCode == 0);
    if (exitCode != 0) {
        // The fault is named as build-upg names it, with its line.
        QVERIFY2(summary.value(QStringLiteral("error")).toString().contains(file + ':'),
                 qPrintable(json.out));
        QVERIFY2(text.out.endsWith(QStringLiteral("The file is damaged.\n")), qPrintable(text.out));
        return;
    }
    QCOMPARE(ranges(summary.value(QStringLiteral("application"))), application);
    QCOMPARE(ranges(summary.value(QStringLiteral("outside"))), outside);
    QCOMPARE(summary.value(QStringLiteral("outsideConflicts")).toInt(), conflicts);
    QCOMPARE(text.out.contains(QStringLiteral("left out of an upgrade file")), !outside.isEmpty());
}

// The check words inspect names are the ones the upgrade file gets.
void TestFirmwareCli::inspectHexTellsWhatBuildUpgWrites()
{
    const Run hex = cli({QStringLiteral("--json"), QStringLiteral("inspect"), m_firmwareHex});
    QCOMPARE(hex.exitCode, 0);
    const Run upg = cli({QStringLiteral("--json"), QStringLiteral("inspect"), m_upg});
    QCOMPARE(upg.exitCode, 0);
    const QJsonObject fromHex = QJsonDocument::fromJson(hex.out.toUtf8()).object();
    const QJsonObject fromUpg = QJsonDocument::fromJson(upg.out.toUtf8()).object();
    QCOMPARE(fromHex.value(QStringLiteral("appCheckWord")).toString(),
             fromUpg[QLatin1String("app")][QLatin1String("checkWord")].toString());
    QCOMPARE(fromHex.value(QStringLiteral("extFlashCheckWord")).toString(),
             fromUpg[QLatin1String("extFlash")][QLatin1String("checkWord")].toString());
    // srec_cat left the check words out: both areas up to them, nothing outside.
    QCOMPARE(ranges(fromHex.value(QStringLiteral("application"))),
             QStringLiteral("0x08004000-0x0801fffb"));
    QCOMPARE(ranges(fromHex.value(QStringLiteral("externalFlash"))),
             QStringLiteral("0x08020000-0x08033ffb"));
    QCOMPARE(fromHex.value(QStringLiteral("outside")).toArray().size(), 0);
}

void TestFirmwareCli::bootImages()
{
    const QString hex = path(QStringLiteral("boot.hex"));
    QVERIFY(writeFile(hex, upper(0x0800) + data(0x3FD0, "BL 1.0") + end()));
    QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("boot")));
    const Run run = cli({QStringLiteral("boot-images"), hex, QStringLiteral("--date"),
                         QStringLiteral("210305"), QStringLiteral("--number"), QStringLiteral("5"),
                         QStringLiteral("--count"), QStringLiteral("3"), QStringLiteral("--out"),
                         QStringLiteral("boot")});
    QCOMPARE(run.err, QString());
    QCOMPARE(run.exitCode, 0);
    QString expected;
    for (const char *serial : {"210305005", "210305006", "210305007"}) {
        const QString name = QStringLiteral("Lc420Bootloader_%1.bin").arg(QLatin1String(serial));
        expected += QLatin1String(serial) + '\n' + path(QStringLiteral("boot/") + name) + '\n'
                    + QStringLiteral("New bootloader + serial:\n") + name + '\n';
        const QByteArray image = readFile(path(QStringLiteral("boot/") + name));
        QCOMPARE(image.size(), 16384);
        QCOMPARE(image.mid(0x3FD0, 6), QByteArray("BL 1.0"));
        QCOMPARE(image.mid(0x3FF0, 9), QByteArray(serial));
    }
    QCOMPARE(run.out, expected);
    QCOMPARE(filesIn(QStringLiteral("boot")).size(), 3);
}

void TestFirmwareCli::bootImagesAtTheTop()
{
    // Number 999 allows exactly one image; the current folder is the default.
    const QString hex = path(QStringLiteral("top.hex"));
    QVERIFY(writeFile(hex, end()));
    const Run run = cli({QStringLiteral("boot-images"), hex, QStringLiteral("--date"),
                         QStringLiteral("310231"), QStringLiteral("--number"),
                         QStringLiteral("999"), QStringLiteral("--count"), QStringLiteral("1")});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out.split('\n').first(), QStringLiteral("310231999"));
    QCOMPARE(readFile(path(QStringLiteral("Lc420Bootloader_310231999.bin"))).size(), 16384);
}

void TestFirmwareCli::bootImagesHexError()
{
    const QString hex = path(QStringLiteral("bad.hex"));
    QVERIFY(writeFile(hex, QByteArray(":0200000001020A\n")));
    QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("badboot")));
    const Run run = cli({QStringLiteral("boot-images"), hex, QStringLiteral("--date"),
                         QStringLiteral("210305"), QStringLiteral("--number"), QStringLiteral("1"),
                         QStringLiteral("--count"), QStringLiteral("3"), QStringLiteral("--out"),
                         QStringLiteral("badboot")});
    QCOMPARE(run.exitCode, 3);
    QCOMPARE(run.out, QStringLiteral("210305001\n"));
    QCOMPARE(run.err, hex + QStringLiteral(":1: checksum mismatch (HexToBin error -8)\n"));
    QCOMPARE(filesIn(QStringLiteral("badboot")), QStringList());
}

void TestFirmwareCli::usageErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    const QString hex = QStringLiteral("fw.hex");
    const auto boot = [&](const QStringList &more) {
        return QStringList{QStringLiteral("boot-images"), hex} + more;
    };
    QTest::newRow("build-upg without output") << QStringList{"build-upg", hex} << 2;
    QTest::newRow("boot-images month 13")
        << boot({"--date", "211305", "--number", "1", "--count", "1"}) << 2;
    QTest::newRow("boot-images date too short")
        << boot({"--date", "21035", "--number", "1", "--count", "1"}) << 2;
    QTest::newRow("boot-images number 1000")
        << boot({"--date", "210305", "--number", "1000", "--count", "1"}) << 2;
    QTest::newRow("boot-images number not a number")
        << boot({"--date", "210305", "--number", "5x", "--count", "1"}) << 2;
    QTest::newRow("boot-images count 0")
        << boot({"--date", "210305", "--number", "1", "--count", "0"}) << 2;
    QTest::newRow("boot-images count above 999 - N")
        << boot({"--date", "210305", "--number", "5", "--count", "995"}) << 2;
    QTest::newRow("boot-images 999 with count 2")
        << boot({"--date", "210305", "--number", "999", "--count", "2"}) << 2;
    QTest::newRow("boot-images without count") << boot({"--date", "210305", "--number", "1"}) << 2;
    QTest::newRow("boot-images option without value")
        << boot({"--date", "210305", "--number", "1", "--count"}) << 2;
    QTest::newRow("boot-images unknown option")
        << boot({"--date", "210305", "--number", "1", "--count", "1", "--serial", "1"}) << 2;
    QTest::newRow("inspect of another kind of file") << QStringList{"inspect", "fw.bin"} << 2;
    QTest::newRow("inspect of a missing file") << QStringList{"inspect", "missing.upg"} << 3;
}

void TestFirmwareCli::usageErrors()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    const QStringList before = QDir(m_dir.path()).entryList(QDir::Files);
    const Run run = cli(arguments);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY(!run.err.isEmpty());
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), before);
}

QTEST_GUILESS_MAIN(TestFirmwareCli)
#include "tst_firmwarecli.moc"
