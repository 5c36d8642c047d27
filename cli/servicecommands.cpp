#include "usb/servicecommands.h"

#include "cli/cli.h"
#include "core/hexdump.h"
#include "core/safefile.h"
#include "usb/usblc350.h"

#include <QFile>
#include <QObject>
#include <QTextStream>

#include <functional>
#include <optional>

namespace Cli {

namespace {

// Positional arguments and an optional "--raw OUT.bin".
struct DumpArguments
{
    QStringList positional;
    QString rawFile;
    QString error;
};

DumpArguments parseDumpArguments(const QStringList &arguments)
{
    DumpArguments parsed;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == QLatin1String("--raw")) {
            if (i + 1 >= arguments.size() || !parsed.rawFile.isEmpty()) {
                parsed.error = tr("--raw takes one output file");
                return parsed;
            }
            parsed.rawFile = arguments.at(++i);
        } else if (argument.startsWith(QLatin1String("--"))) {
            parsed.error = tr("unknown option %1").arg(argument);
            return parsed;
        } else {
            parsed.positional.append(argument);
        }
    }
    return parsed;
}

std::optional<int> parseLength(const QString &text)
{
    bool ok = false;
    const int length = text.toInt(&ok, 10);
    if (!ok || length < 1 || length > Service::MaxLength)
        return std::nullopt;
    return length;
}

bool connected(USBLC350 &device)
{
    if (device.connect() == 0)
        return true;
    reportConnection(device);
    return false;
}

// The dump on standard output, its rows counted from the driver's address,
// or the same bytes into the --raw file.
int showBytes(const QByteArray &bytes, quint32 address, const QString &rawFile)
{
    if (rawFile.isEmpty()) {
        out() << hexDumpRows(bytes.constData(), int(bytes.size()), address) << Qt::endl;
        return Success;
    }
    const QString why = SafeFile::write(rawFile, bytes);
    if (!why.isEmpty()) {
        err() << SafeFile::describeFailure(rawFile, why) << Qt::endl;
        return FileError;
    }
    out() << tr("Wrote %n byte(s) to %1", nullptr, int(bytes.size())).arg(rawFile) << Qt::endl;
    return Success;
}

// ADDR LEN [--raw OUT.bin], checked.
struct Region
{
    quint32 address = 0;
    int length = 0;
    QString rawFile;
};

std::optional<Region> parseRegion(const Command &command, const QStringList &arguments,
                                  int &exitCode)
{
    const DumpArguments parsed = parseDumpArguments(arguments);
    const auto fail = [&](const QString &message) {
        exitCode = usage(command, message);
        return std::nullopt;
    };
    if (!parsed.error.isEmpty())
        return fail(parsed.error);
    if (parsed.positional.size() != 2)
        return fail(tr("expected an address and a length"));
    const std::optional<quint32> address = Service::parseHex(parsed.positional.at(0));
    if (!address)
        return fail(tr("the address is not a hexadecimal number"));
    const std::optional<int> length = parseLength(parsed.positional.at(1));
    if (!length)
        return fail(tr("the length must be 1 to %1").arg(Service::MaxLength));
    return Region{*address, *length, parsed.rawFile};
}

// The bars live in a narrower scope than the device: the connections end
// with context, which the caller declares after the bars so that it goes
// first and no later signal reaches a bar that is gone.
void showProgress(USBLC350 &device, Progress &write, Progress &read, const QObject &context)
{
    QObject::connect(&device, &USBLC350::sendPercentExtFlashWrite, &context,
                     [&write](int percent) { write.setPercent(percent); });
    QObject::connect(&device, &USBLC350::sendPercentExtFlashRead, &context,
                     [&write, &read](int percent) {
                         write.finish(); // a verify follows its write on a line of its own
                         read.setPercent(percent);
                     });
}

