#include "cli/cli.h"
#include "core/safefile.h"
#include "firmware/bootimage.h"
#include "firmware/hexsummary.h"
#include "firmware/upgradefile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QTextStream>

#include <algorithm>
#include <limits>

namespace Cli {

namespace {

QString hex32(quint32 value)
{
    return QStringLiteral("0x%1").arg(value, 8, 16, QLatin1Char('0'));
}

// FILE:LINE: what is wrong, as compilers name a fault.
QString hexError(const QString &fileName, int code, const Hex::Report &report)
{
    const QString where
        = report.line > 0 ? QStringLiteral("%1:%2").arg(fileName).arg(report.line) : fileName;
    const QString at = code == Hex::Overlap || code == Hex::CheckWordData
                           ? tr("address %1, ").arg(hex32(report.address))
                           : QString();
    return tr("%1: %2 (%3HexToBin error %4)").arg(where, Hex::describe(code), at).arg(code);
}

QString writeError(const QString &fileName, const QString &why)
{
    return SafeFile::describeFailure(fileName, why);
}

// A faulty HEX file gives no upgrade file at all, as in the window: an image
// whose check words agree with the damage would be flashed without a word.
int buildUpg(const Command &command, const QStringList &arguments)
{
    if (arguments.size() != 2)
        return usage(command, tr("expected a HEX file and an output file"));
    const QString &hexFile = arguments.at(0);
    const QString &upgFile = arguments.at(1);

    const Upgrade::ImageBuild build = Upgrade::buildImage(hexFile);
    if (!build.readWhole()) {
        // Both reads go through the same lines; the first fault is the one to name.
        const bool appFirst = build.appResult != 0;
        err() << hexError(hexFile, appFirst ? build.appResult : build.extResult,
                          appFirst ? build.appReport : build.extReport)
              << '\n'
              << tr("No upgrade file written.") << Qt::endl;
        return FileError;
    }
    // Kept out of the image as the format says, but never without a word:
    // firmware linked for the bootloader's address lands there.
    if (const QString warning = build.ignoredWarning(hexFile); !warning.isEmpty())
        err() << warning << Qt::endl;
    if (!build.hasApplication()) {
        err() << tr("%1: no application data in 0x08004000..0x0801FFFB; an upgrade file of "
                    "zeros would leave the driver dark.")
                     .arg(hexFile)
              << '\n'
              << tr("No upgrade file written.") << Qt::endl;
        return FileError;
    }
    const QString why = Upgrade::saveFile(upgFile, build.image);
    if (!why.isEmpty()) {
        err() << writeError(upgFile, why) << Qt::endl;
        return FileError;
    }
    const Upgrade::ImageCheck check = Upgrade::checkImage(build.image);
    out() << tr("Wrote %1 (%2)").arg(upgFile, bytes(Upgrade::FileSize)) << '\n';
    const QStringList labels{tr("Application check word:"), tr("External flash check word:")};
    const qsizetype width = std::max(labels.at(0).size(), labels.at(1).size()) + 1;
    out() << labels.at(0).leftJustified(width) << hex32(check.appStored) << '\n'
          << labels.at(1).leftJustified(width) << hex32(check.extStored) << Qt::endl;
    return Success;
}

// Reads "--name VALUE" pairs and positional arguments.
struct Options
{
    QStringList positional;
    QHash<QString, QString> values;
    QString error;
};

Options parseOptions(const QStringList &arguments, const QStringList &names)
{
    Options options;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (!argument.startsWith(QLatin1String("--"))) {
            options.positional.append(argument);
            continue;
        }
        const QString name = argument.mid(2);
        if (!names.contains(name)) {
            options.error = tr("unknown option %1").arg(argument);
            return options;
        }
        if (i + 1 >= arguments.size()) {
            options.error = tr("%1 needs a value").arg(argument);
            return options;
        }
        options.values.insert(name, arguments.at(++i));
    }
    return options;
}

// A whole decimal number in [min, max], else min - 1.
int boundedNumber(const QString &text, int min, int max)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok && value >= min && value <= max ? value : min - 1;
}

