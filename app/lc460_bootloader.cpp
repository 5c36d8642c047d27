#include "app/lc460_bootloader.h"

#include "app/driverindicator.h"
#include "app/editmenu.h"
#include "app/filemenu.h"
#include "app/firmwarepage.h"
#include "app/helpmenu.h"
#include "app/information.h"
#include "app/programplayer.h"
#include "app/showpage.h"
#include "app/toolbar.h"
#include "app/windowfeedback.h"
#include "core/trace.h"
#include "core/version.h"
#include "core/workerjob.h"
#include "service/serviceconsole.h"
#include "style/arthurstyle.h"
#include "ui_lc460_bootloader.h"
#include "usb/usblc350.h"
#include "widgets/superrgb.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QProgressBar>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QShowEvent>
#include <QToolBar>
#include <QUndoGroup>

namespace {

// "Lc420 ver. " and the version: the title of an unchanged window.
QString versionTitle()
{
    return Lc460_bootloader::tr("Lc420 ver. ") + QLatin1String(Lc420::version);
}

// The service console's buttons with their slots.
using Slot = void (Lc460_bootloader::*)(bool);
std::array<std::pair<QPushButton *, Slot>, 12>
serviceConsoleButtons(const Ui::Lc460_bootloaderClass &ui)
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

// The service console and the production functions stay connected but are out
// of the user's reach: Firmware Change is the only button on the Settings tab.
void hideServiceButtons(const Ui::Lc460_bootloaderClass &ui)
{
    for (const auto &[button, slot] : serviceConsoleButtons(ui)) {
        button->setEnabled(false);
        button->hide();
    }
    ui.pushButtonCreateBootBin->setEnabled(false);
    ui.pushButtonCreateBootBin->hide();
    ui.pushButtonCreateUpg->setEnabled(false);
    ui.pushButtonCreateUpg->hide();
}

// Holds a lamp editor's place in its row until the editor is built: as
// large as an editor and as willing to stretch, so the tab and the window
// take the size the editors will have.
class LampStandIn : public QWidget
{
public:
    explicit LampStandIn(const SuperRGB &model)
        : hint(model.sizeHint())
        , minimum(model.minimumSizeHint())
    {
        setSizePolicy(model.sizePolicy());
        setMinimumSize(model.minimumSize());
        setMaximumSize(model.maximumSize());
    }
    [[nodiscard]] QSize sizeHint() const override { return hint; }
    [[nodiscard]] QSize minimumSizeHint() const override { return minimum; }

private:
    const QSize hint;
    const QSize minimum;
};

SuperRGB *newLampEditor(quint16 lamp, ArthurStyle *style, UserDialogs *dialogs)
{
    auto *editor = new SuperRGB(0, 0, 0, lamp);
    editor->setGroupStyle(style);
    editor->setUserDialogs(dialogs);
    return editor;
}

// Twelve stand-ins in row, each of model's size.
void addLampStandIns(QHBoxLayout *row, const SuperRGB &model)
{
    for (quint16 lamp = 0; lamp < Show::LampCount; ++lamp)
        row->addWidget(new LampStandIn(model));
}

// Puts lamp editors 0..11 in place of the row's stand-ins and makes their
// marked sliders move together: dragging a marked slider moves every marked
// slider of the tab to the same value. Without marks nothing moves.
QList<SuperRGB *> replaceLampStandIns(QHBoxLayout *row, ArthurStyle *style, UserDialogs *dialogs)
{
    QList<SuperRGB *> editors;
    quint16 lamp = 0;
    for (int i = 0; i < row->count() && lamp < Show::LampCount; ++i) {
        auto *standIn = dynamic_cast<LampStandIn *>(row->itemAt(i)->widget());
        if (!standIn)
            continue;
        SuperRGB *editor = newLampEditor(lamp++, style, dialogs);
        delete row->replaceWidget(standIn, editor);
        delete standIn;
        editors.append(editor);
    }
    for (SuperRGB *source : std::as_const(editors)) {
        for (SuperRGB *target : std::as_const(editors))
            QObject::connect(source, &SuperRGB::selectedSliderValueChange, target,
                             &SuperRGB::setValueIfSelected);
    }
    return editors;
}

// Room for the frame the system draws around the window.
constexpr QSize FrameAllowance(16, 48);

// Large enough for the overview and all twelve lamp editors, where the
// screen's free area allows, and inside that area. A scroll area asks for
// less than its contents; the window asks for the difference too, so that
// the lamp rows need not scroll. On a smaller screen the lamp rows and the
// overview scroll.
void fitFirstSize(QMainWindow &window, const Ui::Lc460_bootloaderClass &ui, QSize formSize)
{
    QSize missing;
    for (const QScrollArea *area : {ui.scrollArea, ui.scrollArea_2})
        missing = missing.expandedTo(area->widget()->sizeHint() + QSize(2, 2) * area->frameWidth()
                                     - area->sizeHint());
    // Never smaller than the form, where the screen has room for it.
    QSize wanted = (window.sizeHint() + missing.expandedTo(QSize(0, 0))).expandedTo(formSize);
    const QScreen *shown = window.screen();
    if (!shown) {
        window.resize(wanted);
        return;
    }
    const QRect area = shown->availableGeometry();
    wanted = wanted.boundedTo(area.size() - FrameAllowance).expandedTo(window.minimumSizeHint());
    window.resize(wanted);
    if (!area.contains(QRect(window.pos(), wanted + FrameAllowance)))
        window.move(area.topLeft());
}

// Tab goes through a show tab in reading order: the overview, the lamp
// editors from left to right, then the controls on the right from top to
// bottom.
void setReadingOrder(QWidget *overview, const QList<SuperRGB *> &editors,
                     const QList<QWidget *> &controls)
{
    QList<QWidget *> order{overview};
    for (SuperRGB *editor : editors) {
        for (QWidget *child : editor->findChildren<QWidget *>()) {
            if (child->focusPolicy() & Qt::TabFocus)
                order.append(child);
        }
    }
    order += controls;
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order.at(i - 1), order.at(i));
}