int readMemory(const Command &command, const QStringList &arguments)
{
    int exitCode = Success;
    const std::optional<Region> region = parseRegion(command, arguments, exitCode);
    if (!region)
        return exitCode;
    Device device;
    if (!connected(device))
        return DeviceFailure;
    const std::optional<QByteArray> bytes
        = Service::readMemory(device, region->address, quint32(region->length));
    if (!bytes) {
        err() << Service::describe(Service::Failure::ReadMemory) << Qt::endl;
        return DeviceFailure;
    }
    return showBytes(*bytes, region->address, region->rawFile);
}

int readExternal(const Command &command, const QStringList &arguments)
{
    int exitCode = Success;
    const std::optional<Region> region = parseRegion(command, arguments, exitCode);
    if (!region)
        return exitCode;
    Device device;
    if (!connected(device))
        return DeviceFailure;
    std::optional<QByteArray> bytes;
    {
        Progress write(tr("Write"));
        Progress read(tr("Read"));
        const QObject context;
        showProgress(device, write, read, context);
        bytes = Service::readExternal(device, region->address, quint32(region->length));
    }
    if (!bytes) {
        err() << Service::describe(Service::Failure::ReadExternal) << Qt::endl;
        return DeviceFailure;
    }
    return showBytes(*bytes, region->address, region->rawFile);
}

int writeExternal(const Command &command, const QStringList &arguments)
{
    if (arguments.size() != 3)
        return usage(command, tr("expected an address, a length and a data byte"));
    const std::optional<quint32> address = Service::parseHex(arguments.at(0));
    const std::optional<int> length = parseLength(arguments.at(1));
    const std::optional<quint32> data = Service::parseHex(arguments.at(2));
    if (!address || !data)
        return usage(command, tr("address and data are hexadecimal numbers"));
    if (!length)
        return usage(command, tr("the length must be 1 to %1").arg(Service::MaxLength));
    Device device;
    if (!connected(device))
        return DeviceFailure;
    bool written = false;
    {
        Progress write(tr("Write"));
        Progress read(tr("Read"));
        const QObject context;
        showProgress(device, write, read, context);
        written = Service::writeExternal(device, *address,
                                         Service::encodedFill(quint8(*data & 0xFF), *length));
    }
    if (!written) {
        err() << Service::describe(Service::Failure::WriteExternal) << Qt::endl;
        return DeviceFailure;
    }
    out() << tr("Wrote %n byte(s) of 0x%1 at 0x%2", nullptr, *length)
                 .arg(*data & 0xFF, 2, 16, QLatin1Char('0'))
                 .arg(*address, 0, 16)
          << Qt::endl;
    return Success;
}

int writeExternalImage(const Command &command, const QStringList &arguments)
{
    if (arguments.size() != 1)
        return usage(command, tr("expected one binary file"));
    QFile file(arguments.first());
    if (const QString why = SafeFile::openForReading(file); !why.isEmpty()) {
        err() << tr("Cannot read %1: %2").arg(file.fileName(), why) << Qt::endl;
        return FileError;
    }
    const QByteArray image = file.read(qint64(Service::ExternalFlashSize) + 1);
    // The file is checked before the driver is looked for.
    if (image.size() > Service::ExternalFlashSize) {
        err() << Service::describe(Service::ImageResult::TooLarge) << Qt::endl;
        return FileError;
    }
    if (image.isEmpty() || image.size() % 4 != 0) {
        err() << Service::describe(Service::ImageResult::BadLength) << ' '
              << tr("(the file has %n byte(s))", nullptr, int(image.size())) << Qt::endl;
        return FileError;
    }
    Device device;
    if (!connected(device))
        return DeviceFailure;
    Service::ImageResult result;
    {
        Progress write(tr("Write"));
        Progress read(tr("Verify"));
        const QObject context;
        showProgress(device, write, read, context);
        result = Service::writeExternalImage(device, image);
    }
    const bool written = result == Service::ImageResult::Written;
    (written ? out() : err()) << Service::describe(result) << Qt::endl;
    return written ? Success : DeviceFailure;
}

