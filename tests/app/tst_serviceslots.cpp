// The service console as a technician uses it: every question through the
// scripted dialogs, against the simulated driver.

#include "app/driverindicator.h"
#include "app/lc460_bootloader.h"
#include "core/hexdump.h"
#include "service/servicevalues.h"
#include "sim/simulatedbus.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/tracecapture.h"
#include "usb/connection.h"
#include "usb/scramble.h"
#include "usb/servicecommands.h"

#include <QDir>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

using Memory = Lc420Model::Memory;
using Questions = QList<ScriptedDialogs::Question>;

namespace {

// The dump as the log shows it, without its first two lines (an empty one and
// the buffer's address, which differs between two buffers).
QString rows(const QString &dump)
{
    return dump.section(QLatin1Char('\n'), 2);
}

QString rowsOf(const QByteArray &bytes)
{
    return rows(QString::fromLatin1(hexDump(bytes.constData(), int(bytes.size()))));
}

// A dump of the driver's bytes at address, as the log shows it.
QString dumpAt(const QByteArray &bytes, quint32 address)
{
    return QString::fromLatin1(hexDumpAt(bytes.constData(), int(bytes.size()), address));
}

QString cause(Connection::Outcome outcome)
{
    return Connection::describe({outcome, {}, {}, {}, 0});
}

QByteArray counting(int length)
{
    QByteArray bytes(length, '\0');
    for (int i = 0; i < length; ++i)
        bytes[i] = char(i * 7 + 3);
    return bytes;
}

QList<int> values(const QSignalSpy &spy)
{
    QList<int> result;
    for (const QList<QVariant> &signal : spy)
        result.append(signal.at(0).toInt());
    return result;
}

} // namespace

class TestServiceSlots : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void questions_data();
    void questions();
    void outcome_data();
    void outcome();
    void rememberedValuesSurviveALanguageSwitch();
    void readMemory_data();
    void readMemory();
    void pageAndTestBlock();
    void driverStateAfterwards_data();
    void driverStateAfterwards();
    void lockOfAHeldDriverReachesTheIndicator();
    void writeExternalFlash_data();
    void writeExternalFlash();
    void writeExtFlashBin_data();
    void writeExtFlashBin();
    void serviceOption();
    void refusedDriverIsExplainedOnce();

private:
    QString log() const { return window->findChild<QTextBrowser *>("txt")->toPlainText(); }
    // Presses the button and waits until the job it started has ended and
    // reported.
    void click(const char *name) const
    {
        Q_EMIT window->findChild<QPushButton *>(QLatin1String(name))->clicked(false);
        const auto *job = window->findChild<QProgressBar *>(QStringLiteral("progressBarJob"));
        QTRY_VERIFY_WITH_TIMEOUT(job->isHidden(), 20000);
    }
    Lc420Model &driver() const { return bus->device(); }
    void newWindow();

    QTemporaryDir dir;
    std::unique_ptr<SimulatedBus> bus;
    std::unique_ptr<Lc460_bootloader> window;
    ScriptedDialogs *dialogs = nullptr; // owned by the window
};

void TestServiceSlots::newWindow()
{
    window = std::make_unique<Lc460_bootloader>();
    dialogs = scriptDialogs(*window);
}

void TestServiceSlots::init()
{
    ServiceValues::remembered() = ServiceValues{};
    bus = std::make_unique<SimulatedBus>();
    newWindow();
}

void TestServiceSlots::cleanup()
{
    window.reset();
    bus.reset();
}

