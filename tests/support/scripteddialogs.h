#pragma once

#include "widgets/dialogs/userdialogs.h"

#include <QList>
#include <QVariant>

#include <memory>

// A UserDialogs for tests: records every question and answers from a script.
// An answer is a QVariant: a QString for file and text dialogs, an int for
// integer dialogs, a QString (the item) for item dialogs, a QColor for colour
// dialogs, an int (the dialog's result) for exec, an int (a StandardButton)
// for a question box; other message boxes take no answer. An invalid QVariant (or an
// empty script) cancels the dialog.
class ScriptedDialogs : public UserDialogs
{
public:
    struct Question
    {
        QString kind; // "open", "save", "text", "int", "item", "color", "critical", "exec", ...
        QWidget *parent = nullptr;
        QString title;
        QString label;  // label, the filter of a file dialog, the text of a message, or the
                        // object name of an exec'd dialog
        QString dir;    // starting directory of a file dialog
        QVariant value; // initial text, value, current item or colour
        int min = 0;
        int max = 0;
        int step = 0;
        QStringList items;
        bool editable = false;
        int defaultButton = 0; // a message box's default (a StandardButton)
    };

    QList<QVariant> answers;
    QList<Question> asked;

    QString getOpenFileName(QWidget *parent, const QString &caption, const QString &dir,
                            const QString &filter) override;
    QString getSaveFileName(QWidget *parent, const QString &caption, const QString &dir,
                            const QString &filter) override;
    QString getText(QWidget *parent, const QString &title, const QString &label,
                    QLineEdit::EchoMode mode, const QString &text, bool *ok) override;
    int getInt(QWidget *parent, const QString &title, const QString &label, int value, int min,
               int max, int step, bool *ok) override;
    QString getItem(QWidget *parent, const QString &title, const QString &label,
                    const QStringList &items, int current, bool editable, bool *ok) override;
    QColor getColor(const QColor &initial, QWidget *parent) override;
    QMessageBox::StandardButton message(QMessageBox::Icon icon, QWidget *parent,
                                        const QString &title, const QString &text,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton) override;
    // Recorded as a "question" whose items are the buttons' own words, in the
    // order of their StandardButton values.
    QMessageBox::StandardButton labelledQuestion(QWidget *parent, const QString &title,
                                                 const QString &text,
                                                 QMessageBox::StandardButtons buttons,
                                                 QMessageBox::StandardButton defaultButton,
                                                 const ButtonTexts &texts) override;
    // Records the dialog without showing it.
    int exec(QDialog &dialog) override;

    // The questions of one kind ("critical", "open", ...), in order.
    [[nodiscard]] QList<Question> askedOf(const QString &kind) const;

private:
    QVariant next();
    QString fileName(const char *kind, QWidget *parent, const QString &caption, const QString &dir,
                     const QString &filter);
};

// Gives target (a window or page with setUserDialogs) a fresh script and
// returns it; target owns it.
template<typename Target> ScriptedDialogs *scriptDialogs(Target &target)
{
    auto scripted = std::make_unique<ScriptedDialogs>();
    ScriptedDialogs *dialogs = scripted.get();
    target.setUserDialogs(std::move(scripted));
    return dialogs;
}