int bootImages(const Command &command, const QStringList &arguments)
{
    const Options options
        = parseOptions(arguments, {QStringLiteral("date"), QStringLiteral("number"),
                                   QStringLiteral("count"), QStringLiteral("out")});
    if (!options.error.isEmpty())
        return usage(command, options.error);
    if (options.positional.size() != 1)
        return usage(command, tr("expected one HEX file"));
    for (const char *required : {"date", "number", "count"}) {
        if (!options.values.contains(QLatin1String(required)))
            return usage(command, tr("the option --%1 is missing").arg(QLatin1String(required)));
    }

    const QString date = options.values.value(QStringLiteral("date"));
    if (!Boot::isValidDatePrefix(date))
        return usage(command, tr("--date must be YYMMDD (year 00-99, month 01-12, day 01-31)"));
    const int number
        = boundedNumber(options.values.value(QStringLiteral("number")), 0, Boot::MaxNumber);
    if (number < 0)
        return usage(command, tr("--number must be 0 to 999"));
    // The range the GUI's counter dialog offers; it collapses to 1 at 999.
    const int maxCount = qMax(1, Boot::MaxNumber - number);
    const int count = boundedNumber(options.values.value(QStringLiteral("count")), 1, maxCount);
    if (count < 1)
        return usage(command, tr("--count must be 1 to %1").arg(maxCount));

    const QString folder = options.values.value(QStringLiteral("out"), QStringLiteral("."));
    const QList<Boot::Outcome> outcomes
        = Boot::writeImages(options.positional.first(), date, number, count, folder);
    for (const Boot::Outcome &outcome : outcomes) {
        out() << outcome.serial << Qt::endl;
        if (outcome.hexResult != 0) {
            err() << hexError(options.positional.first(), outcome.hexResult, outcome.hexReport)
                  << Qt::endl;
            return FileError;
        }
        if (!outcome.writeError.isEmpty()) {
            err() << writeError(outcome.absolutePath, outcome.writeError) << Qt::endl;
            return FileError;
        }
        out() << outcome.absolutePath << '\n'
              << QCoreApplication::translate("Lc460_bootloader", "New bootloader + serial:") << '\n'
              << outcome.fileName << Qt::endl;
    }
    return Success;
}

int inspectUpgrade(const QString &fileName)
{
    QFile file(fileName);
    if (const QString why = SafeFile::openForReading(file); !why.isEmpty()) {
        err() << tr("Cannot open %1: %2").arg(fileName, why) << Qt::endl;
        return FileError;
    }
    const Upgrade::FileContents contents = Upgrade::readFile(file);
    const QByteArray image = Upgrade::unscrambleImage(contents.image);
    const bool imageWhole = contents.complete && !image.isEmpty();
    const Upgrade::ImageCheck check
        = imageWhole ? Upgrade::checkImage(image) : Upgrade::ImageCheck();
    const bool consistent = contents.headerMatches()
                            && (contents.versionMatches() || contents.version.isNull())
                            && imageWhole && check.ok();

    if (globalOptions().json) {
        QJsonObject json{
            {QStringLiteral("file"), fileName},
            {QStringLiteral("fileSize"), file.size()},
            {QStringLiteral("kind"), QStringLiteral("upgrade")},
            {QStringLiteral("header"), contents.header},
            {QStringLiteral("headerOk"), contents.headerMatches()},
            {QStringLiteral("version"),
             contents.version.isNull() ? QJsonValue() : QJsonValue(contents.version)},
            {QStringLiteral("versionOk"), contents.versionMatches()},
            {QStringLiteral("imageSize"), contents.image.size()},
            {QStringLiteral("damage"),
             contents.complete ? QJsonValue() : QJsonValue(contents.damage)},
            {QStringLiteral("consistent"), consistent},
        };
        if (imageWhole) {
            const auto area = [](quint32 stored, quint32 computed, bool matches) {
                return QJsonObject{{QStringLiteral("checkWord"), hex32(stored)},
                                   {QStringLiteral("computed"), hex32(computed)},
                                   {QStringLiteral("matches"), matches}};
            };
            json.insert(QStringLiteral("app"),
                        area(check.appStored, check.appComputed, check.appMatches()));
            json.insert(QStringLiteral("extFlash"),
                        area(check.extStored, check.extComputed, check.extMatches()));
        }
        printJson(json);
        return consistent ? Success : FileError;
    }

    // Labels padded to one column, whatever their length in the user's language.
    const QStringList labels{tr("File:"),  tr("Header:"), tr("Version:"),
                             tr("Image:"), tr("App:"),    tr("Ext flash:")};
    qsizetype width = 11;
    for (const QString &label : labels)
        width = qMax(width, label.size() + 1);
    const auto label
        = [&labels, width](int index) { return labels.at(index).leftJustified(width); };
    out() << label(0) << tr("%1 (%2)").arg(fileName, bytes(file.size())) << '\n';
    if (contents.headerMatches())
        out() << label(1) << contents.header << '\n';
    else
        out() << label(1) << tr("Wrong file header") << '\n';
    if (contents.versionMatches())
        out() << label(2) << contents.version << '\n';
    else if (!contents.version.isNull())
        out() << label(2) << tr("Wrong file version (%1)").arg(contents.version) << '\n';

    if (!contents.complete) {
        out() << label(3) << tr("damaged: %1").arg(contents.damage) << '\n';
    } else if (image.isEmpty()) {
        out() << label(3)
              << tr("%1, too short (needs %2)")
                     .arg(bytes(contents.image.size()), number(Upgrade::ImageSize))
              << '\n';
    } else {
        out() << label(3) << bytes(contents.image.size()) << '\n';
        const auto line = [](quint32 stored, quint32 computed, bool matches) {
            return tr("check word %1, areas add up to %2: %3")
                .arg(hex32(stored), hex32(computed), matches ? tr("match") : tr("MISMATCH"));
        };
        out() << label(4) << line(check.appStored, check.appComputed, check.appMatches()) << '\n'
              << label(5) << line(check.extStored, check.extComputed, check.extMatches()) << '\n';
    }
    out() << (consistent ? tr("The file is consistent.") : tr("The file is damaged.")) << Qt::endl;
    return consistent ? Success : FileError;
}