// The controls right of each show tab's lamp editors, in reading order.
QList<QWidget *> programControls(const Ui::Lc460_bootloaderClass &ui)
{
    return {ui.spinBoxProgramNumber,
            ui.spinBoxSceneNumber,
            ui.spinBoxRiseTime,
            ui.spinBoxStaticTime,
            ui.spinBoxEndMarker,
            ui.pushButtonGetProgramsFormLc460,
            ui.pushButtonSetProgramsInLc460,
            ui.pushButtonLoadProgramsFromFile,
            ui.pushButtonSaveProgramsToFile};
}

QList<QWidget *> sceneControls(const Ui::Lc460_bootloaderClass &ui)
{
    return {ui.spinBoxSceneSceneNumber,    ui.spinBoxSceneRiseTime,
            ui.spinBoxSceneStaticTime,     ui.pushButtonGetScenesFormLc460,
            ui.pushButtonSetScenesInLc460, ui.pushButtonLoadScenesFromFile,
            ui.pushButtonSaveScenesToFile};
}

} // namespace

Lc460_bootloader::Lc460_bootloader(QWidget *parent)
    : QMainWindow(parent)
    , device(std::make_unique<USBLC350>())
    , userDialogs(std::make_unique<UserDialogs>())
    , ui(std::make_unique<Ui::Lc460_bootloaderClass>())
{
    // The form; its setup leaves the Settings tab current.
    ui->setupUi(this);
    formSize = size();

    setWindowTitle(versionTitle());
    const auto dialogsNow = [this]() -> UserDialogs & { return dialogs(); };
    userFeedback = std::make_unique<WindowFeedback>(this, ui->txt, ui->statusBar, dialogsNow);

    // A widget's style does not pass to its children, so the form's widgets
    // get it one by one, as the lamp editors do.
    arthurStyle = new ArthurStyle;
    arthurStyle->setParent(this);
    setStyle(arthurStyle);
    for (QWidget *child : findChildren<QWidget *>())
        child->setStyle(arthurStyle);

    LC420_TRACE() << "MY_DEBUG";

    // A driver the system does not let this user open looks like no driver at
    // all; the log says why, once, at the first connect that meets it. The
    // observer runs on the connecting thread (the upgrade worker too) under
    // the transport lock, so the line is posted to the window's thread.
    device->setConnectObserver([this](const QList<UsbDevice::Found> &found) {
        const QString problem = UsbDevice::accessProblem(found);
        if (problem.isEmpty())
            return;
        QMetaObject::invokeMethod(
            this,
            [this, problem] {
                if (std::exchange(accessProblemShown, true))
                    return;
                feedback().logLine(problem);
            },
            Qt::QueuedConnection);
    });

    for (const auto &[button, slot] : serviceConsoleButtons(*ui))
        connect(button, &QPushButton::clicked, this, slot);
    connect(ui->pushButtonCreateUpg, &QPushButton::clicked, this,
            &Lc460_bootloader::slotpushButtonCreateUpg);
    connect(ui->pushButtonCreateBootBin, &QPushButton::clicked, this,
            &Lc460_bootloader::slotpushButtonCreateBootBin);
    connect(ui->pushButtonCHF, &QPushButton::clicked, this, &Lc460_bootloader::slotpushButtonCHF);
    connect(ui->pushButtonVerifyFirmware, &QPushButton::clicked, this,
            &Lc460_bootloader::slotpushButtonVerifyFirmware);
    connect(ui->actionLc460_info, &QAction::triggered, this, &Lc460_bootloader::slotShowInfo);
    connect(ui->actionClose, &QAction::triggered, this, &QWidget::close);
    connect(ui->tabWidget, &QTabWidget::currentChanged, this, &Lc460_bootloader::slotTabChange);
    connect(ui->actionPolish, &QAction::triggered, this, &Lc460_bootloader::slotPolish);
    connect(ui->actionEnglish, &QAction::triggered, this, &Lc460_bootloader::slotEnglish);
    hideServiceButtons(*ui);

    ui->spinBoxRiseTime->setRange(0, Show::MaxRiseTime);
    ui->spinBoxStaticTime->setRange(0, Show::MaxStaticTime);
    ui->spinBoxProgramNumber->setRange(1, Show::ProgramCount);
    ui->spinBoxSceneNumber->setRange(1, Show::StepsPerProgram);
    ui->spinBoxSceneRiseTime->setRange(0, Show::MaxRiseTime);
    ui->spinBoxSceneStaticTime->setRange(0, Show::MaxStaticTime);
    ui->spinBoxSceneSceneNumber->setRange(1, Show::SceneCount);
    // The lamp editors of a show tab are built when the tab is first shown
    // (ensureBuilt): the first frame shows the Settings tab, and 24 editors
    // are a good part of the window's start. Until then stand-ins of one
    // editor's size keep their places, so the window's first size is the
    // one the editors need.
    {
        const std::unique_ptr<SuperRGB> model(newLampEditor(0, arthurStyle, nullptr));
        addLampStandIns(ui->horizontalLayout, *model);
        addLampStandIns(ui->horizontalLayoutScenes, *model);
    }

    // A spin box's minimum width of 80 lets the layout cut "900000 ms": the
    // column of the boxes is as wide as the largest value with its suffix.
    for (QGridLayout *grid : {ui->gridLayout_5, ui->gridLayout_7}) {
        int widest = 0;
        for (int row = 0; row < grid->rowCount(); ++row) {
            QLayoutItem *item = grid->itemAtPosition(row, 1);
            if (auto *box = qobject_cast<QSpinBox *>(item ? item->widget() : nullptr))
                widest = std::max(widest, box->sizeHint().width());
        }
        grid->setColumnMinimumWidth(1, widest);
    }

    // The actions that use the driver, and that must wait while the upgrade
    // runs. The service buttons stay as the window built them.
    const auto setDriverActionsEnabled = [this](bool enabled) {
        for (QPushButton *button :
             {ui->pushButtonCHF, ui->pushButtonVerifyFirmware, ui->pushButtonGetProgramsFormLc460,
              ui->pushButtonSetProgramsInLc460, ui->pushButtonGetScenesFormLc460,
              ui->pushButtonSetScenesInLc460})
            button->setEnabled(enabled);
    };

    // A Get, Set or comparison runs as a job: the status bar shows its
    // progress, and the driver's other actions wait for it.
    auto *jobProgress = new QProgressBar;
    jobProgress->setObjectName(QStringLiteral("progressBarJob"));
    jobProgress->setMaximumWidth(200);
    jobProgress->hide();
    ui->statusBar->addPermanentWidget(jobProgress);
    connect(device.get(), &USBLC350::sendPercentExtFlashRead, jobProgress, &QProgressBar::setValue);
    connect(device.get(), &USBLC350::sendPercentExtFlashWrite, jobProgress,
            &QProgressBar::setValue);
    const auto setBusy = [this, setDriverActionsEnabled, jobProgress](bool busy) {
        setDriverActionsEnabled(!busy);
        if (indicator)
            indicator->setActivity(busy ? DriverIndicator::Activity::Busy
                                        : DriverIndicator::Activity::Idle);
        jobProgress->setValue(0);
        jobProgress->setVisible(busy);
        editMenu->update();
        fileMenu->update();
        // A close asked for during the job happens once it has ended.
        if (!busy && std::exchange(closeAfterJob, false))
            QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    };

    driverJob = std::make_unique<WorkerJob>(this, setBusy);
    firmwarePage = std::make_unique<FirmwarePage>(
        *device, feedback(), dialogsNow, this,
        FirmwarePage::Widgets{ui->progressBarFlash, ui->progressBarExtFlashWr,
                              ui->progressBarExtFlashRd},
        [this, setDriverActionsEnabled](bool enabled) {
            setDriverActionsEnabled(enabled);
            if (enabled)
                device->disconnect();
            indicator->setActivity(enabled ? DriverIndicator::Activity::Idle
                                           : DriverIndicator::Activity::Upgrading);
        },
        *driverJob, nullptr);
    serviceConsole
        = std::make_unique<ServiceConsole>(*device, feedback(), dialogsNow, this, *driverJob);

    undoGroup = new QUndoGroup(this);
    const ShowPage::Services services{
        device.get(), &feedback(), dialogsNow, this, [this] { return refuseWhileBusy(); }, setBusy};
    programsPage = std::make_unique<ShowPage>(
        Show::Kind::Programs,
        ShowPage::Widgets{ui->tabPrograms,
                          ui->overviewPrograms,
                          ui->spinBoxProgramNumber,
                          ui->spinBoxSceneNumber,
                          {{}, ui->spinBoxRiseTime, ui->spinBoxStaticTime, ui->spinBoxEndMarker},
                          {ui->pushButtonGetProgramsFormLc460, ui->pushButtonSetProgramsInLc460}},
        services, undoGroup, nullptr);
    scenesPage = std::make_unique<ShowPage>(
        Show::Kind::Scenes,
        ShowPage::Widgets{ui->tabScenes,
                          ui->overviewScenes,
                          nullptr,
                          ui->spinBoxSceneSceneNumber,
                          {{}, ui->spinBoxSceneRiseTime, ui->spinBoxSceneStaticTime, nullptr},
                          {ui->pushButtonGetScenesFormLc460, ui->pushButtonSetScenesInLc460}},
        services, undoGroup, nullptr);

    connect(ui->spinBoxProgramNumber, &QSpinBox::valueChanged, this,
            &Lc460_bootloader::slotUpdateProgramScene);
    connect(ui->spinBoxSceneNumber, &QSpinBox::valueChanged, this,
            &Lc460_bootloader::slotUpdateProgramScene);
    connect(ui->pushButtonGetProgramsFormLc460, &QPushButton::clicked, this,
            &Lc460_bootloader::slotpushButtonGetProgramsFromLc460);
    connect(ui->pushButtonSetProgramsInLc460, &QPushButton::clicked, this,
            &Lc460_bootloader::slotpushButtonSetProgramsInLc460);
    connect(ui->pushButtonGetScenesFormLc460, &QPushButton::clicked, this,
            &Lc460_bootloader::slotpushButtonGetScenesFromLc460);
    connect(ui->pushButtonSetScenesInLc460, &QPushButton::clicked, this,
            &Lc460_bootloader::slotpushButtonSetScenesInLc460);
    connect(ui->spinBoxSceneSceneNumber, &QSpinBox::valueChanged, this,
            &Lc460_bootloader::slotUpdateScene);
    connect(ui->pushButtonLoadScenesFromFile, &QPushButton::clicked, this,
            &Lc460_bootloader::slotpushButtonLoadScenesFromFile);
    connect(ui->pushButtonLoadProgramsFromFile, &QPushButton::clicked, this,
            &Lc460_bootloader::slotpushButtonLoadProgramsFromFile);
    connect(ui->pushButtonSaveScenesToFile, &QPushButton::clicked, this,
            &Lc460_bootloader::slotpushButtonSaveScenesToFile);
    connect(ui->pushButtonSaveProgramsToFile, &QPushButton::clicked, this,
            &Lc460_bootloader::slotpushButtonSaveProgramsToFile);
    connect(ui->actionCompareWithDriver, &QAction::triggered, this,
            &Lc460_bootloader::slotCompareWithDriver);
    editMenu = new EditMenu({ui->menuEdit, ui->actionCopy, ui->actionPaste, ui->actionDuplicate,
                             ui->actionInsertBlank, ui->actionDelete, ui->actionRotateLampsLeft,
                             ui->actionRotateLampsRight, ui->actionCompareWithDriver},
                            ui->tabWidget, undoGroup, {programsPage.get(), scenesPage.get()}, this);
    fileMenu = new FileMenu(ui->menuFile, ui->actionCompareWithDriver, ui->tabWidget,
                            {programsPage.get(), scenesPage.get()}, dialogsNow, feedback(), this);
    // Play and Stop: the shown program in a preview on the Programs tab.
    player = new ProgramPlayer({ui->tabWidget, ui->tabPrograms, ui->spinBoxProgramNumber,
                                ui->overviewPrograms, ui->previewPrograms},
                               this);
    ui->menuBar->insertMenu(ui->menuLanguage->menuAction(), player->menu());
    bindDocument(std::make_unique<Show::ShowDocument>());

    // Esc stops a preview that plays; otherwise it clears the slider marks of
    // the tab in view (the lamp editors' tool tips say so). One key, one
    // shortcut, so the list of shortcuts names it once.
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setWhatsThis(tr("Stop the preview, or clear the slider marks of the tab in view"));
    connect(escape, &QShortcut::activated, this, [this] {
        if (player->isPlaying()) {
            player->halt();
            return;
        }
        for (SuperRGB *editor : ui->tabWidget->currentWidget()->findChildren<SuperRGB *>())
            editor->setAll(false);
    });

    setReadingOrder(ui->overviewPrograms, {}, programControls(*ui));
    setReadingOrder(ui->overviewScenes, {}, sceneControls(*ui));

    // F10 opens the menu bar, as on the desktops that have no Alt key
    // navigation; the menus' accelerators work with Alt as well.
    auto *openMenuBar = new QShortcut(QKeySequence(Qt::Key_F10), this);
    openMenuBar->setWhatsThis(tr("Open the menu bar"));
    connect(openMenuBar, &QShortcut::activated, this, [this] {
        menuBar()->setFocus(Qt::MenuBarFocusReason);
        menuBar()->setActiveAction(menuBar()->actions().constFirst());
    });

    helpMenu = new HelpMenu(ui->menuHelp, ui->actionLc460_info, this, dialogsNow);

    // The common actions with icons. The Get and Set of the tool bar press the
    // current tab's buttons.
    auto *get = new TabButtonAction(
        tr("Get From Lc420"), ui->tabWidget,
        {ui->pushButtonGetProgramsFormLc460, ui->pushButtonGetScenesFormLc460}, this);
    get->setObjectName(QStringLiteral("actionGet"));
    auto *set = new TabButtonAction(
        tr("Set In Lc420"), ui->tabWidget,
        {ui->pushButtonSetProgramsInLc460, ui->pushButtonSetScenesInLc460}, this);
    set->setObjectName(QStringLiteral("actionSet"));
    const auto named = [this](const char *name) {
        return findChild<QAction *>(QLatin1String(name), Qt::FindDirectChildrenOnly);
    };
    QToolBar *bar = ui->mainToolBar;
    bar->setWindowTitle(tr("Tool Bar"));
    ToolBar::add(bar, named("actionOpen"), "document-open", QStyle::SP_DialogOpenButton);
    ToolBar::add(bar, named("actionSave"), "document-save", QStyle::SP_DialogSaveButton);
    bar->addSeparator();
    ToolBar::add(bar, get, "go-down", QStyle::SP_ArrowDown);
    ToolBar::add(bar, set, "go-up", QStyle::SP_ArrowUp);
    ToolBar::add(bar, ui->actionCompareWithDriver, "edit-find", QStyle::SP_FileDialogContentsView);
    bar->addSeparator();
    ToolBar::add(bar, named("actionUndo"), "edit-undo", QStyle::SP_ArrowBack);
    ToolBar::add(bar, named("actionRedo"), "edit-redo", QStyle::SP_ArrowForward);
    bar->addSeparator();
    ToolBar::add(bar, player->playAction(), "media-playback-start", QStyle::SP_MediaPlay);
    ToolBar::add(bar, player->stopAction(), "media-playback-stop", QStyle::SP_MediaStop);

    // Which driver the window talks to, on every tab.
    indicator = std::make_unique<DriverIndicator>(
        *device, feedback(), ui->statusBar, [this] { return refuseWhileBusy(); }, *driverJob);
    firmwarePage->setDriverChoice([this] { return indicator->monitor().choice().result; });
    serviceConsole->setLockObserver([this](const QByteArray &serial, bool locked) {
        indicator->monitor().noteLock(serial, locked);
    });

    // The Settings tab is current now; from here on slotTabChange keeps the
    // external-flash bars following the device while it is.
    firmwarePage->followExternalFlash(true);
    fitFirstSize(*this, *ui, formSize);

    connect(ui->tabWidget, &QTabWidget::currentChanged, this, [this] {
        if (ui->tabWidget->currentWidget() == ui->tabPrograms)
            buildLampEditors(Show::Kind::Programs);
        else if (ui->tabWidget->currentWidget() == ui->tabScenes)
            buildLampEditors(Show::Kind::Scenes);
    });
}

