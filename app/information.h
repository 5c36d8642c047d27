#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class DialogInfo;
}

// The about box: the maker's details and logo, and the program's version.
class Information : public QDialog
{
    Q_OBJECT

public:
    explicit Information(QWidget *parent = nullptr);
    ~Information() override;

private:
    std::unique_ptr<Ui::DialogInfo> ui;
};
