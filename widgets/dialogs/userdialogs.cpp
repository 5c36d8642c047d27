#include "widgets/dialogs/userdialogs.h"

#include <QAbstractButton>
#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QIcon>
#include <QInputDialog>

QString UserDialogs::getOpenFileName(QWidget *parent, const QString &caption, const QString &dir,
                                     const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

QString UserDialogs::getSaveFileName(QWidget *parent, const QString &caption, const QString &dir,
                                     const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, caption, dir, filter);
}

QString UserDialogs::getText(QWidget *parent, const QString &title, const QString &label,
                             QLineEdit::EchoMode mode, const QString &text, bool *ok)
{
    return QInputDialog::getText(parent, title, label, mode, text, ok);
}

int UserDialogs::getInt(QWidget *parent, const QString &title, const QString &label, int value,
                        int min, int max, int step, bool *ok)
{
    return QInputDialog::getInt(parent, title, label, value, min, max, step, ok);
}

QString UserDialogs::getItem(QWidget *parent, const QString &title, const QString &label,
                             const QStringList &items, int current, bool editable, bool *ok)
{
    return QInputDialog::getItem(parent, title, label, items, current, editable, ok);
}

QColor UserDialogs::getColor(const QColor &initial, QWidget *parent)
{
    return QColorDialog::getColor(initial, parent);
}

QMessageBox::StandardButton UserDialogs::message(QMessageBox::Icon icon, QWidget *parent,
                                                 const QString &title, const QString &text,
                                                 QMessageBox::StandardButtons buttons,
                                                 QMessageBox::StandardButton defaultButton)
{
    switch (icon) {
    case QMessageBox::Critical:
        return QMessageBox::critical(parent, title, text, buttons, defaultButton);
    case QMessageBox::Warning:
        return QMessageBox::warning(parent, title, text, buttons, defaultButton);
    case QMessageBox::Question:
        return QMessageBox::question(parent, title, text, buttons, defaultButton);
    default:
        return QMessageBox::information(parent, title, text, buttons, defaultButton);
    }
}

QMessageBox::StandardButton UserDialogs::labelledQuestion(QWidget *parent, const QString &title,
                                                          const QString &text,
                                                          QMessageBox::StandardButtons buttons,
                                                          QMessageBox::StandardButton defaultButton,
                                                          const ButtonTexts &texts)
{
    QMessageBox box(QMessageBox::Question, title, text, buttons, parent);
    box.setDefaultButton(defaultButton);
    for (auto it = texts.cbegin(); it != texts.cend(); ++it) {
        // The standard icon belongs to the standard meaning ("Discard"
        // shows a bin), not to the words given here.
        if (QAbstractButton *button = box.button(it.key())) {
            button->setText(it.value());
            button->setIcon(QIcon());
        }
    }
    return QMessageBox::StandardButton(box.exec());
}

int UserDialogs::exec(QDialog &dialog)
{
    return dialog.exec();
}