void Lc460_bootloader::ensureBuilt()
{
    buildLampEditors(Show::Kind::Programs);
    buildLampEditors(Show::Kind::Scenes);
}

void Lc460_bootloader::buildLampEditors(Show::Kind kind)
{
    const bool programs = kind == Show::Kind::Programs;
    QList<SuperRGB *> &editors = programs ? programEditors : sceneEditors;
    if (!editors.isEmpty())
        return;
    QHBoxLayout *row = programs ? ui->horizontalLayout : ui->horizontalLayoutScenes;
    editors = replaceLampStandIns(row, arthurStyle, userDialogs.get());
    // On a tab in view the layout would show them only at the next pass of
    // the event loop.
    if (row->parentWidget()->isVisible()) {
        for (SuperRGB *editor : std::as_const(editors))
            editor->show();
    }
    (programs ? programsPage : scenesPage)->setLampEditors(editors);
    setReadingOrder(programs ? ui->overviewPrograms : ui->overviewScenes, editors,
                    programs ? programControls(*ui) : sceneControls(*ui));
}

Lc460_bootloader::~Lc460_bootloader()
{
    // The stacks go after the document, with the window's children; what
    // they report then is of no interest.
    undoGroup->disconnect(this);
}

void Lc460_bootloader::setUserDialogs(std::unique_ptr<UserDialogs> dialogs)
{
    Q_ASSERT(dialogs);
    userDialogs = std::move(dialogs);
    for (SuperRGB *editor : findChildren<SuperRGB *>())
        editor->setUserDialogs(userDialogs.get());
}

