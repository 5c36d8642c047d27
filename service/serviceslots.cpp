// The service console behind the Settings tab's service buttons: connection,
// controller memory, test block, page, status word and external flash. The
// window hides and disables the buttons unless started with --service; the
// slots stay connected either way.

#include "app/lc460_bootloader.h"
#include "core/hexdump.h"
#include "core/safefile.h"
#include "core/trace.h"
#include "service/servicevalues.h"
#include "ui_lc460_bootloader.h"
#include "usb/servicecommands.h"
#include "usb/usblc350.h"

#include <QFile>

#include <array>
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

namespace {

using Slot = void (Lc460_bootloader::*)(bool);

// The service console's buttons with their slots.
std::array<std::pair<QPushButton *, Slot>, 12> serviceConsole(const Ui::Lc460_bootloaderClass &ui)
{
    using W = Lc460_bootloader;
    return {{
        {ui.pushButtonConnect, &W::slotpushButtonConnect},
        {ui.pushButtonDisconnect, &W::slotpushButtonDisconnect},
        {ui.pushButtonRead, &W::slotpushButtonRead},
        {ui.pushButtonWrite, &W::slotpushButtonWrite},
        {ui.pushButtonWritePage, &W::slotpushButtonWritePage},
        {ui.pushButtonRunApplication, &W::slotpushButtonRunApplication},
        {ui.pushButtonReadExternalFlash, &W::slotpushButtonReadExternalFlash},
        {ui.pushButtonWriteExternalFlash, &W::slotpushButtonWriteExternalFlash},
        {ui.pushButtonWriteExtFlashBin, &W::slotpushButtonWriteExtFlashBin},
        {ui.pushButtonStatusGet, &W::slotpushButtonStatusGet},
        {ui.pushButtonStatusSet, &W::slotpushButtonStatusSet},
        {ui.pushButtonStatusClr, &W::slotpushButtonStatusClr},
    }};
}

} // namespace

void Lc460_bootloader::connectServiceButtons()
{
    for (const auto &[button, slot] : serviceConsole(*ui))
        connect(button, &QPushButton::clicked, this, slot);
}

void Lc460_bootloader::showServiceButtons()
{
    for (const auto &[button, slot] : serviceConsole(*ui)) {
        button->setEnabled(true);
        button->show();
    }
}

void Lc460_bootloader::showDump(const QByteArray &bytes)
{
    ui->txt->clear();
    feedback().logLine(QString::fromLatin1(hexDump(bytes.constData(), int(bytes.size()))));
}

void Lc460_bootloader::slotpushButtonConnect(bool)
{
    LC420_TRACE() << "Lc460_bootloader::slotpushButtonConnect(bool t)";
    if (refuseDuringUpgrade())
        return;
    if (device->connect() == 0) {
        LC420_TRACE() << "Connect OK";
        feedback().logLine(tr("Connect OK"));
    } else {
        LC420_TRACE() << "Connect ERROR";
        feedback().logLine(Service::describe(Service::Failure::Connect));
    }
}

void Lc460_bootloader::slotpushButtonDisconnect(bool)
{
    if (refuseDuringUpgrade())
        return;
    device->disconnect();
    LC420_TRACE() << "Lc460_bootloader::slotpushButtonDisconnect(bool t)";
}

void Lc460_bootloader::slotpushButtonRead(bool)
{
    LC420_TRACE() << "Lc460_bootloader::slotpushButtonRead(bool t)";
    if (refuseDuringUpgrade())
        return;
    ServiceValues &values = ServiceValues::remembered();
    const QString title = tr("Read From Lc350");
    bool ok = false;
    const QString addressText = dialogs().getText(
        this, title, tr("Address (hex)"), QLineEdit::Normal, hexProposal(values.readAddress), &ok);
    if (!ok)
        return;
    const int length = dialogs().getInt(this, title, tr("Length (dec)"), values.readLength, 1,
                                        Service::MaxLength, 1, &ok);
    if (!ok)
        return;
    values.readLength = length;
    const std::optional<quint32> address = Service::parseHex(addressText);
    values.readAddress = address.value_or(0);
    if (!address) {
        dialogs().message(QMessageBox::Warning, this, tr("error"), tr("Conversion error"));
        return;
    }
    // A failed read is reported; a half-filled buffer is no picture of the
    // driver's memory.
    const std::optional<QByteArray> bytes = Service::readMemory(*device, *address, quint32(length));
    if (!bytes) {
        dialogs().message(QMessageBox::Warning, this, tr("error"),
                          Service::describe(Service::Failure::ReadMemory));
        return;
    }
    showDump(*bytes);
}

