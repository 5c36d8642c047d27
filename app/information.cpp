#include "app/information.h"

#include "core/version.h"
#include "ui_information.h"

Information::Information(QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::DialogInfo>())
{
    ui->setupUi(this);
    // The translation files carry this prefix under the "QDialog" context.
    ui->labelVersion->setText(QCoreApplication::translate("QDialog", "Lc420 ver. ")
                              + QLatin1String(Lc420::version));
}

Information::~Information() = default;
