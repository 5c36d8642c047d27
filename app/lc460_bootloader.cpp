#include "app/lc460_bootloader.h"

#include "app/information.h"
#include "app/windowfeedback.h"
#include "core/trace.h"
#include "core/version.h"
#include "firmware/upgrader.h"
#include "style/arthurstyle.h"
#include "ui_lc460_bootloader.h"
#include "usb/usblc350.h"
#include "widgets/superrgb.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QUndoGroup>
#include <QUndoStack>

Lc460_bootloader::Lc460_bootloader(QWidget *parent)
    : QMainWindow(parent)
    , userDialogs(std::make_unique<UserDialogs>())
    , ui(std::make_unique<Ui::Lc460_bootloaderClass>())
{
    // The form; its setup leaves the Settings tab current.
    ui->setupUi(this);

    setWindowTitle(versionTitle());
    userFeedback = std::make_unique<WindowFeedback>(
        this, ui->txt, ui->statusBar, [this]() -> UserDialogs & { return dialogs(); });

    // A widget's style does not pass to its children, so the form's widgets
    // get it one by one, as the lamp editors do.
    arthurStyle = new ArthurStyle;
    arthurStyle->setParent(this);
    setStyle(arthurStyle);
    for (QWidget *child : findChildren<QWidget *>())
        child->setStyle(arthurStyle);

    LC420_TRACE() << "MY_DEBUG";

    ui->pushButtonRead->hide();
    ui->pushButtonReadExternalFlash->hide();
    ui->pushButtonWrite->hide();
    ui->pushButtonWriteExternalFlash->hide();
    ui->pushButtonWriteExtFlashBin->hide();
    ui->pushButtonWritePage->hide();

    device = std::make_unique<USBLC350>();
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
                if (accessProblemShown)
                    return;
                accessProblemShown = true;
                feedback().logLine(problem);
            },
            Qt::QueuedConnection);
    });

    connectServiceButtons();
    connect(ui->pushButtonCreateUpg, &QPushButton::clicked, this,
            &Lc460_bootloader::slotpushButtonCreateUpg);
    connect(ui->pushButtonCreateBootBin, &QPushButton::clicked, this,
            &Lc460_bootloader::slotpushButtonCreateBootBin);
    connect(ui->pushButtonCHF, &QPushButton::clicked, this, &Lc460_bootloader::slotpushButtonCHF);
    connect(ui->actionLc460_info, &QAction::triggered, this, &Lc460_bootloader::slotShowInfo);
    connect(ui->actionClose, &QAction::triggered, this, &QWidget::close);
    connect(ui->tabWidget, &QTabWidget::currentChanged, this, &Lc460_bootloader::slotTabChange);
    connect(ui->actionPolish, &QAction::triggered, this, &Lc460_bootloader::slotPolish);
    connect(ui->actionEnglish, &QAction::triggered, this, &Lc460_bootloader::slotEnglish);

    // The service console and the production functions stay connected but are
    // out of the user's reach: Firmware Change is the only button on the
    // Settings tab.
    QPushButton *const serviceButtons[] = {
        ui->pushButtonConnect,
        ui->pushButtonDisconnect,
        ui->pushButtonRead,
        ui->pushButtonWrite,
        ui->pushButtonWritePage,
        ui->pushButtonRunApplication,
        ui->pushButtonReadExternalFlash,
        ui->pushButtonWriteExternalFlash,
        ui->pushButtonWriteExtFlashBin,
        ui->pushButtonCreateBootBin,
        ui->pushButtonStatusClr,
        ui->pushButtonStatusGet,
        ui->pushButtonStatusSet,
    };
    for (QPushButton *button : serviceButtons)
        button->setEnabled(false);
    for (QPushButton *button : serviceButtons)
        button->hide();
    ui->pushButtonCreateUpg->setEnabled(false);
    ui->pushButtonCreateUpg->hide();

    ui->spinBoxRiseTime->setRange(0, Show::MaxRiseTime);
    ui->spinBoxStaticTime->setRange(0, Show::MaxStaticTime);
    ui->spinBoxProgramNumber->setRange(1, Show::ProgramCount);
    ui->spinBoxSceneNumber->setRange(1, Show::StepsPerProgram);
    addLampEditors(programEditors, ui->horizontalLayout);

    ui->spinBoxSceneRiseTime->setRange(0, Show::MaxRiseTime);
    ui->spinBoxSceneStaticTime->setRange(0, Show::MaxStaticTime);
    ui->spinBoxSceneSceneNumber->setRange(1, Show::SceneCount);
    addLampEditors(sceneEditors, ui->horizontalLayoutScenes);

    setUpShowData();

    // Esc clears the slider marks of the tab in view (the lamp editors' tool
    // tips say so).
    auto *clearMarks = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(clearMarks, &QShortcut::activated, this, [this] {
        for (SuperRGB *editor : programEditors + sceneEditors) {
            if (ui->tabWidget->currentWidget()->isAncestorOf(editor))
                editor->setAll(false);
        }
    });

    upgrader = std::make_unique<Upgrader>(device.get());
    connectUpgrader();
    // The Settings tab is current now; from here on slotTabChange keeps these
    // two connections while it is.
    connectExternalFlashProgress();
    fitFirstSize();
}

