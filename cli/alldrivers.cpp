#include "cli/alldrivers.h"

#include "cli/cli.h"
#include "cli/productionlog.h"
#include "core/clock.h"
#include "core/safefile.h"
#include "firmware/upgradefile.h"
#include "firmware/upgradeprocedure.h"
#include "show/showcompare.h"
#include "show/showfile.h"
#include "show/showtransfer.h"
#include "usb/driverinfo.h"
#include "usb/usblc350.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QMutex>
#include <QTextStream>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <memory>
#include <utility>
#include <vector>

namespace Cli {

namespace {

// One driver of the run, and how its work ended. Each is written by its own
// thread only, and read by the main thread after that thread has ended.
struct Unit
{
    QByteArray serial; // the application serial, without the bootloader's "b"
    QString label;     // the serial, or where the device sits when it has none
    QString refusal;   // set when the unit cannot be run at all
    UnitOutcome outcome;
    double seconds = 0;
};

// Progress of every driver at once, on standard error. On a terminal each
// driver has one line, redrawn in place; in a log or a pipe each driver's
// texts appear as lines of their own, prefixed with its serial, and its
// progress not at all. Thread safe.
class Board
{
public:
    Board(QTextStream &stream, bool terminal, const std::vector<Unit> &units)
        : m_stream(stream)
        , m_terminal(terminal)
    {
        for (const Unit &unit : units)
            m_rows.push_back({unit.label, {}, {}, -1});
        if (m_terminal) {
            for (const Row &row : m_rows)
                m_stream << row.label << '\n';
            m_stream.flush();
            m_timer.start();
        }
    }

    void text(int unit, const QString &text)
    {
        QMutexLocker lock(&m_mutex);
        Row &row = m_rows[unit];
        row.text = QString(text).replace(QLatin1Char('\n'), QLatin1Char(' ')).trimmed();
        row.stage.clear();
        row.percent = -1;
        if (!m_terminal)
            m_stream << row.label << ": " << row.text << Qt::endl;
        redraw(true);
    }

    void percent(int unit, const QString &stage, int percent)
    {
        QMutexLocker lock(&m_mutex);
        Row &row = m_rows[unit];
        const bool newStage = row.stage != stage;
        row.stage = stage;
        row.percent = qBound(0, percent, 100);
        redraw(newStage);
    }

    // The result as the summary words it; the log keeps the plain "ok" and
    // "failed: " of outcome.result.
    void finish(int unit, const UnitOutcome &outcome)
    {
        const QString why = outcome.result.section(QLatin1Char(':'), 1).trimmed();
        text(unit, outcome.ok ? Cli::tr("ok", "a driver's result")
                              : Cli::tr("failed", "a driver's result")
                                    + (why.isEmpty() ? QString() : QStringLiteral(": ") + why));
    }

    // A message that is no one driver's (a log that cannot be written).
    void note(const QString &message)
    {
        QMutexLocker lock(&m_mutex);
        if (m_terminal) {
            // Above the board, which is then drawn anew below it.
            m_stream << "\x1b[" << m_rows.size() << "A\r\x1b[J" << message << '\n';
            for (const Row &row : m_rows)
                m_stream << row.label << '\n';
            redraw(true);
        } else {
            m_stream << message << Qt::endl;
        }
    }

    void close()
    {
        QMutexLocker lock(&m_mutex);
        redraw(true);
    }

private:
    struct Row
    {
        QString label;
        QString text;
        QString stage;
        int percent;
    };

    // Redrawing every line on every chunk would flood a slow terminal; ten
    // frames a second are plenty, and a new stage or text is shown at once.
    void redraw(bool now)
    {
        if (!m_terminal || (!now && m_timer.elapsed() < 100))
            return;
        m_timer.restart();
        m_stream << "\x1b[" << m_rows.size() << 'A';
        for (const Row &row : m_rows) {
            m_stream << '\r' << row.label.leftJustified(12) << ' ';
            // Each line fits the help's width: a longer one would wrap, and
            // the cursor-up count that redraws the board would be wrong.
            if (row.percent >= 0)
                m_stream << Progress::bar(row.stage, row.percent, HelpWidth - 13);
            else
                m_stream << row.text.left(HelpWidth - 14);
            m_stream << "\x1b[K\n";
        }
        m_stream.flush();
    }

