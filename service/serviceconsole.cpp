#include "service/serviceconsole.h"

#include "core/hexdump.h"
#include "core/safefile.h"
#include "core/trace.h"
#include "service/driverprobe.h"
#include "service/servicevalues.h"
#include "usb/servicecommands.h"
#include "usb/usblc350.h"
#include "widgets/dialogs/feedback.h"
#include "widgets/dialogs/userdialogs.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>

#include <optional>

ServiceValues &ServiceValues::remembered()
{
    static ServiceValues values;
    return values;
}

namespace {

QString hexProposal(quint32 value)
{
    return QStringLiteral("0x") + QString::number(value, 16);
}

} // namespace

ServiceConsole::ServiceConsole(USBLC350 &device, Feedback &feedback,
                               std::function<UserDialogs &()> dialogs, QWidget *window)
    : device(device)
    , feedback(feedback)
    , dialogs(std::move(dialogs))
    , window(window)
{}

void ServiceConsole::showDump(const QByteArray &bytes)
{
    feedback.clearLog();
    feedback.logLine(QString::fromLatin1(hexDump(bytes.constData(), int(bytes.size()))));
}

void ServiceConsole::connectDevice()
{
    if (device.connect() == 0) {
        LC420_TRACE() << "Connect OK";
        feedback.logLine(tr("Connect OK"));
    } else {
        LC420_TRACE() << "Connect ERROR";
        feedback.logLine(Service::describe(Service::Failure::Connect));
    }
}

void ServiceConsole::disconnectDevice()
{
    device.disconnect();
    feedback.logLine(tr("Disconnected from the driver. The next command connects again."));
}

void ServiceConsole::readMemory()
{
    ServiceValues &values = ServiceValues::remembered();
    const QString title = tr("Read From Lc350");
    bool ok = false;
    const QString addressText
        = dialogs().getText(window, title, tr("Address (hex)"), QLineEdit::Normal,
                            hexProposal(values.readAddress), &ok);
    if (!ok)
        return;
    const int length = dialogs().getInt(window, title, tr("Length (dec)"), values.readLength, 1,
                                        Service::MaxLength, 1, &ok);
    if (!ok)
        return;
    values.readLength = length;
    const std::optional<quint32> address = Service::parseHex(addressText);
    values.readAddress = address.value_or(0);
    if (!address) {
        dialogs().message(QMessageBox::Warning, window, tr("error"), tr("Conversion error"));
        return;
    }
    // A failed read is reported; a half-filled buffer is no picture of the
    // driver's memory.
    const std::optional<QByteArray> bytes = Service::readMemory(device, *address, quint32(length));
    if (!bytes) {
        dialogs().message(QMessageBox::Warning, window, tr("error"),
                          Service::describe(Service::Failure::ReadMemory));
        return;
    }
    showDump(*bytes);
}

void ServiceConsole::sendTestBlock()
{
    if (!Service::sendTestBlock(device)) {
        feedback.logLine(Service::describe(Service::Failure::TestBlock));
        return;
    }
    const QByteArray block = Service::testBlock();
    LC420_TRACE() << QLatin1Char('"')
                         + QString::fromLatin1(hexDump(block.constData(), int(block.size())))
                         + QLatin1Char('"');
    feedback.logLine(tr("Test block sent: %1 bytes, 0x00 to 0xFF twice.").arg(block.size()));
}

void ServiceConsole::writePage()
{
    ServiceValues &values = ServiceValues::remembered();
    bool ok = false;
    const int pattern = dialogs().getInt(window, tr("Fill pattern"), tr("Number (dec)"),
                                         values.fillPattern, 0, 255, 1, &ok);
    if (!ok)
        return;
    values.fillPattern = pattern;
    if (Service::writePage(device, quint8(pattern))) {
        LC420_TRACE() << "page write OK";
    } else {
        LC420_TRACE() << "page write ERROR";
        feedback.logLine(Service::describe(Service::Failure::PageWrite));
        feedback.logLine(whyPageWriteFailed());
    }
}

