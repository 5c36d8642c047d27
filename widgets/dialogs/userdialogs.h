#pragma once

#include <QColor>
#include <QLineEdit>
#include <QMap>
#include <QMessageBox>
#include <QString>
#include <QStringList>

class QDialog;
class QWidget;

// Every standard dialog and message box a main-window slot shows goes through
// this interface. The default implementation calls Qt's static dialog
// functions with exactly the arguments given; tests install a scripted one
// that records each question and returns prepared answers.
class UserDialogs
{
public:
    UserDialogs() = default;
    virtual ~UserDialogs() = default;
    UserDialogs(const UserDialogs &) = delete;
    UserDialogs &operator=(const UserDialogs &) = delete;

    // A null string means cancelled.
    virtual QString getOpenFileName(QWidget *parent, const QString &caption, const QString &dir,
                                    const QString &filter);
    virtual QString getSaveFileName(QWidget *parent, const QString &caption, const QString &dir,
                                    const QString &filter);

    virtual QString getText(QWidget *parent, const QString &title, const QString &label,
                            QLineEdit::EchoMode mode, const QString &text, bool *ok);
    virtual int getInt(QWidget *parent, const QString &title, const QString &label, int value,
                       int min, int max, int step, bool *ok);
    virtual QString getItem(QWidget *parent, const QString &title, const QString &label,
                            const QStringList &items, int current, bool editable, bool *ok);

    // An invalid colour means cancelled.
    virtual QColor getColor(const QColor &initial, QWidget *parent);

    // defaultButton is what Enter answers (NoButton: Qt's choice).
    virtual QMessageBox::StandardButton
    message(QMessageBox::Icon icon, QWidget *parent, const QString &title, const QString &text,
            QMessageBox::StandardButtons buttons = QMessageBox::Ok,
            QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

    // Words of the caller's own for some buttons of a question, in place of
    // their standard texts.
    using ButtonTexts = QMap<QMessageBox::StandardButton, QString>;
    // A question whose buttons say what they do ("Overwrite", "Save As…"):
    // each of buttons shows its text in texts, or else its standard one.
    // Returns the button chosen; Escape answers Cancel where offered.
    virtual QMessageBox::StandardButton labelledQuestion(QWidget *parent, const QString &title,
                                                         const QString &text,
                                                         QMessageBox::StandardButtons buttons,
                                                         QMessageBox::StandardButton defaultButton,
                                                         const ButtonTexts &texts);

    // Runs a dialog the caller built (the about box) modally; returns its result.
    virtual int exec(QDialog &dialog);
};