UserDialogs &Lc460_bootloader::dialogs()
{
    return *userDialogs;
}

bool Lc460_bootloader::upgradeInProgress() const
{
    return firmwarePage && firmwarePage->upgradeRunning();
}

bool Lc460_bootloader::jobRunning() const
{
    return programsPage->jobRunning() || scenesPage->jobRunning() || driverJob->running();
}

bool Lc460_bootloader::refuseWhileBusy()
{
    if (upgradeInProgress()) {
        dialogs().message(QMessageBox::Information, this, tr("Info"),
                          tr("Firmware upgrade in progress"), QMessageBox::Ok);
        return true;
    }
    if (jobRunning() || firmwarePage->verifyRunning()) {
        dialogs().message(QMessageBox::Information, this, tr("Info"),
                          tr("The driver is busy with a transfer. Try again when it has ended."),
                          QMessageBox::Ok);
        return true;
    }
    return false;
}

// Everything that shows or edits the show is tied to the document here, so a
// document handed over by a language switch is bound exactly like a new one.
void Lc460_bootloader::bindDocument(std::unique_ptr<Show::ShowDocument> document)
{
    showDocument = std::move(document);
    programsPage->bind(*showDocument);
    scenesPage->bind(*showDocument);
    player->bind(*showDocument);
    // The title names the current tab's file and carries the modified mark.
    fileMenu->bind(*showDocument);
}