void TestServiceSlots::questions_data()
{
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<QString>("expected"); // kind|title|label|initial|min|max|step per question

    QTest::newRow("Read") << QByteArray("pushButtonRead")
                          << "text|Read From Lc350|Address (hex)|0x8000000|0|0|0\n"
                             "int|Read From Lc350|Length (dec)|256|1|1048576|1";
    QTest::newRow("WritePage") << QByteArray("pushButtonWritePage")
                               << "int|Fill pattern|Number (dec)|0|0|255|1";
    QTest::newRow("ReadExternalFlash")
        << QByteArray("pushButtonReadExternalFlash")
        << "text|Read External Flash From Lc350|Address (hex)|0x0|0|0|0\n"
           "int|Read External Flash From Lc350|Length (dec)|512|1|1048576|1";
    QTest::newRow("WriteExternalFlash")
        << QByteArray("pushButtonWriteExternalFlash")
        << "text|Write To External Flash Lc350|Address (hex)|0x0|0|0|0\n"
           "int|Write To External Flash Lc350|Length (dec)|1|1|1048576|1\n"
           "text|Write To External Flash Lc350|Data(hex)|0x1|0|0|0";
    QTest::newRow("WriteExtFlashBin")
        << QByteArray("pushButtonWriteExtFlashBin") << "open|Open File|Bin (*.bin)|.|0|0|0";
}

// Each dialog with its texts and range; answering every one but the last and
// cancelling that one touches no memory.
void TestServiceSlots::questions()
{
    QFETCH(QByteArray, button);
    QFETCH(QString, expected);
    const QStringList lines = expected.split(QLatin1Char('\n'));
    for (int cancelAt = 0; cancelAt < lines.size(); ++cancelAt) {
        dialogs->asked.clear();
        dialogs->answers.clear();
        for (int i = 0; i < cancelAt; ++i)
            dialogs->answers.append(lines[i].section('|', 0, 0) == "int"
                                        ? QVariant(lines[i].section('|', 3, 3).toInt())
                                        : QVariant(lines[i].section('|', 3, 3)));
        driver().clearTransferLog();
        click(button);
        QCOMPARE(dialogs->asked.size(), cancelAt + 1);
        QCOMPARE(driver().commandLog().size(), 0);
    }
    for (int i = 0; i < lines.size(); ++i) {
        const ScriptedDialogs::Question &q = dialogs->asked[i];
        const QString initial = q.kind == "open" ? q.dir : q.value.toString();
        QCOMPARE(QStringList({q.kind, q.title, q.label, initial, QString::number(q.min),
                              QString::number(q.max), QString::number(q.step)})
                     .join('|'),
                 lines[i]);
        QCOMPARE(q.parent, window.get());
    }
}

