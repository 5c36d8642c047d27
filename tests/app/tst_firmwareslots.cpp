// The upgrade-file builder and the bootloader images as the window runs them:
// every question through the scripted dialogs, the log pane, the files written
// into a temporary working directory.

#include "app/lc460_bootloader.h"
#include "firmware/upgradefile.h"
#include "tests/firmware/hexrecords.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/tracecapture.h"

#include <QDate>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

using namespace HexRecords;

class TestFirmwareSlots : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_previousDir;
    int m_runs = 0;
    std::unique_ptr<Lc460_bootloader> m_window;
    ScriptedDialogs *m_dialogs = nullptr; // owned by m_window

    QString log() const { return m_window->findChild<QTextBrowser *>("txt")->toPlainText(); }
    QStringList logLines() const { return log().split('\n'); }

    void click(const char *button)
    {
        Q_EMIT m_window->findChild<QPushButton *>(QLatin1String(button))->clicked(false);
    }

    static QStringList binFiles()
    {
        return QDir::current().entryList({QStringLiteral("*.bin")}, QDir::Files, QDir::Name);
    }

    // The four log lines of one image.
    static QStringList imageLines(const QString &serial)
    {
        const QString name = QStringLiteral("Lc420Bootloader_") + serial + QStringLiteral(".bin");
        return {serial, QDir::current().absoluteFilePath(name),
                QStringLiteral("New bootloader + serial:"), name};
    }

    static void expectQuestion(const ScriptedDialogs::Question &q, const QString &kind,
                               const QString &title, const QString &label)
    {
        QCOMPARE(q.kind, kind);
        QCOMPARE(q.title, title);
        QCOMPARE(q.label, label);
    }

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase() { QDir::setCurrent(m_previousDir); }

    void createUpgAsksAndWrites();
    void createUpgReportsHexErrors_data();
    void createUpgReportsHexErrors();
    void createUpgCancelled_data();
    void createUpgCancelled();
    void createUpgFileError();

    void bootBinQuestions();
    void bootBinSerialSequence();
    void bootBinNumberLimits_data();
    void bootBinNumberLimits();
    void bootBinCancelled_data();
    void bootBinCancelled();
    void bootBinHexError();
    void bootBinFileError();
};

void TestFirmwareSlots::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_previousDir = QDir::currentPath();
}

void TestFirmwareSlots::init()
{
    // A fresh, empty working directory for every test and every row.
    const QString here = m_dir.filePath(QStringLiteral("run%1").arg(m_runs++));
    QVERIFY(QDir().mkpath(here));
    QVERIFY(QDir::setCurrent(here));
    m_window = std::make_unique<Lc460_bootloader>();
    m_dialogs = scriptDialogs(*m_window);
}

void TestFirmwareSlots::cleanup()
{
    m_window.reset();
    m_dialogs = nullptr;
}

void TestFirmwareSlots::createUpgAsksAndWrites()
{
    QVERIFY(writeFile("fw.hex", upper(0x0800) + data(0x4000, counting(32)) + upper(0x0802)
                                    + data(0x0000, counting(32, 9)) + end()));
    m_window->findChild<QTextBrowser *>("txt")->append("earlier text");
    m_dialogs->answers = {QStringLiteral("fw.hex"), QStringLiteral("out.upg")};
    TraceCapture trace;
    click("pushButtonCreateUpg");

    // The signature, then the scrambling of the image on its way to the file.
    const QStringList lines = trace.lines();
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines[0], QStringLiteral("Lc460_bootloader::slotpushButtonCreateUpg(bool t)"));
    QVERIFY(lines[1].startsWith(QStringLiteral("Encoding started @ 0x")));
    QVERIFY(lines[2].startsWith(QStringLiteral("Encoding end @ 0x")));
    QCOMPARE(m_dialogs->asked.size(), 2);
    expectQuestion(m_dialogs->asked[0], "open", "Open File", "Hex (*.hex)");
    QCOMPARE(m_dialogs->asked[0].dir, QStringLiteral("."));
    QCOMPARE(m_dialogs->asked[0].parent, m_window.get());
    expectQuestion(m_dialogs->asked[1], "save", "Save File", "Upg (*.upg)");
    QCOMPARE(m_dialogs->asked[1].dir, QStringLiteral("."));
    QCOMPARE(m_dialogs->asked[1].parent, m_window.get());
    QCOMPARE(log(), QString()); // cleared, nothing to report

    // The same bytes as the core's builder writes.
    QVERIFY(Upgrade::saveFile("expected.upg", Upgrade::buildImage("fw.hex").image).isEmpty());
    const QByteArray written = readFile("out.upg");
    QCOMPARE(written.size(), 262210);
    QCOMPARE(written, readFile("expected.upg"));
}

