#include "app/windowfeedback.h"

#include "app/logpane.h"
#include "widgets/dialogs/userdialogs.h"

#include <QStatusBar>
#include <QTextEdit>

WindowFeedback::WindowFeedback(QWidget *window, QTextEdit *log, QStatusBar *statusBar,
                               std::function<UserDialogs &()> dialogs)
    : window(window)
    , log(log)
    , statusBar(statusBar)
    , dialogs(std::move(dialogs))
{}

void WindowFeedback::logLine(const QString &line)
{
    LogPane::append(*log, line);
}

void WindowFeedback::clearLog()
{
    log->clear();
}

void WindowFeedback::statusMessage(const QString &text)
{
    statusBar->showMessage(text, StatusTimeoutMs);
}

void WindowFeedback::errorBox(const QString &title, const QString &text)
{
    dialogs().message(QMessageBox::Critical, window, title, text, QMessageBox::Ok);
}

void WindowFeedback::warningBox(const QString &title, const QString &text)
{
    dialogs().message(QMessageBox::Warning, window, title, text, QMessageBox::Ok);
}

QMessageBox::StandardButton WindowFeedback::question(const QString &title, const QString &text,
                                                     QMessageBox::StandardButtons buttons,
                                                     QMessageBox::StandardButton defaultButton)
{
    return dialogs().message(QMessageBox::Question, window, title, text, buttons, defaultButton);
}

QMessageBox::StandardButton WindowFeedback::question(const QString &title, const QString &text,
                                                     QMessageBox::StandardButtons buttons,
                                                     QMessageBox::StandardButton defaultButton,
                                                     const UserDialogs::ButtonTexts &texts)
{
    return dialogs().labelledQuestion(window, title, text, buttons, defaultButton, texts);
}