void TestServiceSlots::outcome_data()
{
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<QVariantList>("answers");
    QTest::addColumn<int>("failing"); // a request the driver fails, or 0
    QTest::addColumn<QString>("logAfter");
    QTest::addColumn<QString>("box"); // kind|title|text

    const QString status = QStringLiteral("%1").arg(0x80000001u, 32, 2, QLatin1Char('0'));
    const QString one = QString(31, '0') + '1';
    const QString conversion = "warning|error|Conversion error";
    const QString inApplication = QStringLiteral(
        "Driver 261107001 runs its application, which refuses page writes: a page is written only "
        "in the bootloader. Press \"Run Application\" to restart the driver in its bootloader, "
        "then write the page again.");
    const QString restarts = QStringLiteral("Run Application: the driver restarts and does not "
                                            "answer yet. The next command connects to it again.");
    const QString refused = '\n' + cause(Connection::Outcome::Refused);
    const QString noDriver = '\n' + cause(Connection::Outcome::NoDriver);
    // clang-format off
    QTest::newRow("Connect") << QByteArray("pushButtonConnect") << QVariantList{} << 0 << "earlier\nConnect OK" << "";
    QTest::newRow("Connect fails") << QByteArray("pushButtonConnect") << QVariantList{} << 255 << "earlier\nConnect ERROR" + noDriver << "";
    QTest::newRow("Read: not hexadecimal") << QByteArray("pushButtonRead") << QVariantList{"0x8000g00", 16} << 0 << "earlier" << conversion;
    QTest::newRow("Read: unmapped address") << QByteArray("pushButtonRead") << QVariantList{"0x30000000", 16} << 0 << "earlier" << "warning|error|ReadMemoryFromAddress error" + refused;
    QTest::newRow("Read: past the end of flash") << QByteArray("pushButtonRead") << QVariantList{"0x801fff0", 32} << 0 << "earlier" << "warning|error|ReadMemoryFromAddress error" + refused;
    QTest::newRow("Read: transfer fails") << QByteArray("pushButtonRead") << QVariantList{"0x8000000", 16} << 1 << "earlier" << "warning|error|ReadMemoryFromAddress error" + refused;
    QTest::newRow("ReadExternalFlash: not hexadecimal") << QByteArray("pushButtonReadExternalFlash") << QVariantList{"-1", 16} << 0 << "earlier" << conversion;
    QTest::newRow("ReadExternalFlash: transfer fails") << QByteArray("pushButtonReadExternalFlash") << QVariantList{"0", 16} << 5 << "earlier" << "warning|error|ReadExternalFlashFromAddress error" + refused;
    QTest::newRow("WriteExternalFlash: address not hexadecimal") << QByteArray("pushButtonWriteExternalFlash") << QVariantList{"0x"} << 0 << "earlier" << conversion;
    QTest::newRow("WriteExternalFlash: data too big") << QByteArray("pushButtonWriteExternalFlash") << QVariantList{"0", 1, "0x100000000"} << 0 << "earlier" << conversion;
    QTest::newRow("Disconnect") << QByteArray("pushButtonDisconnect") << QVariantList{} << 0 << "earlier\nDisconnected from the driver. The next command connects again." << "";
    QTest::newRow("WritePage in the application: why") << QByteArray("pushButtonWritePage") << QVariantList{170} << 0 << "earlier\npage write ERROR\n" + inApplication << "";
    QTest::newRow("WritePage with no driver: why") << QByteArray("pushButtonWritePage") << QVariantList{170} << 255 << "earlier\npage write ERROR\nNo driver answered. Check the USB cable and press \"Connect\"." + noDriver << "";
    QTest::newRow("test block sent: logged") << QByteArray("pushButtonWrite") << QVariantList{} << 0 << "earlier\nTest block sent: 512 bytes, 0x00 to 0xFF twice." << "";
    QTest::newRow("test block refused: logged") << QByteArray("pushButtonWrite") << QVariantList{} << 2 << "earlier\nWrite ERROR" + refused << "";
    QTest::newRow("RunApplication refused: where the driver is") << QByteArray("pushButtonRunApplication") << QVariantList{} << 4 << "earlier\nRun Application: driver 261107001 runs its application." << "";
    QTest::newRow("RunApplication with no driver") << QByteArray("pushButtonRunApplication") << QVariantList{} << 255 << "earlier\n" + restarts << "";
    QTest::newRow("StatusGet: bits 31 and 0") << QByteArray("pushButtonStatusGet") << QVariantList{} << 0 << "earlier\nStatus: " + status << "";
    QTest::newRow("StatusGet fails") << QByteArray("pushButtonStatusGet") << QVariantList{} << 9 << "earlier\nStatus: ERROR" + refused << "";
    QTest::newRow("StatusSet") << QByteArray("pushButtonStatusSet") << QVariantList{} << 0 << "earlier\nStatusSet(" + one + ")" << "";
    QTest::newRow("StatusSet fails") << QByteArray("pushButtonStatusSet") << QVariantList{} << 7 << "earlier\nStatusSet() ERROR" + refused << "";
    QTest::newRow("StatusClr") << QByteArray("pushButtonStatusClr") << QVariantList{} << 0 << "earlier\nStatusClr(" + one + ")" << "";
    QTest::newRow("StatusClr fails") << QByteArray("pushButtonStatusClr") << QVariantList{} << 8 << "earlier\nStatusClr() ERROR" + refused << "";
    // clang-format on
}