void Lc460_bootloader::slotpushButtonWrite(bool)
{
    LC420_TRACE() << "Lc460_bootloader::slotpushButtonWrite(bool t)";
    if (refuseDuringUpgrade())
        return;
    if (!Service::sendTestBlock(*device)) {
        feedback().logLine(Service::describe(Service::Failure::TestBlock));
        return;
    }
    const QByteArray block = Service::testBlock();
    LC420_TRACE() << QLatin1Char('"')
                         + QString::fromLatin1(hexDump(block.constData(), int(block.size())))
                         + QLatin1Char('"');
}

void Lc460_bootloader::slotpushButtonWritePage(bool)
{
    LC420_TRACE() << "Lc460_bootloader::slotpushButtonWritePage(bool t)";
    if (refuseDuringUpgrade())
        return;
    ServiceValues &values = ServiceValues::remembered();
    bool ok = false;
    const int pattern = dialogs().getInt(this, tr("Fill pattern"), tr("Number (dec)"),
                                         values.fillPattern, 0, 255, 1, &ok);
    if (!ok)
        return;
    values.fillPattern = pattern;
    if (Service::writePage(*device, quint8(pattern))) {
        LC420_TRACE() << "page write OK";
    } else {
        LC420_TRACE() << "page write ERROR";
        feedback().logLine(Service::describe(Service::Failure::PageWrite));
    }
}

// The driver resets as it answers and drops off the bus mid-transfer, so
// nothing here is a failure worth showing.
void Lc460_bootloader::slotpushButtonRunApplication(bool)
{
    if (refuseDuringUpgrade())
        return;
    device->RunApplication();
    device->disconnect();
    [[maybe_unused]] const int connected = device->connect();
}

void Lc460_bootloader::slotpushButtonStatusGet(bool)
{
    if (refuseDuringUpgrade())
        return;
    quint32 status = 0;
    if (device->StatusGet(status) == 0)
        feedback().logLine(tr("Status: %1").arg(Service::binary32(status)));
    else
        feedback().logLine(Service::describe(Service::Failure::StatusGet));
}

void Lc460_bootloader::slotpushButtonStatusSet(bool)
{
    if (refuseDuringUpgrade())
        return;
    if (device->StatusSet(Service::StatusBit) == 0)
        feedback().logLine(tr("StatusSet(%1)").arg(Service::binary32(Service::StatusBit)));
    else
        feedback().logLine(Service::describe(Service::Failure::StatusSet));
}

void Lc460_bootloader::slotpushButtonStatusClr(bool)
{
    if (refuseDuringUpgrade())
        return;
    if (device->StatusClr(Service::StatusBit) == 0)
        feedback().logLine(tr("StatusClr(%1)").arg(Service::binary32(Service::StatusBit)));
    else
        feedback().logLine(Service::describe(Service::Failure::StatusClear));
}

