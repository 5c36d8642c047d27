#include "core/trace.h"

#include <QStringList>

Q_LOGGING_CATEGORY(lc420Trace, "lc420.trace", QtInfoMsg)

namespace Trace {

void setEnabled(bool on)
{
    QLoggingCategory::setFilterRules(on ? QStringLiteral("lc420.trace.debug=true")
                                        : QStringLiteral("lc420.trace.debug=false"));
}

void enableFromArguments(QStringList &arguments)
{
    if (arguments.removeAll(QStringLiteral("--trace")) > 0)
        setEnabled(true);
}

} // namespace Trace