    QMutex m_mutex;
    QTextStream &m_stream;
    const bool m_terminal;
    std::vector<Row> m_rows;
    QElapsedTimer m_timer;
};

class BoardReport : public UnitReport
{
public:
    BoardReport(Board &board, int unit)
        : m_board(board)
        , m_unit(unit)
    {}
    void text(const QString &text) override { m_board.text(m_unit, text); }
    void percent(const QString &stage, int percent) override
    {
        m_board.percent(m_unit, stage, percent);
    }

private:
    Board &m_board;
    int m_unit;
};

QString describeFound(UsbDevice::Found::Outcome outcome)
{
    switch (outcome) {
    case UsbDevice::Found::Outcome::AccessDenied:
        return QStringLiteral("failed: ")
               + tr("this user may not open the driver (see lc420-cli list)");
    case UsbDevice::Found::Outcome::Failed:
        return QStringLiteral("failed: ") + tr("the driver cannot be opened");
    case UsbDevice::Found::Outcome::Connected:
    case UsbDevice::Found::Outcome::OtherSerial:
    case UsbDevice::Found::Outcome::WrongId:
        break;
    }
    return {};
}

// Every Lc420 on the buses as a unit. Devices that are no Lc420 (a wrong
// identification word) are not counted; a driver that cannot be opened, or
// one whose serial cannot pin it (none, or one another driver reports too),
// is a unit that fails without being run.
std::vector<Unit> findUnits()
{
    USBLC350 probe;
    std::vector<Unit> units;
    for (const UsbDevice::Found &found : probe.listDrivers()) {
        Unit unit;
        unit.serial = found.serial;
        if (DriverInfo::modeFromSerial(unit.serial) == DriverInfo::Mode::Bootloader)
            unit.serial.chop(1);
        unit.label = unit.serial.isEmpty() ? QStringLiteral("bus %1 dev %2")
                                                 .arg(QString::fromLatin1(found.bus),
                                                      QString::fromLatin1(found.device))
                                           : QString::fromLatin1(unit.serial);
        if (found.outcome == UsbDevice::Found::Outcome::Connected) {
            if (unit.serial.isEmpty())
                unit.refusal
                    = QStringLiteral("failed: ") + tr("the driver reports no serial number");
        } else {
            unit.refusal = describeFound(found.outcome);
            if (unit.refusal.isEmpty())
                continue;
        }
        units.push_back(unit);
    }
    for (Unit &unit : units) {
        const auto same = std::count_if(units.begin(), units.end(), [&unit](const Unit &other) {
            return !unit.serial.isEmpty() && other.serial == unit.serial;
        });
        if (same > 1)
            unit.refusal = QStringLiteral("failed: ")
                           + tr("%n drivers report this serial number", nullptr, int(same));
    }
    // The summary in serial order, whatever order the hub lists them in.
    std::stable_sort(units.begin(), units.end(),
                     [](const Unit &a, const Unit &b) { return a.label < b.label; });
    return units;
}

// rerun: the command and its arguments, as one driver runs them again.
void printSummary(const std::vector<Unit> &units, const QStringList &rerun)
{
    if (globalOptions().json) {
        QJsonArray rows;
        for (const Unit &unit : units)
            rows.append(QJsonObject{{QStringLiteral("serial"), unit.label},
                                    {QStringLiteral("ok"), unit.outcome.ok},
                                    {QStringLiteral("result"), unit.outcome.result},
                                    {QStringLiteral("seconds"), qRound(unit.seconds * 10) / 10.0}});
        printJsonArray(rows);
        return;
    }
    // The table holds "ok" or "failed"; each failure's sentence follows it, so
    // that a long one does not stretch every row past the terminal's width.
    const auto verdict = [](const Unit &unit) {
        return unit.outcome.ok ? tr("ok", "a driver's result") : tr("failed", "a driver's result");
    };
    qsizetype width = tr("Result").size();
    for (const Unit &unit : units)
        width = qMax(width, verdict(unit).size());
    out() << '\n'
          << tr("Serial").leftJustified(12) << ' ' << tr("Result").leftJustified(width) << ' '
          << tr("Seconds") << '\n';
    for (const Unit &unit : units)
        out() << unit.label.leftJustified(12) << ' ' << verdict(unit).leftJustified(width) << ' '
              << seconds(unit.seconds).rightJustified(7) << '\n';
    bool first = true;
    for (const Unit &unit : units) {
        // A failure's result is "failed: " and its sentence.
        const QString why = unit.outcome.result.section(':', 1).trimmed();
        if (unit.outcome.ok || why.isEmpty())
            continue;
        out() << (std::exchange(first, false) ? "\n" : "") << unit.label << ": " << why << '\n';
    }
    // What to type to try again, each failed driver on its own.
    QStringList again;
    for (const Unit &unit : units) {
        if (unit.outcome.ok || unit.serial.isEmpty())
            continue;
        QStringList words{QStringLiteral("--serial"), QString::fromLatin1(unit.serial)};
        if (!globalOptions().logFile.isEmpty())
            words << QStringLiteral("--log") << globalOptions().logFile;
        again.append(QStringLiteral("  ") + suggestion(words + rerun, false));
    }
    if (!again.isEmpty())
        out() << '\n'
              << tr("To run it again on the driver that failed:", "followed by one command a line",
                    int(again.size()))
              << '\n'
              << again.join(QLatin1Char('\n')) << '\n';
    out().flush();
}

// A driver's result for the summary and the log: "ok", or "failed: " and
// the core's sentence.
QString transferResult(const Show::TransferResult &result, Show::Kind kind)
{
    if (result.ok())
        return QStringLiteral("ok");
    return QStringLiteral("failed: ") + Show::describe(result, kind, Show::Direction::Write);
}

} // namespace

QString upgradeResult(const UpgradeProcedure::Result &result)
{
    if (result.succeeded())
        return QStringLiteral("ok");
    return QStringLiteral("failed: ") + describe(result);
}

int runOnAllDrivers(const QString &command, const QString &fileName, const QString &fileCheck,
                    const UnitJob &job)
{
    std::vector<Unit> units = findUnits();
    if (units.empty()) {
        reportConnection(Connection::Result{Connection::Outcome::NoDriver, {}, {}, {}, 0});
        return DeviceFailure;
    }
    // The summary alone goes to standard output.
    Board board(err(), Progress::shown(), units);
    std::atomic<bool> logged{true};

    std::vector<std::unique_ptr<QThread>> threads;
    for (int index = 0; index < int(units.size()); ++index) {
        threads.emplace_back(QThread::create([&, index] {
            Unit &unit = units[std::size_t(index)];
            Clock::Participant participant;
            QElapsedTimer timer;
            timer.start();
            if (!unit.refusal.isEmpty()) {
                unit.outcome = {false, unit.refusal};
            } else {
                // The report outlives the device, whose signals the job
                // connects to it.
                BoardReport report(board, index);
                USBLC350 device;
                device.setSerialFilter(unit.serial);
                unit.outcome = job(device, report);
                device.disconnect();
                if (unit.outcome.mayLeaveLocked)
                    unit.outcome.result += QLatin1Char(' ') + releaseHint(unit.serial);
            }
            unit.seconds = double(timer.elapsed()) / 1000.0;
            board.finish(index, unit.outcome);
            const QString why
                = logUnit({unit.serial.isEmpty() ? unit.label.toLatin1() : unit.serial, command,
                           fileName, fileCheck, unit.outcome.result});
            if (!why.isEmpty()) {
                board.note(why);
                logged = false;
            }
        }));
        threads.back()->start();
    }
    for (auto &thread : threads)
        thread->wait();
    board.close();
    printSummary(units, command.split(QLatin1Char(' ')) + QStringList{fileName});

    const bool allOk
        = std::all_of(units.begin(), units.end(), [](const Unit &unit) { return unit.outcome.ok; });
    if (!allOk)
        return DeviceFailure;
    return logged ? Success : FileError;
}

int upgradeAllDrivers(const QString &fileName)
{
    // The file is read and checked once, before any driver is touched; every
    // driver gets these very bytes, and the log their check words.
    Upgrade::FileContents file;
    if (const QString why = readUpgradeInput(fileName, file); !why.isEmpty()) {
        err() << fileName << ": " << why << Qt::endl;
        if (const QString hint = hexFileHint(fileName); !hint.isEmpty())
            err() << hint << Qt::endl;
        return FileError;
    }
    return runOnAllDrivers(
        QStringLiteral("upgrade"), fileName, upgradeFileCheck(Upgrade::unscrambleImage(file.image)),
        [&fileName, &file](USBLC350 &device, UnitReport &report) {
            QObject::connect(&device, &USBLC350::sendPercentExtFlashWrite, [&report](int percent) {
                report.percent(tr("External flash write"), percent);
            });
            QObject::connect(&device, &USBLC350::sendPercentExtFlashRead, [&report](int percent) {
                report.percent(tr("External flash verify"), percent);
            });
            UpgradeProcedure procedure(
                device, [&report](const QString &text) { report.text(text); },
                [&report](int percent) {
                    if (percent > 0)
                        report.percent(tr("Flash"), percent);
                });
            const UpgradeProcedure::Result result = procedure.runAndConfirm(fileName, file);
            return UnitOutcome{result.succeeded(), upgradeResult(result)};
        });
}

QString readUpgradeInput(const QString &fileName, Upgrade::FileContents &file)
{
    QFile input(fileName);
    if (QString why = SafeFile::openForReading(input); !why.isEmpty())
        return why;
    file = Upgrade::readFile(input);
    if (!file.headerMatches() || !file.versionMatches() || !file.complete
        || !Upgrade::checkImage(Upgrade::unscrambleImage(file.image)).ok())
        return tr("damaged: it is no usable upgrade file.");
    return {};
}

QString readShowInput(const QString &fileName, Show::Kind kind, ShowInput &input, bool withCheck)
{
    QFile file(fileName);
    if (const QString why = SafeFile::openForReading(file); !why.isEmpty())
        return tr("%1 cannot be read: %2").arg(fileName, why);
    // The show file reader reads the header, the version and the table, and
    // seeks over the rest of a longer block: what a length field claims costs
    // nothing, and the file is accepted or refused as the window does.
    const Show::FileContents contents = Show::readFile(file, kind);
    if (!contents.ok())
        return fileError(contents, fileName, kind, {QStringLiteral("set"), fileName});
    input.table = contents.table;
    if (withCheck)
        input.sha256 = QString::fromLatin1(Show::fileSha256(kind, input.table));
    return {};
}

QByteArray unitSerial(USBLC350 &device)
{
    QByteArray serial;
    if (device.connect() == 0)
        serial = DriverInfo::readSerial(device);
    if (DriverInfo::modeFromSerial(serial) == DriverInfo::Mode::Bootloader)
        serial.chop(1);
    return serial.isEmpty() ? globalOptions().serial : serial;
}

QString logShowSet(const QByteArray &serial, Show::Kind kind, const QString &fileName,
                   const QString &check, const Show::TransferResult &result)
{
    return logUnit({serial, kindName(kind) + QStringLiteral(" set"), fileName, check,
                    transferResult(result, kind)});
}

int setTableOnAllDrivers(Show::Kind kind, const QString &fileName)
{
    ShowInput input;
    if (const QString why = readShowInput(fileName, kind, input, productionLog().isOpen());
        !why.isEmpty()) {
        err() << "lc420-cli: " << why << Qt::endl;
        return FileError;
    }
    const QString what = kindName(kind);
    return runOnAllDrivers(
        what + QStringLiteral(" set"), fileName, input.sha256,
        [&](USBLC350 &device, UnitReport &report) {
            const QString stage
                = kind == Show::Kind::Programs ? tr("Writing programs") : tr("Writing scenes");
            QObject::connect(&device, &USBLC350::sendPercentExtFlashWrite,
                             [&report, &stage](int percent) { report.percent(stage, percent); });
            const Show::TransferResult result = Show::writeTable(device, kind, input.table);
            return UnitOutcome{result.ok(), transferResult(result, kind), result.mayLeaveLocked()};
        });
}

} // namespace Cli