// What a command leaves in the log pane and which box it shows.
void TestServiceSlots::outcome()
{
    QFETCH(QByteArray, button);
    QFETCH(QVariantList, answers);
    QFETCH(int, failing);
    QFETCH(QString, logAfter);
    QFETCH(QString, box);
    driver().setStatus(0x80000001u);
    if (failing)
        driver().failNextTransfers(1000, Lc420Model::Match::vendor(quint8(failing)), EPIPE);
    window->findChild<QTextBrowser *>("txt")->append("earlier");
    dialogs->answers = answers;
    click(button);

    QCOMPARE(log(), logAfter);
    QStringList boxes;
    for (const ScriptedDialogs::Question &q : dialogs->asked) {
        if (!QStringList{"text", "int", "open"}.contains(q.kind))
            boxes.append(QStringList{q.kind, q.title, q.label}.join('|'));
    }
    QCOMPARE(boxes, box.isEmpty() ? QStringList() : QStringList{box});
}

void TestServiceSlots::rememberedValuesSurviveALanguageSwitch()
{
    dialogs->answers = {QStringLiteral("0X20000010"), 4};
    click("pushButtonRead");
    dialogs->answers = {QStringLiteral("0x100"), 64};
    click("pushButtonReadExternalFlash");
    dialogs->answers = {77};
    click("pushButtonWritePage");
    dialogs->answers = {QStringLiteral("0x10"), 8, QStringLiteral("no")};
    click("pushButtonWriteExternalFlash");

    // A language switch builds a new window.
    newWindow();
    for (const char *button : {"pushButtonRead", "pushButtonReadExternalFlash",
                               "pushButtonWritePage", "pushButtonWriteExternalFlash"})
        click(button);
    QStringList proposals;
    for (const ScriptedDialogs::Question &q : dialogs->asked)
        proposals.append(q.value.toString());
    QCOMPARE(proposals, QStringList({"0x20000010", "0x100", "77", "0x10"}));
    QCOMPARE(ServiceValues::remembered().readLength, 4);
    QCOMPARE(ServiceValues::remembered().externalReadLength, 64);
    QCOMPARE(ServiceValues::remembered().externalWriteLength, 8);
    // Data that failed to convert is remembered as 0.
    QCOMPARE(ServiceValues::remembered().externalWriteData, 0u);
}

void TestServiceSlots::readMemory_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<int>("length");
    QTest::addColumn<quint32>("flashAddress"); // where the bytes are; 0: the RAM's zeros
    QTest::addColumn<quint32>("readAt");       // the address the dump names

    QTest::newRow("20 bytes from the proposal: full row and a padded row")
        << "0x8000000" << 20 << 0x08000000u << 0x08000000u;
    QTest::newRow("boot alias at 0x0, as proposed after a conversion error")
        << "0x0" << 48 << 0x08000000u << 0u;
    QTest::newRow("two chunks, without the prefix")
        << "08004000" << 2100 << 0x08004000u << 0x08004000u;
    QTest::newRow("RAM") << "0x20000000" << 16 << 0u << 0x20000000u;
}

void TestServiceSlots::readMemory()
{
    QFETCH(QString, address);
    QFETCH(int, length);
    QFETCH(quint32, flashAddress);
    QFETCH(quint32, readAt);
    window->findChild<QTextBrowser *>("txt")->append("earlier");
    TraceCapture trace;
    dialogs->answers = {address, length};
    click("pushButtonRead");

    QCOMPARE(trace.lines().value(0),
             QStringLiteral("Lc460_bootloader::slotpushButtonRead(bool t)"));
    const QByteArray expected = flashAddress == 0
                                    ? QByteArray(length, '\0')
                                    : driver().read(Memory::Internal, flashAddress, length);
    // The driver's address, never the host's; the earlier lines cleared.
    QCOMPARE(log(), dumpAt(expected, readAt));
}

