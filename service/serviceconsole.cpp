#include "service/serviceconsole.h"

#include "core/hexdump.h"
#include "core/safefile.h"
#include "core/trace.h"
#include "core/workerjob.h"
#include "service/driverprobe.h"
#include "service/servicevalues.h"
#include "usb/connection.h"
#include "usb/servicecommands.h"
#include "usb/usblc350.h"
#include "widgets/dialogs/feedback.h"
#include "widgets/dialogs/userdialogs.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>

#include <optional>
#include <utility>

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
                               std::function<UserDialogs &()> dialogs, QWidget *window,
                               WorkerJob &job)
    : device(device)
    , feedback(feedback)
    , dialogs(std::move(dialogs))
    , window(window)
    , job(job)
{}

void ServiceConsole::run(std::function<Report()> work)
{
    job.start(std::move(work));
}

void ServiceConsole::showDump(const QByteArray &bytes, quint32 address)
{
    feedback.clearLog();
    feedback.logLine(QString::fromLatin1(hexDumpAt(bytes.constData(), int(bytes.size()), address)));
}

QString ServiceConsole::failure(const QString &what) const
{
    const Connection::Result result = device.lastResult();
    // A refusal by the system is explained once by the window itself.
    if (result.outcome == Connection::Outcome::NoPermission)
        return what;
    const QString cause = Connection::describe(result);
    return cause.isEmpty() ? what : what + QLatin1Char('\n') + cause;
}

void ServiceConsole::connectDevice()
{
    run([this]() -> Report {
        if (device.connect() == 0) {
            LC420_TRACE() << "Connect OK";
            return [this] { feedback.logLine(tr("Connect OK")); };
        }
        LC420_TRACE() << "Connect ERROR";
        return [this, text = failure(Service::describe(Service::Failure::Connect))] {
            feedback.logLine(text);
        };
    });
}

void ServiceConsole::disconnectDevice()
{
    run([this]() -> Report {
        device.disconnect();
        return [this] {
            feedback.logLine(tr("Disconnected from the driver. The next command connects again."));
        };
    });
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
    run([this, address = *address, length]() -> Report {
        const std::optional<QByteArray> bytes
            = Service::readMemory(device, address, quint32(length));
        if (!bytes) {
            return [this, text = failure(Service::describe(Service::Failure::ReadMemory))] {
                dialogs().message(QMessageBox::Warning, window, tr("error"), text);
            };
        }
        return [this, bytes = *bytes, address] { showDump(bytes, address); };
    });
}

void ServiceConsole::sendTestBlock()
{
    run([this]() -> Report {
        if (!Service::sendTestBlock(device)) {
            return [this, text = failure(Service::describe(Service::Failure::TestBlock))] {
                feedback.logLine(text);
            };
        }
        const QByteArray block = Service::testBlock();
        LC420_TRACE() << QLatin1Char('"')
                             + QString::fromLatin1(hexDump(block.constData(), int(block.size())))
                             + QLatin1Char('"');
        return [this, size = block.size()] {
            feedback.logLine(tr("Test block sent: %1 bytes, 0x00 to 0xFF twice.").arg(size));
        };
    });
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
    run([this, pattern]() -> Report {
        if (Service::writePage(device, quint8(pattern))) {
            LC420_TRACE() << "page write OK";
            return [this, pattern] {
                feedback.logLine(Service::describePageWritten(quint8(pattern)));
            };
        }
        LC420_TRACE() << "page write ERROR";
        return [this, why = whyPageWriteFailed()] {
            feedback.logLine(Service::describe(Service::Failure::PageWrite));
            feedback.logLine(why);
        };
    });
}

// The failed transfer closed the device; a fresh connect tells whether the
// driver is there and in which mode. Only the bootloader writes pages.
QString ServiceConsole::whyPageWriteFailed()
{
    const DriverProbe::Probe found = DriverProbe::probe(device, false);
    if (!found.answered)
        return failure(tr("No driver answered. Check the USB cable and press \"Connect\"."));
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
    run([this]() -> Report {
        device.RunApplication();
        device.disconnect();
        const DriverProbe::Probe found = DriverProbe::probe(device, false);
        QString text;
        const QString serial = DriverProbe::serialForUser(found.serial);
        if (!found.answered)
            text = tr("Run Application: the driver restarts and does not answer yet. The next "
                      "command connects to it again.");
        else if (found.mode == DriverInfo::Mode::Application)
            text = tr("Run Application: driver %1 runs its application.").arg(serial);
        else if (found.mode == DriverInfo::Mode::Bootloader)
            text = tr("Run Application: driver %1 waits in its bootloader.").arg(serial);
        else
            text = tr("Run Application: a driver answers again.");
        return [this, text] { feedback.logLine(text); };
    });
}