// The failed transfer closed the device; a fresh connect tells whether the
// driver is there and in which mode. Only the bootloader writes pages.
QString ServiceConsole::whyPageWriteFailed()
{
    const DriverProbe::Probe found = DriverProbe::probe(device, false);
    if (!found.answered)
        return tr("No driver answered. Check the USB cable and press \"Connect\".");
    const QString serial = DriverProbe::serialForUser(found.serial);
    switch (found.mode) {
    case DriverInfo::Mode::Application:
        return tr("Driver %1 runs its application, which refuses page writes: a page is written "
                  "only in the bootloader. Press \"Run Application\" to restart the driver in its "
                  "bootloader, then write the page again.")
            .arg(serial);
    case DriverInfo::Mode::Bootloader:
        return tr("The bootloader of driver %1 refused the page.").arg(serial);
    case DriverInfo::Mode::Unknown:
        break;
    }
    return tr("The driver refused the page.");
}

// The driver resets as it answers and drops off the bus mid-transfer, so the
// command itself has no failure worth showing; the log says where the driver
// is afterwards.
void ServiceConsole::runApplication()
{
    device.RunApplication();
    device.disconnect();
    const DriverProbe::Probe found = DriverProbe::probe(device, false);
    if (!found.answered) {
        feedback.logLine(tr("Run Application: the driver restarts and does not answer yet. The "
                            "next command connects to it again."));
        return;
    }
    const QString serial = DriverProbe::serialForUser(found.serial);
    switch (found.mode) {
    case DriverInfo::Mode::Application:
        feedback.logLine(tr("Run Application: driver %1 runs its application.").arg(serial));
        return;
    case DriverInfo::Mode::Bootloader:
        feedback.logLine(tr("Run Application: driver %1 waits in its bootloader.").arg(serial));
        return;
    case DriverInfo::Mode::Unknown:
        break;
    }
    feedback.logLine(tr("Run Application: a driver answers again."));
}

void ServiceConsole::statusGet()
{
    quint32 status = 0;
    if (device.StatusGet(status) == 0)
        feedback.logLine(tr("Status: %1").arg(Service::binary32(status)));
    else
        feedback.logLine(Service::describe(Service::Failure::StatusGet));
}

void ServiceConsole::statusSet()
{
    if (device.StatusSet(Service::StatusBit) == 0)
        feedback.logLine(tr("StatusSet(%1)").arg(Service::binary32(Service::StatusBit)));
    else
        feedback.logLine(Service::describe(Service::Failure::StatusSet));
}

void ServiceConsole::statusClear()
{
    if (device.StatusClr(Service::StatusBit) == 0)
        feedback.logLine(tr("StatusClr(%1)").arg(Service::binary32(Service::StatusBit)));
    else
        feedback.logLine(Service::describe(Service::Failure::StatusClear));
}

void ServiceConsole::readExternalFlash()
{
    ServiceValues &values = ServiceValues::remembered();
    const QString title = tr("Read External Flash From Lc350");
    bool ok = false;
    const QString addressText
        = dialogs().getText(window, title, tr("Address (hex)"), QLineEdit::Normal,
                            hexProposal(values.externalReadAddress), &ok);
    if (!ok)
        return;
    const int length = dialogs().getInt(window, title, tr("Length (dec)"),
                                        values.externalReadLength, 1, Service::MaxLength, 1, &ok);
    if (!ok)
        return;
    values.externalReadLength = length;
    const std::optional<quint32> address = Service::parseHex(addressText);
    values.externalReadAddress = address.value_or(0);
    if (!address) {
        dialogs().message(QMessageBox::Warning, window, tr("error"), tr("Conversion error"));
        return;
    }
    const std::optional<QByteArray> bytes
        = Service::readExternal(device, *address, quint32(length));
    if (!bytes) {
        dialogs().message(QMessageBox::Warning, window, tr("error"),
                          Service::describe(Service::Failure::ReadExternal));
        return;
    }
    showDump(*bytes);
}