void TestServiceSlots::pageAndTestBlock()
{
    driver().setMode(Lc420Model::Mode::Bootloader);
    TraceCapture trace;
    dialogs->answers = {170};
    click("pushButtonWritePage");
    click("pushButtonWrite");

    QCOMPARE(driver().read(Memory::Internal, 0x08005000, 1024), QByteArray(1024, char(0xAA)));
    QByteArray block(512, '\0');
    for (int i = 0; i < 512; ++i)
        block[i] = char(i);
    QCOMPARE(driver().lastTestBlock(), block);
    // Both say what they did; the trace holds the test block as one quoted
    // dump.
    QCOMPARE(log(), Service::describePageWritten(0xAA)
                        + QStringLiteral("\nTest block sent: 512 bytes, 0x00 to 0xFF twice."));
    const QStringList lines = trace.lines();
    QVERIFY(lines.contains("page write OK"));
    QVERIFY(lines.last().startsWith("\"\n src address: 0x"));
    QCOMPARE(rows(lines.last().chopped(1)), rowsOf(block));
}

void TestServiceSlots::driverStateAfterwards_data()
{
    QTest::addColumn<bool>("bootloader");
    QTest::addColumn<int>("resetMs");
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<int>("failing"); // a request the driver fails, or 0
    QTest::addColumn<QString>("line");

    // clang-format off
    QTest::newRow("the bootloader refuses the page") << true << 1000 << QByteArray("pushButtonWritePage") << 3 << "The bootloader of driver 261107001 refused the page.";
    QTest::newRow("application resets into the bootloader") << false << 0 << QByteArray("pushButtonRunApplication") << 0 << "Run Application: driver 261107001 waits in its bootloader.";
    QTest::newRow("bootloader starts the application") << true << 0 << QByteArray("pushButtonRunApplication") << 0 << "Run Application: driver 261107001 runs its application.";
    QTest::newRow("the driver is still off the bus") << false << 1000 << QByteArray("pushButtonRunApplication") << 0 << "Run Application: the driver restarts and does not answer yet. The next command connects to it again.";
    // clang-format on
}

// The last log line names the driver by its nine digits and says its mode.
void TestServiceSlots::driverStateAfterwards()
{
    QFETCH(bool, bootloader);
    QFETCH(int, resetMs);
    QFETCH(QByteArray, button);
    QFETCH(int, failing);
    QFETCH(QString, line);
    if (bootloader)
        driver().setMode(Lc420Model::Mode::Bootloader);
    driver().setResetTimeMs(resetMs);
    if (failing)
        driver().failNextTransfers(1000, Lc420Model::Match::vendor(quint8(failing)), EPIPE);
    dialogs->answers = {170};
    click(button);

    QCOMPARE(log().section(QLatin1Char('\n'), -1), line);
}

// Connect holds the driver open, so the monitor never reads it: the bit the
// console sets or clears is what the indicator shows.
void TestServiceSlots::lockOfAHeldDriverReachesTheIndicator()
{
    window->driverIndicator().start({});
    const DriverMonitor &monitor = window->driverIndicator().monitor();
    click("pushButtonConnect");
    for (const bool locked : {true, false, true}) {
        click(locked ? "pushButtonStatusSet" : "pushButtonStatusClr");
        QCOMPARE(driver().status() & 1u, locked ? 1u : 0u);
        QTRY_COMPARE(monitor.drivers().value(0).locked, std::optional<bool>(locked));
    }
}