// Connects, runs one command on the driver and reports it in the window's words.
int reportOnDriver(const std::function<bool(Device &)> &action, const QString &okText,
                   Service::Failure failure)
{
    Device device;
    if (!connected(device))
        return DeviceFailure;
    const bool ok = action(device);
    (ok ? out() : err()) << (ok ? okText : Service::describe(failure)) << Qt::endl;
    return ok ? Success : DeviceFailure;
}

int writePage(const Command &command, const QStringList &arguments)
{
    bool ok = false;
    const int pattern = arguments.value(0).toInt(&ok, 10);
    if (arguments.size() != 1 || !ok || pattern < 0 || pattern > 255)
        return usage(command, tr("expected a fill byte of 0 to 255"));
    return reportOnDriver(
        [pattern](Device &device) { return Service::writePage(device, quint8(pattern)); },
        tr("The page was written."), Service::Failure::PageWrite);
}

int writeTestBlock(const Command &command, const QStringList &arguments)
{
    if (!arguments.isEmpty())
        return usage(command, tr("write-test-block takes no arguments"));
    return reportOnDriver(Service::sendTestBlock, Service::describe(Service::ImageResult::Written),
                          Service::Failure::TestBlock);
}

int runApplication(const Command &command, const QStringList &arguments)
{
    if (!arguments.isEmpty())
        return usage(command, tr("run-application takes no arguments"));
    Device device;
    if (!connected(device))
        return DeviceFailure;
    // The driver resets as it answers; the transfer's result says nothing.
    device.RunApplication();
    device.disconnect();
    out() << tr("RunApplication sent; the driver resets.") << Qt::endl;
    return Success;
}

int connectCommand(const Command &command, const QStringList &arguments)
{
    if (!arguments.isEmpty())
        return usage(command, tr("connect takes no arguments"));
    Device device;
    if (device.connect() != 0) {
        err() << Service::describe(Service::Failure::Connect) << Qt::endl;
        reportConnection(device);
        return DeviceFailure;
    }
    out() << tr("Connected: the driver answers.") << Qt::endl;
    device.disconnect();
    return Success;
}

} // namespace

namespace {

HelpEntry rawOption()
{
    return {tr("--raw OUT.bin"), tr("write the bytes to OUT.bin instead of the hex dump")};
}

} // namespace

QList<Command> serviceCommands()
{
    return {
        makeCommand(QStringLiteral("connect"), QStringLiteral("connect"),
                    tr("check that an Lc420 driver answers"), connectCommand, UsesDriver),
        withOptions(makeCommand(QStringLiteral("read-memory"),
                                tr("read-memory ADDR LEN [--raw OUT.bin]"),
                                tr("hex dump of controller memory (ADDR in hex, LEN 1 to %1)")
                                    .arg(Service::MaxLength),
                                readMemory, UsesDriver),
                    {rawOption()}),
        withOptions(makeCommand(QStringLiteral("read-ext"), tr("read-ext ADDR LEN [--raw OUT.bin]"),
                                tr("hex dump of external flash, decoded (ADDR in hex, LEN 1 to "
                                   "%1)")
                                    .arg(Service::MaxLength),
                                readExternal, UsesDriver),
                    {rawOption()}),
        makeCommand(QStringLiteral("write-ext"), tr("write-ext ADDR LEN DATA"),
                    tr("fill external flash with one byte (ADDR, DATA in hex)"), writeExternal,
                    UsesDriver),
        makeCommand(QStringLiteral("write-ext-bin"), tr("write-ext-bin FILE"),
                    tr("write a raw image to the external flash and verify it"), writeExternalImage,
                    UsesDriver),
        makeCommand(QStringLiteral("write-page"), tr("write-page BYTE"),
                    tr("fill the page at 0x08005000 (bootloader only)"), writePage, UsesDriver),
        makeCommand(QStringLiteral("write-test-block"), QStringLiteral("write-test-block"),
                    tr("send the 512-byte test block"), writeTestBlock, UsesDriver),
        makeCommand(QStringLiteral("run-application"), QStringLiteral("run-application"),
                    tr("reset into the bootloader, or start the application"), runApplication,
                    UsesDriver),
    };
}

} // namespace Cli
