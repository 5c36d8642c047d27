#include "tests/support/tracecapture.h"

#include "core/trace.h"

#include <QMutex>

namespace {

QMutex captureMutex;
QStringList captured;
QtMessageHandler previousHandler = nullptr;

void captureHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (context.category && qstrcmp(context.category, "lc420.trace") == 0) {
        QMutexLocker lock(&captureMutex);
        captured.append(message);
        return;
    }
    if (previousHandler)
        previousHandler(type, context, message);
}

} // namespace

TraceCapture::TraceCapture()
{
    clear();
    previousHandler = qInstallMessageHandler(captureHandler);
    Trace::setEnabled(true);
}

TraceCapture::~TraceCapture()
{
    Trace::setEnabled(false);
    qInstallMessageHandler(previousHandler);
}

QStringList TraceCapture::lines() const
{
    QMutexLocker lock(&captureMutex);
    return captured;
}

void TraceCapture::clear()
{
    QMutexLocker lock(&captureMutex);
    captured.clear();
}