Lc460_bootloader::~Lc460_bootloader()
{
    // The stacks go after the document, with the window's children; what
    // they report then is of no interest.
    undoGroup->disconnect(this);
    programUndo->disconnect(this);
    sceneUndo->disconnect(this);
}

void Lc460_bootloader::fitFirstSize()
{
    // A scroll area asks for less than its contents; the window asks for
    // the difference too, so that the lamp rows need not scroll.
    QSize missing;
    for (const QScrollArea *area : {ui->scrollArea, ui->scrollArea_2})
        missing = missing.expandedTo(area->widget()->sizeHint() + QSize(2, 2) * area->frameWidth()
                                     - area->sizeHint());
    QSize wanted = sizeHint() + missing.expandedTo(QSize(0, 0));
    if (const QScreen *shown = screen()) {
        // Room for the frame the system draws around the window.
        wanted = wanted.boundedTo(shown->availableGeometry().size() - QSize(16, 48));
    }
    resize(wanted.expandedTo(size()));
}

QString Lc460_bootloader::versionTitle() const
{
    return tr("Lc420 ver. ") + QLatin1String(Lc420::version);
}

void Lc460_bootloader::setUserDialogs(std::unique_ptr<UserDialogs> dialogs)
{
    Q_ASSERT(dialogs);
    userDialogs = std::move(dialogs);
    for (SuperRGB *editor : programEditors + sceneEditors)
        editor->setUserDialogs(userDialogs.get());
}

void Lc460_bootloader::addLampEditors(QList<SuperRGB *> &editors, QHBoxLayout *row)
{
    for (quint16 lamp = 0; lamp < 12; ++lamp) {
        auto *editor = new SuperRGB(0, 0, 0, lamp);
        editor->setGroupStyle(arthurStyle);
        editor->setUserDialogs(userDialogs.get());
        editors.append(editor);
        row->addWidget(editor);
    }
    // Group edit: dragging a marked slider moves every marked slider of this
    // tab to the same value. Without marks nothing moves.
    for (SuperRGB *source : std::as_const(editors)) {
        for (SuperRGB *target : std::as_const(editors))
            connect(source, &SuperRGB::selectedSliderValueChange, target,
                    &SuperRGB::setValueIfSelected);
    }
}

UserDialogs &Lc460_bootloader::dialogs()
{
    return *userDialogs;
}

bool Lc460_bootloader::upgradeInProgress() const
{
    return upgrader && upgrader->isRunning();
}

bool Lc460_bootloader::refuseDuringUpgrade()
{
    if (!upgradeInProgress())
        return false;
    dialogs().message(QMessageBox::Information, this, tr("Info"),
                      tr("Firmware upgrade in progress"), QMessageBox::Ok);
    return true;
}