void ServiceConsole::writeExternalFlash()
{
    ServiceValues &values = ServiceValues::remembered();
    const QString title = tr("Write To External Flash Lc350");
    bool ok = false;
    const QString addressText
        = dialogs().getText(window, title, tr("Address (hex)"), QLineEdit::Normal,
                            hexProposal(values.externalWriteAddress), &ok);
    if (!ok)
        return;
    const std::optional<quint32> address = Service::parseHex(addressText);
    values.externalWriteAddress = address.value_or(0);
    if (!address) {
        dialogs().message(QMessageBox::Warning, window, tr("error"), tr("Conversion error"));
        return;
    }
    const int length = dialogs().getInt(window, title, tr("Length (dec)"),
                                        values.externalWriteLength, 1, Service::MaxLength, 1, &ok);
    if (!ok)
        return;
    values.externalWriteLength = length;
    const QString dataText = dialogs().getText(window, title, tr("Data(hex)"), QLineEdit::Normal,
                                               hexProposal(values.externalWriteData), &ok);
    if (!ok)
        return;
    const std::optional<quint32> data = Service::parseHex(dataText);
    values.externalWriteData = data.value_or(0);
    if (!data) {
        dialogs().message(QMessageBox::Warning, window, tr("error"), tr("Conversion error"));
        return;
    }

    const QByteArray sent = Service::encodedFill(quint8(*data & 0xFF), length);
    const bool written = Service::writeExternal(device, *address, sent);
    feedback.clearLog();
    feedback.logLine(tr("lenght: %1").arg(length, 8));
    feedback.logLine(tr("address: 0x%1").arg(*address, 8, 16, QLatin1Char(' ')));
    feedback.logLine(QString::fromLatin1(hexDump(sent.constData(), int(sent.size()))));
    // The pieces alone look the same after a failure.
    if (!written)
        feedback.errorBox(tr("Error"), Service::describe(Service::Failure::WriteExternal));
}

void ServiceConsole::writeExternalFlashFromFile()
{
    const QString fileName = dialogs().getOpenFileName(
        window, tr("Open File", "a binary file to write into the external flash"),
        QStringLiteral("."), tr("Bin (*.bin)"));
    if (fileName.isEmpty())
        return;
    // A file that cannot be opened, or is no regular file (a FIFO would
    // block the window), reads as empty. Never more than one byte past what
    // the external flash holds is read: that is enough to refuse it.
    QFile file(fileName);
    QByteArray image;
    if (SafeFile::openForReading(file).isEmpty())
        image = file.read(qint64(Service::ExternalFlashSize) + 1);

    // An image the write refuses anyway is refused below without a question.
    const bool writable
        = !image.isEmpty() && image.size() % 4 == 0 && image.size() <= Service::ExternalFlashSize;
    if (writable
        && feedback.question(
               tr("Write External Flash"),
               tr("Write %1 (%2 bytes) to the start of the external flash?\n\n"
                  "The first %2 bytes the external flash holds now are "
                  "overwritten.")
                   .arg(QDir::toNativeSeparators(fileName), QString::number(image.size())),
               QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel)
               != QMessageBox::Ok)
        return;

    const Service::ImageResult result = Service::writeExternalImage(device, image);
    switch (result) {
    case Service::ImageResult::Written:
        dialogs().message(QMessageBox::Information, window, tr("Info"), Service::describe(result));
        break;
    case Service::ImageResult::BadLength:
        LC420_TRACE() << "length error" << image.size();
        feedback.errorBox(tr("Length error"), Service::describe(result));
        break;
    case Service::ImageResult::TooLarge:
        // Only one byte past the limit was read; the trace names the file's size.
        LC420_TRACE() << "length error" << file.size();
        feedback.errorBox(tr("Length error"), Service::describe(result));
        break;
    case Service::ImageResult::WriteFailed:
    case Service::ImageResult::ReadFailed:
    case Service::ImageResult::Mismatch:
        feedback.errorBox(tr("Error"), Service::describe(result));
        break;
    }
}