void ServiceConsole::statusGet()
{
    run([this]() -> Report {
        quint32 status = 0;
        const QString text = device.StatusGet(status) == 0
                                 ? tr("Status: %1").arg(Service::binary32(status))
                                 : failure(Service::describe(Service::Failure::StatusGet));
        return [this, text] { feedback.logLine(text); };
    });
}

void ServiceConsole::statusSet()
{
    changeLock(true);
}

void ServiceConsole::statusClear()
{
    changeLock(false);
}

void ServiceConsole::setLockObserver(LockObserver observer)
{
    lockObserver = std::move(observer);
}

void ServiceConsole::changeLock(bool locked)
{
    run([this, locked]() -> Report {
        const int result
            = locked ? device.StatusSet(Service::StatusBit) : device.StatusClr(Service::StatusBit);
        if (result != 0) {
            const QString text = failure(Service::describe(locked ? Service::Failure::StatusSet
                                                                  : Service::Failure::StatusClear));
            return [this, text] { feedback.logLine(text); };
        }
        const QString bit = Service::binary32(Service::StatusBit);
        const QString text = locked ? tr("StatusSet(%1)").arg(bit) : tr("StatusClr(%1)").arg(bit);
        const QByteArray serial = device.read_serial_string();
        return [this, text, serial, locked] {
            feedback.logLine(text);
            if (lockObserver && !serial.isEmpty())
                lockObserver(serial, locked);
        };
    });
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
    run([this, address = *address, length]() -> Report {
        const std::optional<QByteArray> bytes
            = Service::readExternal(device, address, quint32(length));
        if (!bytes) {
            return [this, text = failure(Service::describe(Service::Failure::ReadExternal))] {
                dialogs().message(QMessageBox::Warning, window, tr("error"), text);
            };
        }
        return [this, bytes = *bytes, address] { showDump(bytes, address); };
    });
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

    const quint8 value = quint8(*data & 0xFF);
    run([this, address = *address, length, value]() -> Report {
        const Service::ImageResult result
            = Service::writeExternalChecked(device, address, QByteArray(length, char(value)));
        const QString why = result == Service::ImageResult::Written
                                ? Service::describeWritten(length, address)
                                : failure(Service::describe(result));
        return [this, address, length, value, result, why] {
            const QByteArray sent = Service::encodedFill(value, length);
            feedback.clearLog();
            feedback.logLine(tr("lenght: %1").arg(length, 8));
            feedback.logLine(tr("address: 0x%1").arg(address, 8, 16, QLatin1Char(' ')));
            feedback.logLine(
                QString::fromLatin1(hexDumpAt(sent.constData(), int(sent.size()), address)));
            // The pieces alone look the same after a failure.
            if (result == Service::ImageResult::Written)
                feedback.logLine(why);
            else
                feedback.errorBox(tr("Error"), why);
        };
    });
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
    const qint64 fileSize = file.size();

    // An image the write refuses anyway is refused without a question.
    const Service::ImageResult refusal
        = image.size() > Service::ExternalFlashSize  ? Service::ImageResult::TooLarge
          : image.isEmpty() || image.size() % 4 != 0 ? Service::ImageResult::BadLength
                                                     : Service::ImageResult::Written;
    if (refusal != Service::ImageResult::Written) {
        // Only one byte past the limit was read; the trace names the file's size.
        LC420_TRACE() << "length error" << fileSize;
        feedback.errorBox(tr("Length error"), Service::describe(refusal));
        return;
    }

    // The question names the driver that would be overwritten: a short look
    // first, then the write once the user agreed.
    run([this, fileName, image]() -> Report {
        const DriverProbe::Probe found = DriverProbe::probe(device, false);
        if (!found.answered) {
            return [this, text = failure(Service::describe(Service::Failure::Connect))] {
                feedback.errorBox(tr("Error"), text);
            };
        }
        return [this, fileName, image, serial = DriverProbe::serialForUser(found.serial)] {
            if (feedback.question(
                    tr("Write External Flash"),
                    tr("Write %1 (%2 bytes) to the start of the external flash of driver %3?\n\n"
                       "The first %2 bytes the external flash holds now are overwritten.")
                        .arg(QDir::toNativeSeparators(fileName), QString::number(image.size()),
                             serial),
                    QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel)
                != QMessageBox::Ok)
                return;
            run([this, image]() -> Report {
                const Service::ImageResult result = Service::writeExternalImage(device, image);
                if (result == Service::ImageResult::Written) {
                    return [this, text = Service::describeWritten(int(image.size()), 0)] {
                        dialogs().message(QMessageBox::Information, window, tr("Info"), text);
                    };
                }
                return [this, text = failure(Service::describe(result))] {
                    feedback.errorBox(tr("Error"), text);
                };
            });
        };
    });
}