QString rangeText(const Hex::Range &range)
{
    return tr("%1..%2 (%3)")
        .arg(hex32(quint32(range.first)), hex32(quint32(range.last)), bytes(qint64(range.size())));
}

// An Intel HEX file as build-upg would read it: where its data lies against
// the two areas of an upgrade, what it would leave out, and the check words
// it would write. Exit 3 only for a file that HexToBin refuses.
int inspectHex(const QString &fileName)
{
    const Upgrade::ImageBuild build = Upgrade::buildImage(fileName);
    const Hex::Report &report = build.appReport;
    const Hex::Summary summary = build.readWhole() ? Hex::summarise(fileName) : Hex::Summary();
    const bool damaged = !build.readWhole() || !summary.read;
    const qint64 fileSize = QFileInfo(fileName).size();
    struct Area
    {
        const char *name; // JSON
        QString label;
        quint64 lo;
        quint64 hi;
    };
    const QList<Area> areas{
        {"application", tr("Application:"), Upgrade::FlashBase + Upgrade::AppOffset,
         Upgrade::FlashBase + Upgrade::AppOffset + Upgrade::AppLength - 1},
        {"externalFlash", tr("Ext flash:"), Upgrade::FlashBase + Upgrade::ExtOffset,
         Upgrade::FlashBase + Upgrade::ExtOffset + Upgrade::ExtLength - 1},
    };
    // Both areas are one window: what lies outside it is left out.
    const quint64 lo = areas.first().lo;
    const quint64 hi = areas.last().hi;
    QList<QList<Hex::Range>> within(areas.size());
    QList<Hex::Range> outsideRanges;
    for (const Hex::Range &range : summary.ranges) {
        for (qsizetype area = 0; area < areas.size(); ++area)
            within[area] += Hex::inside(range, areas.at(area).lo, areas.at(area).hi);
        outsideRanges += Hex::outside(range, lo, hi);
    }
    const Upgrade::ImageCheck check = Upgrade::checkImage(build.image);
    const QString error
        = !build.readWhole()
              ? hexError(fileName, build.appResult, report)
              : (!summary.read ? tr("%1: the file changed while it was read").arg(fileName)
                               : QString());

    if (globalOptions().json) {
        const auto ranges = [](const QList<Hex::Range> &list) {
            QJsonArray array;
            for (const Hex::Range &range : list)
                array.append(QJsonObject{{QStringLiteral("first"), hex32(quint32(range.first))},
                                         {QStringLiteral("last"), hex32(quint32(range.last))},
                                         {QStringLiteral("bytes"), qint64(range.size())}});
            return array;
        };
        QJsonObject json{{QStringLiteral("file"), fileName},
                         {QStringLiteral("fileSize"), fileSize},
                         {QStringLiteral("kind"), QStringLiteral("hex")},
                         {QStringLiteral("consistent"), !damaged}};
        if (damaged) {
            json.insert(QStringLiteral("error"), error);
        } else {
            json.insert(QStringLiteral("records"), summary.records);
            json.insert(QStringLiteral("dataRecords"), summary.dataRecords);
            for (qsizetype area = 0; area < areas.size(); ++area)
                json.insert(QLatin1String(areas.at(area).name), ranges(within.at(area)));
            json.insert(QStringLiteral("outside"), ranges(outsideRanges));
            json.insert(QStringLiteral("outsideConflicts"), report.ignoredConflicts);
            json.insert(QStringLiteral("hasApplication"), build.hasApplication());
            if (build.hasApplication()) {
                json.insert(QStringLiteral("appCheckWord"), hex32(check.appStored));
                json.insert(QStringLiteral("extFlashCheckWord"), hex32(check.extStored));
            }
        }
        printJson(json);
        return damaged ? FileError : Success;
    }

    QStringList labels{tr("File:"), tr("Records:"), tr("Outside:"), tr("Conflicts:"),
                       tr("Check words:")};
    for (const Area &area : areas)
        labels.append(area.label);
    qsizetype width = 11;
    for (const QString &label : labels)
        width = qMax(width, label.size() + 1);
    const auto line = [width](const QString &label, const QString &text) {
        out() << label.leftJustified(width) << text << '\n';
    };
    const auto rangeLines = [&](const QString &label, const QList<Hex::Range> &list) {
        for (qsizetype i = 0; i < list.size(); ++i)
            line(i == 0 ? label : QString(), rangeText(list.at(i)));
        if (list.isEmpty())
            line(label, tr("no data"));
    };
    line(labels.at(0), tr("%1 (%2)").arg(fileName, bytes(fileSize)));
    if (damaged) {
        out() << error << '\n' << tr("The file is damaged.") << Qt::endl;
        return FileError;
    }
    line(labels.at(1), tr("%n record(s), %1 with data", nullptr, summary.records)
                           .arg(number(summary.dataRecords)));
    for (qsizetype area = 0; area < areas.size(); ++area)
        rangeLines(areas.at(area).label, within.at(area));
    if (!outsideRanges.isEmpty()) {
        rangeLines(labels.at(2), outsideRanges);
        line(QString(), tr("left out of an upgrade file"));
    }
    line(labels.at(3),
         report.ignoredConflicts > 0
             ? tr("%1 outside the areas differ between records, the first at %2 (line %3)")
                   .arg(bytes(report.ignoredConflicts), hex32(report.firstIgnoredConflict),
                        QString::number(report.firstIgnoredConflictLine))
             : tr("none"));
    line(labels.at(4), build.hasApplication()
                           ? tr("application %1, external flash %2, as build-upg writes them")
                                 .arg(hex32(check.appStored), hex32(check.extStored))
                           : tr("no application data: build-upg writes no upgrade file"));
    out() << tr("The file is consistent.") << Qt::endl;
    return Success;
}