void Lc460_bootloader::closeEvent(QCloseEvent *event)
{
    LC420_TRACE() << "Lc460_bootloader::closeEvent ( QCloseEvent * event )";
    // Closing in the middle of an upgrade would leave the driver half written.
    if (refuseDuringUpgrade()) {
        event->ignore();
        return;
    }
    if (!mayClose()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

// Unsaved programs or scenes: Save keeps them in files (a cancelled Save
// dialog cancels the close), Discard closes, and Enter never throws anything
// away.
bool Lc460_bootloader::mayClose()
{
    if (!showDocument->isModified())
        return true;
    const QMessageBox::StandardButton answer = feedback().question(
        tr("Close"),
        tr("Programs or scenes have changed since they were last saved or sent to the driver. "
           "Save them before closing?"),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Discard)
        return true;
    if (answer != QMessageBox::Save)
        return false;
    for (Show::Kind kind : {Show::Kind::Programs, Show::Kind::Scenes}) {
        if (showDocument->isModified(kind) && !saveTable(kind))
            return false;
    }
    return true;
}

Lc460_bootloader::Handover Lc460_bootloader::handOver()
{
    Handover handover;
    handover.geometry = saveGeometry();
    handover.tab = ui->tabWidget->currentIndex();
    handover.programNumber = ui->spinBoxProgramNumber->value();
    handover.stepNumber = ui->spinBoxSceneNumber->value();
    handover.sceneNumber = ui->spinBoxSceneSceneNumber->value();
    handover.document = std::move(showDocument);
    return handover;
}

void Lc460_bootloader::takeOver(Handover handover)
{
    if (!handover.geometry.isEmpty())
        restoreGeometry(handover.geometry);
    ui->tabWidget->setCurrentIndex(handover.tab);
    for (auto [box, value] : {std::pair{ui->spinBoxProgramNumber, handover.programNumber},
                              std::pair{ui->spinBoxSceneNumber, handover.stepNumber},
                              std::pair{ui->spinBoxSceneSceneNumber, handover.sceneNumber}}) {
        const QSignalBlocker blocker(box);
        box->setValue(value);
    }
    if (handover.document) {
        bindDocument(std::move(handover.document));
    } else {
        slotUpdateProgramScene(0);
        slotUpdateScene(0);
    }
}

void Lc460_bootloader::markLanguage(bool polish)
{
    ui->actionPolish->setCheckable(true);
    ui->actionEnglish->setCheckable(true);
    ui->actionPolish->setChecked(polish);
    ui->actionEnglish->setChecked(!polish);
}

void Lc460_bootloader::connectExternalFlashProgress()
{
    connect(device.get(), &USBLC350::sendPercentExtFlashWrite, ui->progressBarExtFlashWr,
            &QProgressBar::setValue, Qt::UniqueConnection);
    connect(device.get(), &USBLC350::sendPercentExtFlashRead, ui->progressBarExtFlashRd,
            &QProgressBar::setValue, Qt::UniqueConnection);
}

void Lc460_bootloader::disconnectExternalFlashProgress()
{
    QObject::disconnect(device.get(), &USBLC350::sendPercentExtFlashWrite,
                        ui->progressBarExtFlashWr, &QProgressBar::setValue);
    QObject::disconnect(device.get(), &USBLC350::sendPercentExtFlashRead, ui->progressBarExtFlashRd,
                        &QProgressBar::setValue);
}

// The external-flash bars are on the Settings tab; transfers made from the
// Programs and Scenes tabs move no bar.
void Lc460_bootloader::slotTabChange(int index)
{
    LC420_TRACE() << "Lc460_bootloader::slotTabChange(int index)";
    switch (index) {
    case 0:
        connectExternalFlashProgress();
        break;
    case 1:
    case 2:
        disconnectExternalFlashProgress();
        break;
    default:
        break;
    }
}

void Lc460_bootloader::slotShowInfo(bool)
{
    LC420_TRACE() << "Lc460_bootloader::slotShowInfo(bool t)";
    Information information(this);
    dialogs().exec(information);
}

// A language change rebuilds the whole window under the other translation;
// the entry function does that when the event loop returns these codes.
void Lc460_bootloader::slotPolish(bool)
{
    LC420_TRACE() << "Lc460_bootloader::slotPolish(bool t)";
    if (refuseDuringUpgrade())
        return;
    QApplication::exit(ExitCodePolish);
}

void Lc460_bootloader::slotEnglish(bool)
{
    LC420_TRACE() << "Lc460_bootloader::slotEnglish(bool t)";
    if (refuseDuringUpgrade())
        return;
    QApplication::exit(ExitCodeEnglish);
}
