#include "cli/cli.h"

#include "core/safefile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <limits>
#include <optional>
#include <unistd.h>

namespace Cli {

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

namespace {

// Standard error, with a copy of what was written kept for errorLines().
class ErrorOutput : public QIODevice
{
public:
    ErrorOutput() { open(QIODevice::WriteOnly | QIODevice::Unbuffered); }
    [[nodiscard]] bool isSequential() const override { return true; }
    QByteArray kept;

protected:
    qint64 readData(char * /*data*/, qint64 /*maxSize*/) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override
    {
        // A bar redrawn in place (a carriage return, an escape sequence)
        // is a terminal's business only.
        const QByteArrayView bytes(data, size);
        if (!bytes.contains('\r') && !bytes.contains('\x1b') && kept.size() < 65536)
            kept.append(bytes);
        qint64 written = 0;
        while (written < size) {
            const ssize_t n = ::write(STDERR_FILENO, data + written, std::size_t(size - written));
            if (n <= 0)
                return written > 0 ? written : -1;
            written += n;
        }
        return written;
    }
};

ErrorOutput &errorOutput()
{
    static ErrorOutput device;
    return device;
}

bool printedJson = false;

} // namespace

QTextStream &err()
{
    static QTextStream stream(&errorOutput());
    return stream;
}

QStringList errorLines()
{
    err().flush();
    QStringList lines;
    for (const QString &line : QString::fromUtf8(errorOutput().kept).split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty())
            lines.append(line);
    }
    return lines;
}

bool jsonPrinted()
{
    return printedJson;
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
    if (result.outcome != Connection::Outcome::ChosenGone)
        return;
    // The serial given may hold a typing mistake: the ones there are.
    USBLC350 probe;
    QList<UsbDevice::Found> drivers = probe.listDrivers();
    drivers.removeIf([](const UsbDevice::Found &found) {
        return found.outcome != UsbDevice::Found::Outcome::Connected
               && found.outcome != UsbDevice::Found::Outcome::OtherSerial;
    });
    if (drivers.isEmpty())
        return;
    err() << tr("Attached drivers:") << '\n';
    printDrivers(err(), drivers);
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
    printedJson = true;
}

void printJsonArray(const QJsonArray &array)
{
    out() << QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented)) << Qt::flush;
    printedJson = true;
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
    Command command{name, synopsis, summary, {}, traits, {}, {}};
    command.run
        = [command, handler](const QStringList &arguments) { return handler(command, arguments); };
    return command;
}

Command withOptions(Command command, QList<HelpEntry> options, QString variant)
{
    command.options = std::move(options);
    command.variant = std::move(variant);
    return command;
}

int usage(const Command &command, const QString &message)
{
    const QString usageLabel = tr("usage:") + QLatin1Char(' ');
    err() << "lc420-cli: " << wrapText(message, 2, 11) << '\n'
          << usageLabel
          << wrapText(QStringLiteral("lc420-cli ") + command.synopsis, 4, int(usageLabel.size()))
          << Qt::endl;
    return UsageError;
}

QString wrapText(const QString &text, int indent, int firstColumn, int width)
{
    QString wrapped;
    const QString margin(indent, QLatin1Char(' '));
    const QStringList paragraphs = text.split(QLatin1Char('\n'));
    for (qsizetype p = 0; p < paragraphs.size(); ++p) {
        int column = p == 0 ? firstColumn : indent;
        if (p > 0)
            wrapped += QLatin1Char('\n') + margin;
        bool lineEmpty = true;
        for (const QString &word : paragraphs.at(p).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            // A word longer than a line stands alone on its line.
            if (!lineEmpty && column + 1 + word.size() > width) {
                wrapped += QLatin1Char('\n') + margin;
                column = indent;
                lineEmpty = true;
            }
            if (!lineEmpty) {
                wrapped += QLatin1Char(' ');
                ++column;
            }
            wrapped += word;
            column += int(word.size());
            lineEmpty = false;
        }
    }
    return wrapped;
}

void printHelpEntries(QTextStream &stream, const QList<HelpEntry> &entries)
{
    for (const HelpEntry &entry : entries) {
        stream << "  " << wrapText(entry.term, 4, 2) << '\n';
        if (!entry.text.isEmpty())
            stream << "      " << wrapText(entry.text, 6, 6) << '\n';
    }
}