void TestFirmwareSlots::createUpgReportsHexErrors_data()
{
    QTest::addColumn<QByteArray>("hex");
    QTest::addColumn<QStringList>("lines");
    const QString bad8 = QStringLiteral("HexToBin error: -8)");
    QTest::newRow("bad checksum: both reads report it")
        << upper(0x0800) + QByteArray(":0200000001020A\n") << QStringList{bad8, bad8};
    const QString bad7 = QStringLiteral("HexToBin error: -7)");
    QTest::newRow("type 02 with an address")
        << record(0x02, 1, QByteArray::fromHex("1000")) << QStringList{bad7, bad7};
    const QString bad9 = QStringLiteral("HexToBin error: -9)");
    QTest::newRow("unopenable file") << QByteArray() << QStringList{bad9, bad9};
    const QString bad10 = QStringLiteral("HexToBin error: -10)");
    QTest::newRow("cut short") << upper(0x0800) + data(0x4000, "\x01\x02")
                               << QStringList{bad10, bad10};
    QTest::newRow("no application data")
        << upper(0x0802) + data(0, "\x01") + end()
        << QStringList{QStringLiteral("No application data (0x08004000..0x0801FFFB) in fw.hex; no "
                                      "upgrade file written.")};
}

void TestFirmwareSlots::createUpgReportsHexErrors()
{
    QFETCH(QByteArray, hex);
    QFETCH(QStringList, lines);
    if (!hex.isEmpty())
        QVERIFY(writeFile("fw.hex", hex));
    m_dialogs->answers = {QStringLiteral("fw.hex"), QStringLiteral("out.upg")};
    click("pushButtonCreateUpg");

    QCOMPARE(logLines(), lines);
    const QList<ScriptedDialogs::Question> boxes = m_dialogs->askedOf("critical");
    QCOMPARE(boxes.size(), lines.size());
    for (int i = 0; i < boxes.size(); ++i) {
        QCOMPARE(boxes[i].title, QStringLiteral("Error"));
        QCOMPARE(boxes[i].label, lines[i]);
        QCOMPARE(boxes[i].parent, m_window.get());
        QCOMPARE(boxes[i].value.toInt(), int(QMessageBox::Ok));
    }
    // Nothing built from a damaged file is offered for saving.
    QCOMPARE(m_dialogs->askedOf("save").size(), 0);
    QVERIFY(!QFileInfo::exists("out.upg"));
}

void TestFirmwareSlots::createUpgCancelled_data()
{
    QTest::addColumn<QVariantList>("answers");
    QTest::addColumn<int>("questions");
    QTest::newRow("open dialog") << QVariantList{} << 1;
    QTest::newRow("save dialog") << QVariantList{QStringLiteral("fw.hex")} << 2;
}

void TestFirmwareSlots::createUpgCancelled()
{
    QFETCH(QVariantList, answers);
    QFETCH(int, questions);
    QVERIFY(writeFile("fw.hex", upper(0x0800) + data(0x4000, "\x01") + end()));
    m_dialogs->answers = answers;
    click("pushButtonCreateUpg");
    QCOMPARE(m_dialogs->asked.size(), questions);
    QCOMPARE(QDir::current().entryList(QDir::Files), QStringList{"fw.hex"});
}

void TestFirmwareSlots::createUpgFileError()
{
    QVERIFY(writeFile("fw.hex", upper(0x0800) + data(0x4000, "\x01") + end()));
    const QString target = QDir::current().absoluteFilePath("missing/out.upg");
    m_dialogs->answers = {QStringLiteral("fw.hex"), target};
    click("pushButtonCreateUpg");

    const QList<ScriptedDialogs::Question> boxes = m_dialogs->askedOf("critical");
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes[0].title, QStringLiteral("File error"));
    QVERIFY2(boxes[0].label.startsWith(QStringLiteral("Cannot write %1: ").arg(target)),
             qPrintable(boxes[0].label));
    QVERIFY(!QFile::exists(target));
}

