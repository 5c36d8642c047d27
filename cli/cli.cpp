#include "cli/cli.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <optional>
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
    // One command of the tool is one command on one driver: once its first
    // connect has found a driver, no reconnect takes another.
    beginCommand();
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
    if (result.outcome == Connection::Outcome::SeveralNoneChosen)
        err() << tr("Choose one with --serial SERIAL; lc420-cli list shows them.") << Qt::endl;
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
        return tr("bit 0 clear: no Get or Set left the driver locked");
    return tr("bit 0 set: an interrupted Get or Set left the driver locked.") + QLatin1Char(' ')
           + releaseHint(Connection::plainSerial(serial));
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
    const QString bus = tr("Bus");
    const QString device = tr("Device");
    const QString serialHeading = tr("Serial");
    const QString modeHeading = tr("Mode");
    const int busWidth = int(qMax<qsizetype>(3, bus.size()));
    const int deviceWidth = int(qMax<qsizetype>(6, device.size()));
    const int serialWidth = int(qMax<qsizetype>(11, serialHeading.size()));
    const int modeWidth = int(qMax<qsizetype>(12, modeHeading.size()));
    stream << bus.leftJustified(busWidth) << ' ' << device.leftJustified(deviceWidth) << ' '
           << serialHeading.leftJustified(serialWidth) << ' ';
    if (withStatus)
        stream << modeHeading.leftJustified(modeWidth) << ' ' << tr("Status bit 0");
    else
        stream << modeHeading;
    stream << '\n';
    for (const UsbDevice::Found &driver : drivers) {
        QString serial = QString::fromLatin1(driver.serial);
        QString mode;
        switch (driver.outcome) {
        case UsbDevice::Found::Outcome::Connected:
        case UsbDevice::Found::Outcome::OtherSerial:
            mode = DriverInfo::describe(DriverInfo::modeFromSerial(driver.serial));
            break;
        case UsbDevice::Found::Outcome::AccessDenied:
            mode = tr("no access for this user");
            break;
        case UsbDevice::Found::Outcome::WrongId:
            mode = tr("not an Lc420 (wrong identification)");
            break;
        case UsbDevice::Found::Outcome::Failed:
            mode = tr("cannot be opened");
            break;
        }
        if (serial.isEmpty())
            serial = QStringLiteral("-");
        stream << QString::fromLatin1(driver.bus).leftJustified(busWidth) << ' '
               << QString::fromLatin1(driver.device).leftJustified(deviceWidth) << ' '
               << serial.leftJustified(serialWidth) << ' ';
        if (driver.status) {
            const bool set = *driver.status & Driver::StatusBit;
            stream << mode.leftJustified(modeWidth) << ' '
                   << (set ? tr("set: left locked") : tr("clear"));
            if (set)
                locked.append(QString::fromLatin1(Connection::plainSerial(driver.serial)));
        } else {
            stream << mode;
        }
        stream << '\n';
    }
    // Bit 0 is set by a Get or Set while it runs; left set, it was interrupted.
    for (const QString &serial : locked)
        stream << tr("Driver %1 was left locked by an interrupted Get or Set (status bit 0 set); "
                     "release it with: lc420-cli --serial %1 status clear")
                      .arg(serial)
               << '\n';
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
    err() << "lc420-cli: " << message << '\n'
          << tr("usage: lc420-cli %1").arg(command.synopsis) << Qt::endl;
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

QString tr(const char *text, const char *disambiguation, int n)
{
    return QCoreApplication::translate("Cli", text, disambiguation, n);
}

QString kindName(Show::Kind kind)
{
    return kind == Show::Kind::Programs ? QStringLiteral("programs") : QStringLiteral("scenes");
}

QString fileError(const Show::FileContents &contents, const QString &fileName, Show::Kind kind)
{
    QString text = Show::describe(contents, fileName, kind);
    if (const std::optional<Show::Kind> other = Show::otherKind(contents, kind))
        text += QLatin1Char(' ')
                + (*other == Show::Kind::Programs
                       ? tr("The programs command takes it: lc420-cli programs set %1")
                       : tr("The scenes command takes it: lc420-cli scenes set %1"))
                      .arg(fileName);
    return text;
}

QString releaseHint(const QByteArray &serial)
{
    const QString command = serial.isEmpty() ? QStringLiteral("lc420-cli status clear")
                                             : QStringLiteral("lc420-cli --serial %1 status clear")
                                                   .arg(QString::fromLatin1(serial));
    return tr("Release it with: %1").arg(command);
}

} // namespace Cli