void TestServiceSlots::writeExternalFlash_data()
{
    QTest::addColumn<QVariantList>("answers");
    QTest::addColumn<bool>("fails");
    QTest::addColumn<quint32>("address");
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<QString>("header");

    QByteArray word(4, char(0xAB));
    encodeWords(word.data(), 4);
    QTest::newRow("initial values: one byte 0x01, plain")
        << QVariantList{"0x0", 1, "0x1"} << false << 0u << QByteArray(1, 1)
        << "lenght:        1\naddress: 0x       0";
    QTest::newRow("length 6, data 0xAB: one word encoded, two bytes plain")
        << QVariantList{"0x1f00", 6, "0xAB"} << false << 0x1F00u << word + QByteArray(2, char(0xAB))
        << "lenght:        6\naddress: 0x    1f00";
    QTest::newRow("failed write: pieces, then the error box")
        << QVariantList{"0x0", 1, "0x1"} << true << 0u << QByteArray(1, 1)
        << "lenght:        1\naddress: 0x       0";
}

void TestServiceSlots::writeExternalFlash()
{
    QFETCH(QVariantList, answers);
    QFETCH(bool, fails);
    QFETCH(quint32, address);
    QFETCH(QByteArray, sent);
    QFETCH(QString, header);
    if (fails)
        driver().failNextTransfers(1000, Lc420Model::Match::vendor(6));
    dialogs->answers = answers;
    click("pushButtonWriteExternalFlash");

    // The dump counts from the driver's address; a write read back equal
    // says so.
    QCOMPARE(log(), header + '\n' + dumpAt(sent, address)
                        + (fails ? QString()
                                 : '\n' + Service::describeWritten(int(sent.size()), address)));
    QCOMPARE(driver().read(Memory::External, address, int(sent.size())),
             fails ? QByteArray(sent.size(), char(0xFF)) : sent);
    const Questions boxes = dialogs->askedOf("critical");
    QCOMPARE(boxes.size(), fails ? 1 : 0);
    if (fails) {
        QCOMPARE(boxes[0].title, QStringLiteral("Error"));
        QCOMPARE(boxes[0].label, QStringLiteral("WriteExternalFlashToAddress\n")
                                     + cause(Connection::Outcome::TimedOut));
    }
}

void TestServiceSlots::writeExtFlashBin_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("corrupt");
    QTest::addColumn<int>("answer");   // to the question before writing; 0: no question
    QTest::addColumn<QString>("kind"); // the box afterwards, if any
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("writeBar");
    QTest::addColumn<QList<int>>("readBar");
    QTest::addColumn<QString>("trace"); // the length error's trace line, if any

    const int ok = QMessageBox::Ok;
    const int cancel = QMessageBox::Cancel;
    QTest::newRow("1024 bytes") << 1024 << false << ok << "information"
                                << Service::describeWritten(1024, 0) << QList<int>{25, 50, 75, 100}
                                << QList<int>{50, 100} << "";
    QTest::newRow("1024 bytes, cancelled at the question")
        << 1024 << false << cancel << ""
        << "" << QList<int>{} << QList<int>{} << "";
    QTest::newRow("read back differs")
        << 1024 << true << ok << "critical"
        << "memcmp" << QList<int>{25, 50, 75, 100} << QList<int>{50, 100} << "";
    QTest::newRow("1022 bytes") << 1022 << false << 0 << "critical"
                                << "Length should be aligned to 4" << QList<int>{} << QList<int>{}
                                << "length error 1022";
    QTest::newRow("empty file") << 0 << false << 0 << "critical"
                                << "Length should be aligned to 4" << QList<int>{} << QList<int>{}
                                << "length error 0";
    QTest::newRow("larger than the external flash")
        << 1048580 << false << 0 << "critical"
        << "The file is larger than the external flash (1048576 bytes)" << QList<int>{}
        << QList<int>{} << "length error 1048580";
}