void TestFirmwareSlots::bootBinQuestions()
{
    const QDate today = QDate::currentDate();
    QVERIFY(writeFile("boot.hex", end()));
    m_dialogs->answers = {QStringLiteral("boot.hex"),
                          QStringLiteral("21"),
                          QStringLiteral("03"),
                          QStringLiteral("05"),
                          42,
                          1};
    click("pushButtonCreateBootBin");

    const QList<ScriptedDialogs::Question> &asked = m_dialogs->asked;
    QCOMPARE(asked.size(), 6);
    for (const ScriptedDialogs::Question &q : asked)
        QCOMPARE(q.parent, m_window.get());
    expectQuestion(asked[0], "open", "Open File", "Hex (*.hex)");
    QCOMPARE(asked[0].dir, QStringLiteral("."));

    expectQuestion(asked[1], "item", "Production year", "Year(YY)");
    QCOMPARE(asked[1].items.size(), 100);
    QCOMPARE(asked[1].items.first(), QStringLiteral("00"));
    QCOMPARE(asked[1].items.last(), QStringLiteral("99"));
    QCOMPARE(asked[1].value.toInt(), today.year() % 100);
    QCOMPARE(asked[1].editable, false);

    expectQuestion(asked[2], "item", "Production mont", "Month(MM)");
    QCOMPARE(asked[2].items.size(), 12);
    QCOMPARE(asked[2].items.first(), QStringLiteral("01"));
    QCOMPARE(asked[2].items.last(), QStringLiteral("12"));
    QCOMPARE(asked[2].items.at(asked[2].value.toInt()).toInt(), today.month());
    QCOMPARE(asked[2].editable, false);

    expectQuestion(asked[3], "item", "Production day", "Day(DD)");
    QCOMPARE(asked[3].items.size(), 31);
    QCOMPARE(asked[3].items.first(), QStringLiteral("01"));
    QCOMPARE(asked[3].items.last(), QStringLiteral("31"));
    QCOMPARE(asked[3].items.at(asked[3].value.toInt()).toInt(), today.day());
    QCOMPARE(asked[3].editable, false);

    expectQuestion(asked[4], "int", "Production number", "Number(NNN)");
    QCOMPARE(asked[4].value.toInt(), 1);
    QCOMPARE(asked[4].min, 0);
    QCOMPARE(asked[4].max, 999);
    QCOMPARE(asked[4].step, 1);

    expectQuestion(asked[5], "int", "Counter", "Counter");
    QCOMPARE(asked[5].value.toInt(), 1);
    QCOMPARE(asked[5].min, 1);
    QCOMPARE(asked[5].max, 999 - 42);
    QCOMPARE(asked[5].step, 1);

    QCOMPARE(binFiles(), QStringList{"Lc420Bootloader_210305042.bin"});
}

void TestFirmwareSlots::bootBinSerialSequence()
{
    // Bootloader code up to 0x08003FFF, the serial's place included.
    const QByteArray code = counting(0x4000, 0x33);
    QByteArray hex = upper(0x0800);
    for (int at = 0; at < code.size(); at += 32)
        hex += data(quint16(at), code.mid(at, 32));
    QVERIFY(writeFile("boot.hex", hex + data(0x4000, "\x77\x77") + end()));
    m_dialogs->answers = {QStringLiteral("boot.hex"),
                          QStringLiteral("21"),
                          QStringLiteral("03"),
                          QStringLiteral("05"),
                          5,
                          3};
    click("pushButtonCreateBootBin");

    QStringList expected{"Lc420_bootloader::slotpushButtonCreateBootBin(bool t)"};
    for (const QString serial : {"210305005", "210305006", "210305007"})
        expected += imageLines(serial);
    QCOMPARE(logLines(), expected);
    QCOMPARE(binFiles().size(), 3);
    for (const QString serial : {"210305005", "210305006", "210305007"}) {
        const QByteArray image = readFile("Lc420Bootloader_" + serial + ".bin");
        QCOMPARE(image.size(), 16384);
        QCOMPARE(image.left(0x3FF0), code.left(0x3FF0));
        QCOMPARE(image.mid(0x3FF0, 9), serial.toLatin1());
        QCOMPARE(image.mid(0x3FF9), code.mid(0x3FF9));
    }
    QVERIFY(m_dialogs->askedOf("critical").isEmpty());
}

void TestFirmwareSlots::bootBinNumberLimits_data()
{
    QTest::addColumn<QStringList>("date");
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("counterMax");
    QTest::addColumn<QString>("serial");
    QTest::newRow("number 0") << QStringList{"21", "03", "05"} << 0 << 999 << "210305000";
    QTest::newRow("number 999: counter range collapses to 1")
        << QStringList{"21", "03", "05"} << 999 << 1 << "210305999";
    QTest::newRow("number 998: one image at most")
        << QStringList{"99", "12", "31"} << 998 << 1 << "991231998";
    QTest::newRow("31 February accepted")
        << QStringList{"31", "02", "31"} << 7 << 992 << "310231007";
}