void printCommandHelp(QTextStream &stream, const Command &command)
{
    const QString usageLabel = tr("usage:") + QLatin1Char(' ');
    stream << usageLabel
           << wrapText(QStringLiteral("lc420-cli ") + command.synopsis, 4, int(usageLabel.size()))
           << "\n  " << wrapText(command.summary, 2, 2) << '\n';
    if (!command.options.isEmpty()) {
        stream << '\n' << tr("Options:") << '\n';
        printHelpEntries(stream, command.options);
    }
    stream.flush();
}

Progress::Progress(QString label)
    : m_label(std::move(label))
    , m_terminal(shown())
{}

Progress::~Progress()
{
    finish();
}

bool Progress::shown()
{
    return isatty(fileno(stderr)) != 0;
}

QString Progress::bar(const QString &label, int percent, int width)
{
    percent = qBound(0, percent, 100);
    // label, " [", the bar, "] ", "100 %", and the column a terminal keeps
    // free so that the cursor does not wrap.
    const int room = qBound(10, width - 1 - int(label.size()) - 4 - 5, 40);
    const int filled = percent * room / 100;
    return label + QStringLiteral(" [") + QString(filled, QLatin1Char('#'))
           + QString(room - filled, QLatin1Char('.')) + QStringLiteral("] ")
           + QString::number(percent).rightJustified(3) + QStringLiteral(" %");
}

void Progress::setPercent(int percent)
{
    percent = qBound(0, percent, 100);
    if (percent == m_percent || !m_terminal)
        return;
    m_percent = percent;
    err() << '\r' << bar(m_label, percent) << Qt::flush;
    m_open = true;
}

void Progress::finish()
{
    if (m_open) {
        err() << Qt::endl;
        m_open = false;
    }
}

namespace {

// The user's locale without group separators: "7680" reads as a count in
// every language, and stays one word for a script that cuts it out.
QLocale userLocale()
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

} // namespace

QString number(qint64 value)
{
    return userLocale().toString(value);
}

QString bytes(qint64 size)
{
    // The plural form follows the count; sizes past what an int holds
    // (no file this tool reads) take the form of the largest.
    const int n = int(qBound(qint64(0), size, qint64(std::numeric_limits<int>::max())));
    return tr("%1 byte(s)", nullptr, n).arg(number(size));
}

QString seconds(double value)
{
    return userLocale().toString(value, 'f', 1);
}

namespace {

// An argument as a shell takes it back: as it is when it holds nothing a
// shell would read, else in single quotes.
QString shellWord(const QString &argument)
{
    static const QString plain = QStringLiteral("_-./:=,@%+");
    const bool safe
        = !argument.isEmpty() && std::all_of(argument.begin(), argument.end(), [](QChar c) {
              return c.isLetterOrNumber() || plain.contains(c);
          });
    if (safe)
        return argument;
    return QLatin1Char('\'') + QString(argument).replace(QLatin1Char('\''), QStringLiteral("'\\''"))
           + QLatin1Char('\'');
}

QString joined(const QStringList &words)
{
    QStringList quoted;
    for (const QString &word : words)
        quoted.append(shellWord(word));
    return quoted.join(QLatin1Char(' '));
}

} // namespace

QString suggestion(const QStringList &arguments, bool withOptions)
{
    QStringList words{QStringLiteral("lc420-cli")};
    const GlobalOptions &options = globalOptions();
    if (withOptions) {
        if (!options.serial.isEmpty())
            words << QStringLiteral("--serial") << QString::fromLatin1(options.serial);
        if (options.all)
            words << QStringLiteral("--all");
        if (options.json)
            words << QStringLiteral("--json");
        if (!options.logFile.isEmpty())
            words << QStringLiteral("--log") << options.logFile;
    }
    return joined(words + arguments);
}

QString suggestionFor(const QByteArray &serial, const QStringList &arguments)
{
    QStringList words{QStringLiteral("lc420-cli")};
    if (!serial.isEmpty())
        words << QStringLiteral("--serial") << QString::fromLatin1(serial);
    return joined(words + arguments);
}

QString keywordText(const char *english)
{
    return QCoreApplication::translate("Cli", english, KeywordComment);
}