void TestServiceSlots::writeExtFlashBin()
{
    QFETCH(int, size);
    QFETCH(bool, corrupt);
    QFETCH(int, answer);
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QFETCH(QList<int>, writeBar);
    QFETCH(QList<int>, readBar);
    QFETCH(QString, trace);
    const QByteArray image = counting(size);
    const QString file = dir.filePath(QStringLiteral("image.bin"));
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(out.write(image), qint64(size));
    out.close();
    if (corrupt)
        driver().corruptReadBack(Memory::External, 1000, 1);
    QSignalSpy writes(window->findChild<QProgressBar *>("progressBarExtFlashWr"),
                      &QProgressBar::valueChanged);
    QSignalSpy reads(window->findChild<QProgressBar *>("progressBarExtFlashRd"),
                     &QProgressBar::valueChanged);
    dialogs->answers = {file};
    if (answer)
        dialogs->answers.append(answer);
    TraceCapture lines;
    click("pushButtonWriteExtFlashBin");

    // Asked before anything is sent, with the file and its size, Cancel the default.
    const Questions questions = dialogs->askedOf("question");
    QCOMPARE(questions.size(), answer ? 1 : 0);
    if (answer) {
        QCOMPARE(questions[0].title, QStringLiteral("Write External Flash"));
        QCOMPARE(questions[0].label,
                 QStringLiteral("Write %1 (1024 bytes) to the start of the external flash of "
                                "driver 261107001?\n\n"
                                "The first 1024 bytes the external flash holds now are "
                                "overwritten.")
                     .arg(QDir::toNativeSeparators(file)));
        QCOMPARE(questions[0].defaultButton, int(QMessageBox::Cancel));
        QCOMPARE(questions[0].parent, window.get());
    }
    QCOMPARE(lines.lines().filter("length error"),
             trace.isEmpty() ? QStringList() : QStringList{trace});
    QStringList boxes;
    for (const ScriptedDialogs::Question &q : dialogs->asked) {
        if (q.kind != "open" && q.kind != "question")
            boxes.append(q.kind + '|' + q.label);
    }
    QCOMPARE(boxes, kind.isEmpty() ? QStringList() : QStringList{kind + '|' + text});
    QCOMPARE(values(writes), writeBar);
    QCOMPARE(values(reads), readBar);
    if (writeBar.isEmpty()) {
        QCOMPARE(driver().commandLog().size(), 0);
    } else {
        // Stored encoded as one buffer, exactly as the file's bytes.
        QByteArray stored = driver().read(Memory::External, 0, size);
        decodeWords(stored.data(), size);
        QCOMPARE(stored, image);
    }
    QCOMPARE(log(), QString());
}

// lc420 --service: the twelve service buttons shown and usable, the two
// production functions still out of reach.
void TestServiceSlots::serviceOption()
{
    window->showServiceButtons();
    QStringList hidden;
    QStringList disabled;
    for (const QPushButton *button : window->findChildren<QPushButton *>()) {
        if (button->isHidden())
            hidden.append(button->objectName());
        if (!button->isEnabled())
            disabled.append(button->objectName());
    }
    const QStringList production{"pushButtonCreateBootBin", "pushButtonCreateUpg"};
    hidden.sort();
    disabled.sort();
    QCOMPARE(hidden, production);
    QCOMPARE(disabled, production);
}

void TestServiceSlots::refusedDriverIsExplainedOnce()
{
    bus->host().setAccessDenied(driver(), true);
    const QString explanation
        = QStringLiteral("Found an Lc420 on bus 001 device %1, but this user may not open it. "
                         "Install the udev rule (packaging/60-lc420.rules, or the package) and "
                         "plug the driver in again.")
              .arg(bus->host().deviceNode(driver()).section(QLatin1Char('/'), -1));

    // The connect runs on the job's worker: the window's explanation comes
    // first, the console's line after it.
    click("pushButtonConnect");
    QTRY_COMPARE(log(), explanation + QStringLiteral("\nConnect ERROR"));
    click("pushButtonConnect");
    QCoreApplication::processEvents();
    QCOMPARE(log(), explanation + QStringLiteral("\nConnect ERROR\nConnect ERROR"));
}

QTEST_MAIN(TestServiceSlots)
#include "tst_serviceslots.moc"
