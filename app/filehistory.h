#pragma once

#include "show/scenerecord.h"

#include <QString>
#include <QStringList>

// The show files the user worked on, kept across sessions in the program's
// settings (QSettings' file for the application's names): the most recent
// first, and for each kind of file the folder last used. Settings never stop
// the program: a settings file that is no regular file is never opened, and
// when it is not one or cannot be written, the history lives on in memory
// until the program ends (takeProblem() says so, once).
namespace FileHistory {

inline constexpr int MaxRecentFiles = 8;

// Full paths, the most recent first; at most MaxRecentFiles.
[[nodiscard]] QStringList recentFiles();

// A table was loaded from or saved to fileName: the file goes to the front
// of the recent files, and its folder becomes the one its kind's dialogs
// open in.
void noteUsed(Show::Kind kind, const QString &fileName);

// Takes a file off the recent files (one that is gone).
void forget(const QString &fileName);

// The folder last used for that kind of file; empty when none was.
[[nodiscard]] QString folder(Show::Kind kind);

// Why the settings are kept in memory only, in a sentence for the log and the
// status bar; empty when they are not, or when that has been told already.
[[nodiscard]] QString takeProblem();

} // namespace FileHistory