int inspect(const Command &command, const QStringList &arguments)
{
    if (arguments.size() != 1)
        return usage(command, tr("expected one file"));
    const QString &fileName = arguments.first();
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("upg"))
        return inspectUpgrade(fileName);
    if (suffix == QLatin1String("hex") || suffix == QLatin1String("ihx"))
        return inspectHex(fileName);
    if (suffix == QLatin1String("pgm") || suffix == QLatin1String("scn"))
        return inspectShowFile(fileName, suffix == QLatin1String("pgm") ? Show::Kind::Programs
                                                                        : Show::Kind::Scenes);
    return usage(command, tr("cannot inspect \"%1\": not an upgrade (.upg), Intel HEX (.hex), "
                             "programs (.pgm) or scenes (.scn) file")
                              .arg(fileName));
}

} // namespace

QList<Command> firmwareCommands()
{
    return {
        makeCommand(QStringLiteral("build-upg"), tr("build-upg IN.hex OUT.upg"),
                    tr("build an upgrade file from an Intel HEX file"), buildUpg),
        withOptions(
            makeCommand(QStringLiteral("boot-images"),
                        tr("boot-images IN.hex --date YYMMDD --number N --count C [--out DIR]"),
                        tr("bootloader images with serial numbers"), bootImages),
            {{tr("--date YYMMDD"), tr("the production date: year 00-99, month 01-12, day 01-31")},
             {tr("--number N"), tr("the running number of the first image, 0 to 999")},
             {tr("--count C"), tr("how many images, numbered on from N")},
             {tr("--out DIR"), tr("the folder to write them to [the current folder]")}}),
        makeCommand(QStringLiteral("inspect"), tr("inspect FILE"),
                    tr("check an upgrade, Intel HEX, programs or scenes file and summarise it"),
                    inspect, Json),
    };
}

} // namespace Cli
