#pragma once

#include <QCoreApplication>
#include <QString>

#include <functional>

class Feedback;
class QWidget;
class USBLC350;
class UserDialogs;

// The service console behind the Settings tab's service buttons: connection,
// controller memory, test block, page, status word and external flash, for
// technicians. Each command asks through the dialog seam, calls one command of
// usb/ and reports through Feedback. The window keeps the buttons, their slots
// and the refusal while an upgrade runs; it hands every press to one function
// here. Its texts belong to the window's translation context.
class ServiceConsole
{
    Q_DECLARE_TR_FUNCTIONS(Lc460_bootloader)

public:
    // dialogs is looked up at every question, since tests replace the
    // window's dialogs after it is built; window parents the boxes.
    ServiceConsole(USBLC350 &device, Feedback &feedback, std::function<UserDialogs &()> dialogs,
                   QWidget *window);

    void connectDevice();
    void disconnectDevice();
    void readMemory();
    void sendTestBlock();
    void writePage();
    void runApplication();
    void statusGet();
    void statusSet();
    void statusClear();
    void readExternalFlash();
    void writeExternalFlash();
    void writeExternalFlashFromFile();

private:
    // Clears the log and shows a hex dump of bytes in it.
    void showDump(const QByteArray &bytes);
    // Why the driver refused a page, in plain words (a transfer or two).
    [[nodiscard]] QString whyPageWriteFailed();

    USBLC350 &device;
    Feedback &feedback;
    std::function<UserDialogs &()> dialogs;
    QWidget *window;
};
