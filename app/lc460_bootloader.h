#pragma once

#include "widgets/dialogs/userdialogs.h"

#include <QList>
#include <QMainWindow>
#include <QtGlobal>

#include <array>
#include <cstddef>
#include <memory>

class QCloseEvent;
class QHBoxLayout;
class QPushButton;
class SuperRGB;
class Upgrader;
class USBLC350;

namespace Ui {
class Lc460_bootloaderClass;
}

// The program's single window. A language choice ends the event loop with
// ExitCodePolish or ExitCodeEnglish; the entry function then throws the window
// away and builds a new one under the chosen translation (see app/startup.h).
class Lc460_bootloader : public QMainWindow
{
    Q_OBJECT

public:
    static constexpr int ExitCodePolish = -11;
    static constexpr int ExitCodeEnglish = -12;

    // Show data: one record is 12 lamps x red, green, blue, then rise time,
    // static time, end marker and three reserved bytes.
    static constexpr std::size_t SceneRecordSize = 48;
    static constexpr std::size_t ProgramCount = 8;
    static constexpr std::size_t StepsPerProgram = 20;
    static constexpr std::size_t SceneCount = 8;

    explicit Lc460_bootloader(QWidget *parent = nullptr);
    ~Lc460_bootloader() override;

    // Every standard dialog and message box the slots show goes through this
    // object; tests install a scripted one.
    void setUserDialogs(std::unique_ptr<UserDialogs> dialogs);
    [[nodiscard]] UserDialogs &dialogs();

    // The driver, shared by the slots and the upgrade worker.
    [[nodiscard]] USBLC350 &usbDevice() { return *device; }

    // True while the firmware upgrade runs: every action that uses the driver
    // is refused then (its slot returns without touching the device).
    [[nodiscard]] bool upgradeInProgress() const;

    // The driver's show data as it is held in memory, in the byte layout of
    // its external flash (unscrambled): 8 programs of 20 steps, and 8 scenes.
    std::array<quint8, ProgramCount * StepsPerProgram * SceneRecordSize> programTable{};
    std::array<quint8, SceneCount * SceneRecordSize> sceneTable{};

    // The twelve lamp editors of the Programs tab and of the Scenes tab, lamp
    // 0 first; children of their tab (the window's widget tree owns them).
    QList<SuperRGB *> programEditors;
    QList<SuperRGB *> sceneEditors;

public Q_SLOTS:
    void slotpushButtonCreateUpg(bool t);
    void slotpushButtonCreateBootBin(bool t);
    void slotpushButtonCHF(bool t);
    void slotShowInfo(bool t);
    void slotTabChange(int index);
    void slotPolish(bool t);
    void slotEnglish(bool t);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // Refuses a device action or a window change while the upgrade runs:
    // tells the user and returns true.
    bool refuseDuringUpgrade();
    void setDeviceActionsEnabled(bool enabled);
    void connectExternalFlashProgress();
    void disconnectExternalFlashProgress();
    // Fills one tab's row with lamp editors 0..11 and makes their marked
    // sliders move together.
    void addLampEditors(QList<SuperRGB *> &editors, QHBoxLayout *row);

    // Declared before the worker, so the worker (which waits for its run to
    // end) is destroyed first and never touches a deleted device.
    std::unique_ptr<USBLC350> device;
    std::unique_ptr<Upgrader> upgrader;
    std::unique_ptr<UserDialogs> userDialogs;
    std::unique_ptr<Ui::Lc460_bootloaderClass> ui;

    // The program step and the scene shown in the lamp editors; -1 before the
    // first one is loaded.
    int shownProgram = -1;
    int shownProgramScene = -1;
    int shownScene = -1;
};
