#pragma once

#include "widgets/dialogs/userdialogs.h"

#include <QMessageBox>
#include <QString>

// How a main-window slot tells the user what came of an action. Each outcome
// is told once and in one place: a success as a status-bar message that goes
// after a few seconds, a failure or a warning in a box that says what was
// kept and what to do next, the steps of a long job as log lines, and a
// question before anything the user made is thrown away. The window
// implements it on its own status bar, log pane and UserDialogs, so boxes and
// questions are scripted in tests like every other dialog.
class Feedback
{
public:
    Feedback() = default;
    virtual ~Feedback() = default;
    Feedback(const Feedback &) = delete;
    Feedback &operator=(const Feedback &) = delete;

    // One line at the end of the window's log, scrolled into view.
    virtual void logLine(const QString &line) = 0;
    // Empties the log, before a dump or a job that fills it anew.
    virtual void clearLog() = 0;
    // A success, in the status bar for a few seconds.
    virtual void statusMessage(const QString &text) = 0;
    // A failure: a critical box with one OK button.
    virtual void errorBox(const QString &title, const QString &text) = 0;
    // Something went wrong after the work itself was done: a warning box.
    virtual void warningBox(const QString &title, const QString &text) = 0;
    // A question. defaultButton is what Enter answers and must never be the
    // destructive answer; a box closed without an answer returns
    // QMessageBox::Cancel (or No where no Cancel is offered).
    [[nodiscard]] virtual QMessageBox::StandardButton
    question(const QString &title, const QString &text, QMessageBox::StandardButtons buttons,
             QMessageBox::StandardButton defaultButton)
        = 0;
    // The same, with buttons that carry words of their own.
    [[nodiscard]] virtual QMessageBox::StandardButton
    question(const QString &title, const QString &text, QMessageBox::StandardButtons buttons,
             QMessageBox::StandardButton defaultButton, const UserDialogs::ButtonTexts &texts)
        = 0;
};
