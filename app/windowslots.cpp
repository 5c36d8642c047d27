// The window's specified slots. Each writes its trace line, refuses what
// must wait for a running upgrade, and hands the work to the page that owns
// it.

#include "app/editmenu.h"
#include "app/firmwarepage.h"
#include "app/lc460_bootloader.h"
#include "app/showpage.h"
#include "core/trace.h"
#include "service/serviceconsole.h"

void Lc460_bootloader::slotUpdateProgramScene(int /*i*/)
{
    LC420_TRACE() << "Lc460_bootloader::slotUpdateProgramScene(int i)";
    programsPage->showSelected();
}

void Lc460_bootloader::slotUpdateScene(int /*i*/)
{
    LC420_TRACE() << "Lc460_bootloader::slotUpdateScene(int i)";
    scenesPage->showSelected();
}

void Lc460_bootloader::slotpushButtonGetProgramsFromLc460(bool /*t*/)
{
    LC420_TRACE() << " Lc460_bootloader::slotpushButtonGetProgramsFromLc460(bool t)";
    programsPage->getFromDriver();
}

void Lc460_bootloader::slotpushButtonSetProgramsInLc460(bool /*t*/)
{
    LC420_TRACE() << " Lc460_bootloader::slotpushButtonSetProgramsInLc460(bool t)";
    programsPage->setInDriver();
}

void Lc460_bootloader::slotpushButtonGetScenesFromLc460(bool /*t*/)
{
    LC420_TRACE() << "Lc460_bootloader::slotpushButtonGetScenesFromLc460(bool t)";
    scenesPage->getFromDriver();
}

void Lc460_bootloader::slotpushButtonSetScenesInLc460(bool /*t*/)
{
    LC420_TRACE() << "Lc460_bootloader::slotpushButtonSetScenesInLc460(bool t)";
    scenesPage->setInDriver();
}

void Lc460_bootloader::slotpushButtonLoadScenesFromFile(bool /*t*/)
{
    LC420_TRACE() << "Lc460_bootloader::slotpushButtonLoadScenesFromFile(bool t)";
    scenesPage->loadFromFile();
}

void Lc460_bootloader::slotpushButtonLoadProgramsFromFile(bool /*t*/)
{
    LC420_TRACE() << "Lc460_bootloader::slotpushButtonLoadProgramsFromFile(bool t)";
    programsPage->loadFromFile();
}

void Lc460_bootloader::slotpushButtonSaveScenesToFile(bool /*t*/)
{
    LC420_TRACE() << "Lc460_bootloader::slotpushButtonSaveScenesToFile(bool t)";
    scenesPage->saveToFile();
}

void Lc460_bootloader::slotpushButtonSaveProgramsToFile(bool /*t*/)
{
    LC420_TRACE() << "Lc460_bootloader::slotpushButtonSaveProgramsToFile(bool t)";
    programsPage->saveToFile();
}

// File > Compare With Driver: the current tab's table against the driver's.
void Lc460_bootloader::slotCompareWithDriver(bool /*t*/)
{
    if (ShowPage *page = editMenu->currentPage())
        page->compareWithDriver();
}

void Lc460_bootloader::slotpushButtonCreateUpg(bool /*t*/)
{
    LC420_TRACE() << "Lc460_bootloader::slotpushButtonCreateUpg(bool t)";
    firmwarePage->createUpgradeFile();
}

void Lc460_bootloader::slotpushButtonCreateBootBin(bool /*t*/)
{
    firmwarePage->createBootImages();
}

// Firmware Change: the upgrade runs on the worker thread; the window only
// hands it the file and shows what it reports.
void Lc460_bootloader::slotpushButtonCHF(bool /*t*/)
{
    LC420_TRACE() << "Lc460_bootloader::slotpushButtonCHF(bool t)";
    firmwarePage->changeFirmware();
}

void Lc460_bootloader::slotpushButtonVerifyFirmware(bool /*t*/)
{
    LC420_TRACE() << "Lc460_bootloader::slotpushButtonVerifyFirmware(bool t)";
    if (!refuseWhileBusy())
        firmwarePage->verifyFirmware();
}

void Lc460_bootloader::slotpushButtonConnect(bool /*t*/)
{
    LC420_TRACE() << "Lc460_bootloader::slotpushButtonConnect(bool t)";
    if (!refuseWhileBusy())
        serviceConsole->connectDevice();
}

void Lc460_bootloader::slotpushButtonDisconnect(bool /*t*/)
{
    if (refuseWhileBusy())
        return;
    serviceConsole->disconnectDevice();
    LC420_TRACE() << "Lc460_bootloader::slotpushButtonDisconnect(bool t)";
}

void Lc460_bootloader::slotpushButtonRead(bool /*t*/)
{
    LC420_TRACE() << "Lc460_bootloader::slotpushButtonRead(bool t)";
    if (!refuseWhileBusy())
        serviceConsole->readMemory();
}

void Lc460_bootloader::slotpushButtonWrite(bool /*t*/)
{
    LC420_TRACE() << "Lc460_bootloader::slotpushButtonWrite(bool t)";
    if (!refuseWhileBusy())
        serviceConsole->sendTestBlock();
}

void Lc460_bootloader::slotpushButtonWritePage(bool /*t*/)
{
    LC420_TRACE() << "Lc460_bootloader::slotpushButtonWritePage(bool t)";
    if (!refuseWhileBusy())
        serviceConsole->writePage();
}

// The driver resets as it answers and drops off the bus mid-transfer.
void Lc460_bootloader::slotpushButtonRunApplication(bool /*t*/)
{
    if (!refuseWhileBusy())
        serviceConsole->runApplication();
}

void Lc460_bootloader::slotpushButtonStatusGet(bool /*t*/)
{
    if (!refuseWhileBusy())
        serviceConsole->statusGet();
}

void Lc460_bootloader::slotpushButtonStatusSet(bool /*t*/)
{
    if (!refuseWhileBusy())
        serviceConsole->statusSet();
}

void Lc460_bootloader::slotpushButtonStatusClr(bool /*t*/)
{
    if (!refuseWhileBusy())
        serviceConsole->statusClear();
}

void Lc460_bootloader::slotpushButtonReadExternalFlash(bool /*t*/)
{
    LC420_TRACE() << "Lc460_bootloader::slotpushButtonReadExternalFlash(bool t)";
    if (!refuseWhileBusy())
        serviceConsole->readExternalFlash();
}

void Lc460_bootloader::slotpushButtonWriteExternalFlash(bool /*t*/)
{
    LC420_TRACE() << "Lc460_bootloader::slotpushButtonWriteExternalFlash(bool t)";
    if (!refuseWhileBusy())
        serviceConsole->writeExternalFlash();
}

void Lc460_bootloader::slotpushButtonWriteExtFlashBin(bool /*t*/)
{
    LC420_TRACE() << "Lc460_bootloader::slotpushButtonWriteExtFlashBin(bool t)";
    if (!refuseWhileBusy())
        serviceConsole->writeExternalFlashFromFile();
}
