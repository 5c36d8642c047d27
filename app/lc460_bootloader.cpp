#include "app/lc460_bootloader.h"

#include "app/information.h"
#include "app/trace.h"
#include "app/version.h"
#include "ui_lc460_bootloader.h"

#include <QApplication>
#include <QCloseEvent>

Lc460_bootloader::Lc460_bootloader(QWidget *parent)
    : QMainWindow(parent)
    , userDialogs(std::make_unique<UserDialogs>())
    , ui(std::make_unique<Ui::Lc460_bootloaderClass>())
{
    // The form; its setup leaves the Settings tab current.
    ui->setupUi(this);

    setWindowTitle(tr("Lc420 ver. ") + QLatin1String(Lc420::version));

    LC420_TRACE() << "MY_DEBUG";

    ui->pushButtonRead->hide();
    ui->pushButtonReadExternalFlash->hide();
    ui->pushButtonWrite->hide();
    ui->pushButtonWriteExternalFlash->hide();
    ui->pushButtonWriteExtFlashBin->hide();
    ui->pushButtonWritePage->hide();

    connect(ui->pushButtonCreateUpg, &QPushButton::clicked, this,
            &Lc460_bootloader::slotpushButtonCreateUpg);
    connect(ui->pushButtonCreateBootBin, &QPushButton::clicked, this,
            &Lc460_bootloader::slotpushButtonCreateBootBin);
    connect(ui->actionLc460_info, &QAction::triggered, this, &Lc460_bootloader::slotShowInfo);
    connect(ui->actionClose, &QAction::triggered, this, &QWidget::close);
    connect(ui->actionPolish, &QAction::triggered, this, &Lc460_bootloader::slotPolish);
    connect(ui->actionEnglish, &QAction::triggered, this, &Lc460_bootloader::slotEnglish);

    // The service console and the production functions stay connected but are
    // out of the user's reach: Firmware Change is the only button on the
    // Settings tab.
    QPushButton *const serviceButtons[] = {
        ui->pushButtonConnect,           ui->pushButtonDisconnect,
        ui->pushButtonRead,              ui->pushButtonWrite,
        ui->pushButtonWritePage,         ui->pushButtonRunApplication,
        ui->pushButtonReadExternalFlash, ui->pushButtonWriteExternalFlash,
        ui->pushButtonWriteExtFlashBin,  ui->pushButtonCreateBootBin,
        ui->pushButtonStatusClr,         ui->pushButtonStatusGet,
        ui->pushButtonStatusSet,
    };
    for (QPushButton *button : serviceButtons)
        button->setEnabled(false);
    for (QPushButton *button : serviceButtons)
        button->hide();
    ui->pushButtonCreateUpg->setEnabled(false);
    ui->pushButtonCreateUpg->hide();

    ui->spinBoxRiseTime->setRange(0, 100000);
    ui->spinBoxStaticTime->setRange(0, 900000);
    ui->spinBoxProgramNumber->setRange(1, 8);
    ui->spinBoxSceneNumber->setRange(1, 20);

    ui->spinBoxSceneRiseTime->setRange(0, 100000);
    ui->spinBoxSceneStaticTime->setRange(0, 900000);
    ui->spinBoxSceneSceneNumber->setRange(1, 8);
}

Lc460_bootloader::~Lc460_bootloader() = default;

void Lc460_bootloader::setUserDialogs(std::unique_ptr<UserDialogs> dialogs)
{
    Q_ASSERT(dialogs);
    userDialogs = std::move(dialogs);
}

UserDialogs &Lc460_bootloader::dialogs()
{
    return *userDialogs;
}

void Lc460_bootloader::closeEvent(QCloseEvent *event)
{
    LC420_TRACE() << "Lc460_bootloader::closeEvent ( QCloseEvent * event )";
    QMainWindow::closeEvent(event);
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
    QApplication::exit(ExitCodePolish);
}

void Lc460_bootloader::slotEnglish(bool)
{
    LC420_TRACE() << "Lc460_bootloader::slotEnglish(bool t)";
    QApplication::exit(ExitCodeEnglish);
}
