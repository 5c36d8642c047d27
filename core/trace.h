#pragma once

#include <QLoggingCategory>

// The debug trace: every line the program writes for a developer goes through
// this one category. It is off by default so a user's terminal stays quiet;
// --trace or QT_LOGGING_RULES="lc420.trace.debug=true" turns it on.
Q_DECLARE_LOGGING_CATEGORY(lc420Trace)

// Strings are written bare (Qt 6 would quote them), one space after each item.
#define LC420_TRACE() qCDebug(lc420Trace).noquote()

namespace Trace {
// Removes "--trace" from the arguments and turns the trace on if it was there.
void enableFromArguments(QStringList &arguments);
void setEnabled(bool on);
} // namespace Trace
