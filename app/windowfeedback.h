#pragma once

#include "widgets/dialogs/feedback.h"

#include <functional>

class QStatusBar;
class QTextEdit;
class QWidget;
class UserDialogs;

// The main window's Feedback: log lines go to its log pane, successes to its
// status bar, boxes and questions through its UserDialogs (looked up at each
// call, since tests replace the dialogs after the window is built).
class WindowFeedback : public Feedback
{
public:
    WindowFeedback(QWidget *window, QTextEdit *log, QStatusBar *statusBar,
                   std::function<UserDialogs &()> dialogs);

    // How long a success stays in the status bar.
    static constexpr int StatusTimeoutMs = 5000;

    void logLine(const QString &line) override;
    void clearLog() override;
    void statusMessage(const QString &text) override;
    void errorBox(const QString &title, const QString &text) override;
    void warningBox(const QString &title, const QString &text) override;
    [[nodiscard]] QMessageBox::StandardButton
    question(const QString &title, const QString &text, QMessageBox::StandardButtons buttons,
             QMessageBox::StandardButton defaultButton) override;
    [[nodiscard]] QMessageBox::StandardButton
    question(const QString &title, const QString &text, QMessageBox::StandardButtons buttons,
             QMessageBox::StandardButton defaultButton,
             const UserDialogs::ButtonTexts &texts) override;

private:
    QWidget *window;
    QTextEdit *log;
    QStatusBar *statusBar;
    std::function<UserDialogs &()> dialogs;
};