QString englishKeyword(const QString &input, const QList<const char *> &words)
{
    for (const char *word : words) {
        if (input.compare(QLatin1String(word), Qt::CaseInsensitive) == 0
            || input.compare(keywordText(word), Qt::CaseInsensitive) == 0)
            return QLatin1String(word);
    }
    return {};
}

namespace {

struct PatternKeyword
{
    Show::Pattern pattern;
    struct
    {
        const char *source;
        const char *comment;
    } word;
};

// One line a pattern: its English name (Show::patternKeyword) for the
// catalogue.
const PatternKeyword patternKeywords[] = {
    {Show::Pattern::Chase, QT_TRANSLATE_NOOP3("Cli", "chase", "command-line word")},
    {Show::Pattern::Rainbow, QT_TRANSLATE_NOOP3("Cli", "rainbow", "command-line word")},
    {Show::Pattern::Fade, QT_TRANSLATE_NOOP3("Cli", "fade", "command-line word")},
    {Show::Pattern::Alternate, QT_TRANSLATE_NOOP3("Cli", "alternate", "command-line word")},
    {Show::Pattern::Solid, QT_TRANSLATE_NOOP3("Cli", "solid", "command-line word")},
    {Show::Pattern::Bounce, QT_TRANSLATE_NOOP3("Cli", "bounce", "command-line word")},
    {Show::Pattern::Stack, QT_TRANSLATE_NOOP3("Cli", "stack", "command-line word")},
    {Show::Pattern::Wipe, QT_TRANSLATE_NOOP3("Cli", "wipe", "command-line word")},
    {Show::Pattern::Sparkle, QT_TRANSLATE_NOOP3("Cli", "sparkle", "command-line word")},
};

} // namespace

QString patternWord(Show::Pattern pattern)
{
    return keywordText(Show::patternKeyword(pattern).toLatin1().constData());
}

QStringList patternWords()
{
    QStringList words;
    for (const PatternKeyword &keyword : patternKeywords)
        words.append(keywordText(keyword.word.source));
    return words;
}

std::optional<Show::Pattern> patternFromWord(const QString &word)
{
    for (const PatternKeyword &keyword : patternKeywords) {
        if (word.compare(QLatin1String(keyword.word.source), Qt::CaseInsensitive) == 0
            || word.compare(keywordText(keyword.word.source), Qt::CaseInsensitive) == 0)
            return keyword.pattern;
    }
    return std::nullopt;
}

QString tr(const char *text, const char *disambiguation, int n)
{
    return QCoreApplication::translate("Cli", text, disambiguation, n);
}

QString kindName(Show::Kind kind)
{
    return kind == Show::Kind::Programs ? QStringLiteral("programs") : QStringLiteral("scenes");
}

QString fileError(const Show::FileContents &contents, const QString &fileName, Show::Kind kind,
                  const QStringList &arguments)
{
    QString text = Show::describe(contents, fileName, kind);
    const std::optional<Show::Kind> other = Show::otherKind(contents, kind);
    if (other && !arguments.isEmpty())
        text += QLatin1Char(' ')
                + (*other == Show::Kind::Programs ? tr("For a programs file: %1")
                                                  : tr("For a scenes file: %1"))
                      .arg(suggestion(QStringList{kindName(*other)} + arguments));
    return text;
}

QString hexFileHint(const QString &fileName)
{
    const QFileInfo info(fileName);
    bool hex = info.suffix().compare(QLatin1String("hex"), Qt::CaseInsensitive) == 0;
    if (!hex) {
        QFile file(fileName);
        hex = SafeFile::openForReading(file).isEmpty() && file.read(1) == ":";
    }
    if (!hex)
        return {};
    const QString upgradeFile
        = info.path() == QLatin1String(".")
              ? info.completeBaseName() + QStringLiteral(".upg")
              : info.path() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral(".upg");
    return tr("%1 is an Intel HEX file; an upgrade file is built from it with: %2")
        .arg(fileName, suggestion({QStringLiteral("build-upg"), fileName, upgradeFile}, false));
}

QString releaseHint(const QByteArray &serial)
{
    return tr("Release it with: %1")
        .arg(suggestionFor(serial, {QStringLiteral("status"), QStringLiteral("clear")}));
}

} // namespace Cli
