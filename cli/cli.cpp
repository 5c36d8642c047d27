#include "cli/cli.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace Cli {

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

QString modeName(DriverInfo::Mode mode)
{
    switch (mode) {
    case DriverInfo::Mode::Application:
        return QStringLiteral("application");
    case DriverInfo::Mode::Bootloader:
        return QStringLiteral("bootloader");
    case DriverInfo::Mode::Unknown:
        break;
    }
    return QStringLiteral("unknown");
}

GlobalOptions &globalOptions()
{
    static GlobalOptions options;
    return options;
}

namespace {

QString &lastAccessProblem()
{
    static QString problem;
    return problem;
}

} // namespace

Device::Device()
{
    setSerialFilter(globalOptions().serial);
    // The tool runs every transfer on its main thread, so the note can be
    // kept right here; a later connect that finds a driver clears it.
    setConnectObserver(
        [](const QList<Found> &found) { lastAccessProblem() = UsbDevice::accessProblem(found); });
}

QString accessProblem()
{
    return lastAccessProblem();
}

namespace {
bool reported = false;
}

void reportConnection(const Connection::Result &result)
{
    err() << Connection::describe(result) << Qt::endl;
    reported = true;
}

void reportConnection(const UsbDevice &device)
{
    reportConnection(device.lastResult());
}

bool connectionReported()
{
    return reported;
}

QString lockText(quint32 status, const QByteArray &serial)
{
    // A Get or Set sets bit 0 while it runs and clears it at its end.
    if (!(status & Driver::StatusBit))
        return QStringLiteral("bit 0 clear: no Get or Set left the driver locked");
    return QStringLiteral("bit 0 set: an interrupted Get or Set left the driver locked; release "
                          "it with: lc420-cli --serial %1 status clear")
        .arg(QString::fromLatin1(Connection::plainSerial(serial)));
}

void printJson(const QJsonObject &object)
{
    out() << QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented)) << Qt::flush;
}

void printDrivers(QTextStream &stream, const QList<UsbDevice::Found> &drivers)
{
    const bool withStatus
        = std::any_of(drivers.begin(), drivers.end(),
                      [](const UsbDevice::Found &found) { return found.status.has_value(); });
    QStringList locked;
    stream << (withStatus ? "Bus Device Serial      Mode         Status bit 0\n"
                          : "Bus Device Serial      Mode\n");
    for (const UsbDevice::Found &driver : drivers) {
        QString serial = QString::fromLatin1(driver.serial);
        QString mode;
        switch (driver.outcome) {
        case UsbDevice::Found::Outcome::Connected:
        case UsbDevice::Found::Outcome::OtherSerial:
            mode = modeName(DriverInfo::modeFromSerial(driver.serial));
            break;
        case UsbDevice::Found::Outcome::AccessDenied:
            mode = QStringLiteral("no access for this user");
            break;
        case UsbDevice::Found::Outcome::WrongId:
            mode = QStringLiteral("not an Lc420 (wrong identification)");
            break;
        case UsbDevice::Found::Outcome::Failed:
            mode = QStringLiteral("cannot be opened");
            break;
        }
        if (serial.isEmpty())
            serial = QStringLiteral("-");
        stream << driver.bus.leftJustified(3) << ' ' << driver.device.leftJustified(6) << ' '
               << serial.leftJustified(11) << ' ';
        if (driver.status) {
            const bool set = *driver.status & Driver::StatusBit;
            stream << mode.leftJustified(12) << ' ' << (set ? "set: left locked" : "clear");
            if (set)
                locked.append(QString::fromLatin1(Connection::plainSerial(driver.serial)));
        } else {
            stream << mode;
        }
        stream << '\n';
    }
    // Bit 0 is set by a Get or Set while it runs; left set, it was interrupted.
    for (const QString &serial : locked)
        stream << "Driver " << serial
               << " was left locked by an interrupted Get or Set (status bit 0 set); release it "
                  "with: lc420-cli --serial "
               << serial << " status clear\n";
    stream.flush();
}

Command makeCommand(const QString &name, const QString &synopsis, const QString &summary,
                    int (*handler)(const Command &command, const QStringList &arguments),
                    int traits)
{
    Command command{name, synopsis, summary, {}, traits};
    command.run
        = [command, handler](const QStringList &arguments) { return handler(command, arguments); };
    return command;
}

int usage(const Command &command, const QString &message)
{
    err() << "lc420-cli: " << message << "\nusage: lc420-cli " << command.synopsis << Qt::endl;
    return UsageError;
}

Progress::Progress(QString label)
    : m_label(std::move(label))
    , m_terminal(isatty(fileno(stdout)) != 0)
{}

Progress::~Progress()
{
    finish();
}

void Progress::setPercent(int percent)
{
    percent = qBound(0, percent, 100);
    if (percent == m_percent)
        return;
    m_percent = percent;
    if (!m_terminal) {
        // A log or a pipe gets one line per tenth, not a line per chunk.
        if (percent / 10 != m_loggedTenth || percent == 100) {
            m_loggedTenth = percent / 10;
            out() << m_label << ": " << percent << '%' << Qt::endl;
        }
        return;
    }
    constexpr int Width = 40;
    const int filled = percent * Width / 100;
    out() << '\r' << m_label << " [" << QString(filled, QLatin1Char('#'))
          << QString(Width - filled, QLatin1Char('.')) << "] " << qSetFieldWidth(3) << percent
          << qSetFieldWidth(0) << '%' << Qt::flush;
    m_open = true;
}

void Progress::finish()
{
    if (m_open) {
        out() << Qt::endl;
        m_open = false;
    }
}

QString kindName(Show::Kind kind)
{
    return kind == Show::Kind::Programs ? QStringLiteral("programs") : QStringLiteral("scenes");
}

QString fileError(const Show::FileContents &contents)
{
    using Error = Show::FileContents::Error;
    switch (contents.error) {
    case Error::None:
        break;
    case Error::Unreadable:
        return contents.why;
    case Error::WrongHeader:
        return QStringLiteral("Wrong file header");
    case Error::WrongVersion:
        return QStringLiteral("Wrong version");
    case Error::WrongLength:
        return QStringLiteral("Wrong file length");
    }
    return {};
}

} // namespace Cli