void TestFirmwareSlots::bootBinNumberLimits()
{
    QFETCH(QStringList, date);
    QFETCH(int, number);
    QFETCH(int, counterMax);
    QFETCH(QString, serial);
    QVERIFY(writeFile("boot.hex", end()));
    m_dialogs->answers = {QStringLiteral("boot.hex"), date[0], date[1], date[2], number, 1};
    click("pushButtonCreateBootBin");

    const ScriptedDialogs::Question counter = m_dialogs->askedOf("int").last();
    QCOMPARE(counter.min, 1);
    QCOMPARE(counter.max, counterMax);
    QCOMPARE(logLines(), QStringList{"Lc420_bootloader::slotpushButtonCreateBootBin(bool t)"}
                             + imageLines(serial));
    QCOMPARE(binFiles(), QStringList{"Lc420Bootloader_" + serial + ".bin"});
    // A HEX file of its end record alone still gives the full 16 KiB.
    QCOMPARE(readFile(binFiles().first()),
             QByteArray(0x3FF0, '\0') + serial.toLatin1() + QByteArray(7, '\0'));
}

void TestFirmwareSlots::bootBinCancelled_data()
{
    QTest::addColumn<int>("answered");
    QTest::newRow("open file") << 0;
    QTest::newRow("year") << 1;
    QTest::newRow("month") << 2;
    QTest::newRow("day") << 3;
    QTest::newRow("production number") << 4;
    QTest::newRow("counter") << 5;
}

void TestFirmwareSlots::bootBinCancelled()
{
    QFETCH(int, answered);
    QVERIFY(writeFile("boot.hex", end()));
    const QVariantList all{QStringLiteral("boot.hex"),
                           QStringLiteral("21"),
                           QStringLiteral("03"),
                           QStringLiteral("05"),
                           5,
                           3};
    m_dialogs->answers = all.mid(0, answered);
    click("pushButtonCreateBootBin");
    QCOMPARE(m_dialogs->asked.size(), answered + 1);
    QCOMPARE(logLines(), QStringList{"Lc420_bootloader::slotpushButtonCreateBootBin(bool t)"});
    QCOMPARE(binFiles(), QStringList());
}

void TestFirmwareSlots::bootBinHexError()
{
    QVERIFY(writeFile("boot.hex", upper(0x0800) + data(0, "\x01") + ":0200000001020A\n"));
    m_dialogs->answers = {QStringLiteral("boot.hex"),
                          QStringLiteral("21"),
                          QStringLiteral("03"),
                          QStringLiteral("05"),
                          5,
                          3};
    click("pushButtonCreateBootBin");

    QCOMPARE(logLines(), (QStringList{"Lc420_bootloader::slotpushButtonCreateBootBin(bool t)",
                                      "210305005", "HexToBin error: -8)"}));
    const QList<ScriptedDialogs::Question> boxes = m_dialogs->askedOf("critical");
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes[0].title, QStringLiteral("Error"));
    QCOMPARE(boxes[0].label, QStringLiteral("HexToBin error: -8)"));
    QCOMPARE(binFiles(), QStringList());
}

void TestFirmwareSlots::bootBinFileError()
{
    // A folder where the second image should go.
    QVERIFY(writeFile("boot.hex", end()));
    QVERIFY(QDir::current().mkdir("Lc420Bootloader_210305006.bin"));
    m_dialogs->answers = {QStringLiteral("boot.hex"),
                          QStringLiteral("21"),
                          QStringLiteral("03"),
                          QStringLiteral("05"),
                          5,
                          3};
    click("pushButtonCreateBootBin");

    QCOMPARE(logLines(), QStringList{"Lc420_bootloader::slotpushButtonCreateBootBin(bool t)"}
                             + imageLines("210305005") + QStringList{"210305006"});
    const QList<ScriptedDialogs::Question> boxes = m_dialogs->askedOf("critical");
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes[0].title, QStringLiteral("File error"));
    const QString path = QDir::current().absoluteFilePath("Lc420Bootloader_210305006.bin");
    QVERIFY2(boxes[0].label.startsWith(QStringLiteral("Cannot write %1: ").arg(path)),
             qPrintable(boxes[0].label));
    QCOMPARE(binFiles(), QStringList{"Lc420Bootloader_210305005.bin"});
}

QTEST_MAIN(TestFirmwareSlots)
#include "tst_firmwareslots.moc"
