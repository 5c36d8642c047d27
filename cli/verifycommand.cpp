#include "cli/alldrivers.h"
#include "cli/cli.h"
#include "cli/productionlog.h"
#include "firmware/firmwareverify.h"
#include "firmware/upgradefile.h"
#include "usb/usblc350.h"

#include <QJsonObject>
#include <QTextStream>

#include <memory>
#include <optional>

namespace Cli {

namespace {

QString areaLabel(FirmwareCheck::Area area)
{
    return area == FirmwareCheck::Area::Application ? tr("Reading the application")
                                                    : tr("Reading the external flash");
}

// One bar per area read.
class AreaProgress
{
public:
    void show(FirmwareCheck::Area area, int percent)
    {
        if (!m_bar || area != m_area) {
            m_bar = std::make_unique<Progress>(areaLabel(area));
            m_area = area;
        }
        m_bar->setPercent(percent);
    }
    void finish() { m_bar.reset(); }

private:
    std::unique_ptr<Progress> m_bar;
    FirmwareCheck::Area m_area = FirmwareCheck::Area::Application;
};

QString outcomeName(FirmwareCheck::Result::Outcome outcome)
{
    using Outcome = FirmwareCheck::Result::Outcome;
    switch (outcome) {
    case Outcome::Equal:
        return QStringLiteral("equal");
    case Outcome::Differs:
        return QStringLiteral("differs");
    case Outcome::AddsUp:
        return QStringLiteral("adds up");
    case Outcome::DoesNotAddUp:
        return QStringLiteral("does not add up");
    case Outcome::BadFile:
        return QStringLiteral("bad file");
    case Outcome::NoDriver:
        return QStringLiteral("no driver");
    case Outcome::ReadFailed:
        return QStringLiteral("read failed");
    }
    return {};
}

QJsonObject resultJson(const FirmwareCheck::Result &result)
{
    const auto area = [&result](const FirmwareCheck::AreaCheck &check, const char *units,
                                std::optional<quint32> fileWord) {
        QJsonObject json{{QStringLiteral("checkWord"), DriverInfo::checkWordText(check.stored)},
                         {QStringLiteral("computed"), DriverInfo::checkWordText(check.sum)},
                         {QStringLiteral("matches"), check.addsUp()}};
        if (result.withFile) {
            json.insert(QStringLiteral("fileCheckWord"),
                        fileWord ? QJsonValue(DriverInfo::checkWordText(*fileWord)) : QJsonValue());
            json.insert(QStringLiteral("equal"), check.sameAsFile());
            json.insert(QStringLiteral("firstDifference"),
                        check.firstDifference < 0
                            ? QJsonValue()
                            : QJsonValue(QStringLiteral("0x%1").arg(check.firstDifference, 8, 16,
                                                                    QLatin1Char('0'))));
            json.insert(QLatin1String(units), check.differingUnits);
        }
        return json;
    };
    QJsonObject json{
        {QStringLiteral("serial"),
         result.serial.isEmpty() ? QJsonValue() : QJsonValue(QString::fromLatin1(result.serial))},
        {QStringLiteral("file"), result.withFile ? QJsonValue(result.fileName) : QJsonValue()},
        {QStringLiteral("result"), outcomeName(result.outcome)},
        {QStringLiteral("ok"), result.ok()},
        {QStringLiteral("text"), FirmwareCheck::describe(result)},
    };
    if (result.areasRead()) {
        const auto &file = result.fileWords;
        json.insert(QStringLiteral("app"),
                    area(result.application, "differingPages",
                         file ? std::optional(file->application) : std::nullopt));
        json.insert(QStringLiteral("extFlash"),
                    area(result.external, "differingChunks",
                         file ? std::optional(file->external) : std::nullopt));
    }
    return json;
}

int exitOf(const FirmwareCheck::Result &result)
{
    if (result.ok())
        return Success;
    return result.outcome == FirmwareCheck::Result::Outcome::BadFile ? FileError : DeviceFailure;
}

// What the log records: "ok", or "failed: " and the verdict.
QString logResult(const FirmwareCheck::Result &result)
{
    return result.ok() ? QStringLiteral("ok")
                       : QStringLiteral("failed: ") + FirmwareCheck::describe(result);
}

int verifyAllDrivers(const QString &fileName, const std::optional<QByteArray> &image)
{
    return runOnAllDrivers(QStringLiteral("verify-firmware"), fileName,
                           image ? upgradeFileCheck(*image) : QString(),
                           [&fileName, &image](USBLC350 &device, UnitReport &report) {
                               FirmwareCheck::Result result = FirmwareCheck::verify(
                                   device, image, [&report](FirmwareCheck::Area area, int percent) {
                                       report.percent(areaLabel(area), percent);
                                   });
                               result.fileName = fileName;
                               return UnitOutcome{result.ok(), logResult(result)};
                           });
}

int verifyFirmware(const Command &command, const QStringList &arguments)
{
    if (arguments.size() > 1)
        return usage(command, tr("expected at most one upgrade file"));
    const QString fileName = arguments.value(0);

    // The file is read and checked once, before any driver is touched.
    std::optional<QByteArray> image;
    if (!fileName.isEmpty()) {
        Upgrade::FileContents file;
        if (const QString why = readUpgradeInput(fileName, file); !why.isEmpty()) {
            err() << fileName << ": " << why << Qt::endl;
            return FileError;
        }
        image = Upgrade::unscrambleImage(file.image);
    }
    if (globalOptions().all)
        return verifyAllDrivers(fileName, image);

    Device device;
    AreaProgress progress;
    // With --json standard output holds the one document alone.
    const bool bars = !globalOptions().json;
    FirmwareCheck::Result result = FirmwareCheck::verify(
        device, image, [&progress, bars](FirmwareCheck::Area area, int percent) {
            if (bars)
                progress.show(area, percent);
        });
    progress.finish();
    device.disconnect();
    result.fileName = fileName;

    if (result.outcome == FirmwareCheck::Result::Outcome::NoDriver && !globalOptions().json) {
        reportConnection(result.connection);
    } else if (globalOptions().json) {
        printJson(resultJson(result));
    } else {
        (result.ok() ? out() : err()) << FirmwareCheck::describe(result) << Qt::endl;
    }
    // A unit that was reached has its line; one that never answered has too,
    // with --serial's serial, so the record shows it was tried.
    QByteArray serial = result.serial.isEmpty() ? globalOptions().serial : result.serial;
    const QString why = logUnit({serial, QStringLiteral("verify-firmware"), fileName,
                                 image ? upgradeFileCheck(*image) : QString(), logResult(result)});
    if (!why.isEmpty()) {
        err() << why << Qt::endl;
        return result.ok() ? FileError : exitOf(result);
    }
    return exitOf(result);
}

} // namespace

QList<Command> verifyCommands()
{
    return {makeCommand(QStringLiteral("verify-firmware"),
                        QStringLiteral("verify-firmware [FILE.upg]"),
                        tr("read the driver's firmware back: the same as the file, or without "
                           "one, whether it adds up to its check words"),
                        verifyFirmware, UsesDriver | Json | AllDrivers | Logged)};
}

} // namespace Cli