void Lc460_bootloader::slotpushButtonReadExternalFlash(bool)
{
    LC420_TRACE() << "Lc460_bootloader::slotpushButtonReadExternalFlash(bool t)";
    if (refuseDuringUpgrade())
        return;
    ServiceValues &values = ServiceValues::remembered();
    const QString title = tr("Read External Flash From Lc350");
    bool ok = false;
    const QString addressText
        = dialogs().getText(this, title, tr("Address (hex)"), QLineEdit::Normal,
                            hexProposal(values.externalReadAddress), &ok);
    if (!ok)
        return;
    const int length = dialogs().getInt(this, title, tr("Length (dec)"), values.externalReadLength,
                                        1, Service::MaxLength, 1, &ok);
    if (!ok)
        return;
    values.externalReadLength = length;
    const std::optional<quint32> address = Service::parseHex(addressText);
    values.externalReadAddress = address.value_or(0);
    if (!address) {
        dialogs().message(QMessageBox::Warning, this, tr("error"), tr("Conversion error"));
        return;
    }
    const std::optional<QByteArray> bytes
        = Service::readExternal(*device, *address, quint32(length));
    if (!bytes) {
        dialogs().message(QMessageBox::Warning, this, tr("error"),
                          Service::describe(Service::Failure::ReadExternal));
        return;
    }
    showDump(*bytes);
}

void Lc460_bootloader::slotpushButtonWriteExternalFlash(bool)
{
    LC420_TRACE() << "Lc460_bootloader::slotpushButtonWriteExternalFlash(bool t)";
    if (refuseDuringUpgrade())
        return;
    ServiceValues &values = ServiceValues::remembered();
    const QString title = tr("Write To External Flash Lc350");
    bool ok = false;
    const QString addressText
        = dialogs().getText(this, title, tr("Address (hex)"), QLineEdit::Normal,
                            hexProposal(values.externalWriteAddress), &ok);
    if (!ok)
        return;
    const std::optional<quint32> address = Service::parseHex(addressText);
    values.externalWriteAddress = address.value_or(0);
    if (!address) {
        dialogs().message(QMessageBox::Warning, this, tr("error"), tr("Conversion error"));
        return;
    }
    const int length = dialogs().getInt(this, title, tr("Length (dec)"), values.externalWriteLength,
                                        1, Service::MaxLength, 1, &ok);
    if (!ok)
        return;
    values.externalWriteLength = length;
    const QString dataText = dialogs().getText(this, title, tr("Data(hex)"), QLineEdit::Normal,
                                               hexProposal(values.externalWriteData), &ok);
    if (!ok)
        return;
    const std::optional<quint32> data = Service::parseHex(dataText);
    values.externalWriteData = data.value_or(0);
    if (!data) {
        dialogs().message(QMessageBox::Warning, this, tr("error"), tr("Conversion error"));
        return;
    }

    const QByteArray sent = Service::encodedFill(quint8(*data & 0xFF), length);
    const bool written = Service::writeExternal(*device, *address, sent);
    ui->txt->clear();
    feedback().logLine(tr("lenght: %1").arg(length, 8));
    feedback().logLine(tr("address: 0x%1").arg(*address, 8, 16, QLatin1Char(' ')));
    feedback().logLine(QString::fromLatin1(hexDump(sent.constData(), int(sent.size()))));
    // The pieces alone look the same after a failure.
    if (!written)
        feedback().errorBox(tr("Error"), Service::describe(Service::Failure::WriteExternal));
}

void Lc460_bootloader::slotpushButtonWriteExtFlashBin(bool)
{
    LC420_TRACE() << "Lc460_bootloader::slotpushButtonWriteExtFlashBin(bool t)";
    if (refuseDuringUpgrade())
        return;
    const QString fileName = dialogs().getOpenFileName(
        this, tr("Open File", "a binary file to write into the external flash"),
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

    const Service::ImageResult result = Service::writeExternalImage(*device, image);
    switch (result) {
    case Service::ImageResult::Written:
        dialogs().message(QMessageBox::Information, this, tr("Info"), Service::describe(result));
        break;
    case Service::ImageResult::BadLength:
        LC420_TRACE() << "length error" << image.size();
        feedback().errorBox(tr("Length error"), Service::describe(result));
        break;
    case Service::ImageResult::TooLarge:
        // Only one byte past the limit was read; the trace names the file's size.
        LC420_TRACE() << "length error" << file.size();
        feedback().errorBox(tr("Length error"), Service::describe(result));
        break;
    case Service::ImageResult::WriteFailed:
    case Service::ImageResult::ReadFailed:
    case Service::ImageResult::Mismatch:
        feedback().errorBox(tr("Error"), Service::describe(result));
        break;
    }
}