void Lc460_bootloader::closeEvent(QCloseEvent *event)
{
    LC420_TRACE() << "Lc460_bootloader::closeEvent ( QCloseEvent * event )";
    // Closing in the middle of an upgrade would leave the driver half
    // written; a transfer of the show is short, and the window closes when
    // it has ended.
    if (jobRunning()) {
        closeAfterJob = true;
        feedback().statusMessage(tr("The window closes when the transfer has ended."));
        event->ignore();
        return;
    }
    if (refuseWhileBusy()) {
        event->ignore();
        return;
    }
    // Unsaved programs or scenes: Save keeps them in files, each table in the
    // file it came from or, without one, where its Save dialog says (a
    // cancelled dialog cancels the close); Discard closes, and Enter never
    // throws anything away.
    if (showDocument->isModified()) {
        const QMessageBox::StandardButton answer = feedback().question(
            tr("Close"),
            tr("Programs or scenes have changed since they were last saved or sent to the "
               "driver. Save them before closing?"),
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
        bool close = answer == QMessageBox::Discard;
        if (answer == QMessageBox::Save) {
            close = true;
            for (ShowPage *page : {programsPage.get(), scenesPage.get()})
                close = close && (!showDocument->isModified(page->kind()) || page->save());
        }
        if (!close) {
            event->ignore();
            return;
        }
    }
    QMainWindow::closeEvent(event);
}

Lc460_bootloader::Handover Lc460_bootloader::handOver()
{
    Handover handover;
    handover.geometry = saveGeometry();
    handover.tab = ui->tabWidget->currentIndex();
    handover.programNumber = ui->spinBoxProgramNumber->value();
    handover.stepNumber = ui->spinBoxSceneNumber->value();
    handover.sceneNumber = ui->spinBoxSceneSceneNumber->value();
    handover.driver = indicator->monitor().pinned();
    programsPage->unbind();
    scenesPage->unbind();
    player->unbind();
    showDocument->disconnect(this);
    handover.document = std::move(showDocument);
    return handover;
}

void Lc460_bootloader::takeOver(Handover handover)
{
    if (!handover.geometry.isEmpty())
        sizeChosen = restoreGeometry(handover.geometry);
    ui->tabWidget->setCurrentIndex(handover.tab);
    if (!handover.driver.isEmpty())
        indicator->choose(handover.driver);
    for (auto [box, value] : {std::pair{ui->spinBoxProgramNumber, handover.programNumber},
                              std::pair{ui->spinBoxSceneNumber, handover.stepNumber},
                              std::pair{ui->spinBoxSceneSceneNumber, handover.sceneNumber}}) {
        const QSignalBlocker blocker(box);
        box->setValue(value);
    }
    if (handover.document) {
        bindDocument(std::move(handover.document));
    } else {
        programsPage->showSelected();
        scenesPage->showSelected();
    }
}

void Lc460_bootloader::showEvent(QShowEvent *event)
{
    // Fitted again to the screen the window appears on, which may not be the
    // one it was built for.
    if (!event->spontaneous() && !std::exchange(sizeChosen, true))
        fitFirstSize(*this, *ui, formSize);
    QMainWindow::showEvent(event);
}

void Lc460_bootloader::markLanguage(bool polish)
{
    helpMenu->setPolish(polish);
    ui->actionPolish->setCheckable(true);
    ui->actionEnglish->setCheckable(true);
    ui->actionPolish->setChecked(polish);
    ui->actionEnglish->setChecked(!polish);
}

void Lc460_bootloader::showServiceButtons()
{
    for (const auto &[button, slot] : serviceConsoleButtons(*ui)) {
        button->setEnabled(true);
        button->show();
    }
}

// The external-flash bars are on the Settings tab; transfers made from the
// Programs and Scenes tabs move no bar.
void Lc460_bootloader::slotTabChange(int index)
{
    LC420_TRACE() << "Lc460_bootloader::slotTabChange(int index)";
    if (index == 0)
        firmwarePage->followExternalFlash(true);
    else if (index == 1 || index == 2)
        firmwarePage->followExternalFlash(false);
}

void Lc460_bootloader::slotShowInfo(bool /*t*/)
{
    LC420_TRACE() << "Lc460_bootloader::slotShowInfo(bool t)";
    Information information(this);
    dialogs().exec(information);
}

// A language change rebuilds the whole window under the other translation;
// the entry function does that when the event loop returns these codes.
void Lc460_bootloader::slotPolish(bool /*t*/)
{
    LC420_TRACE() << "Lc460_bootloader::slotPolish(bool t)";
    if (refuseWhileBusy())
        return;
    QApplication::exit(ExitCodePolish);
}

void Lc460_bootloader::slotEnglish(bool /*t*/)
{
    LC420_TRACE() << "Lc460_bootloader::slotEnglish(bool t)";
    if (refuseWhileBusy())
        return;
    QApplication::exit(ExitCodeEnglish);
}
