#include "cli/cli.h"

#include <QTextStream>

#include <cstdio>
#include <unistd.h>

namespace Cli {

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

Command makeCommand(const QString &name, const QString &synopsis, const QString &summary,
                    int (*handler)(const Command &command, const QStringList &arguments))
{
    Command command{name, synopsis, summary, {}};
    command.run
        = [command, handler](const QStringList &arguments) { return handler(command, arguments); };
    return command;
}

int usage(const Command &command, const QString &message)
{
    err() << "lc420-cli: " << message << "\nusage: lc420-cli " << command.synopsis << Qt::endl;
    return UsageError;
}

Progress::Progress(QString label)
    : m_label(std::move(label))
    , m_terminal(isatty(fileno(stdout)) != 0)
{}

Progress::~Progress()
{
    finish();
}

void Progress::setPercent(int percent)
{
    percent = qBound(0, percent, 100);
    if (percent == m_percent)
        return;
    m_percent = percent;
    if (!m_terminal) {
        // A log or a pipe gets one line per tenth, not a line per chunk.
        if (percent / 10 != m_loggedTenth || percent == 100) {
            m_loggedTenth = percent / 10;
            out() << m_label << ": " << percent << '%' << Qt::endl;
        }
        return;
    }
    constexpr int Width = 40;
    const int filled = percent * Width / 100;
    out() << '\r' << m_label << " [" << QString(filled, QLatin1Char('#'))
          << QString(Width - filled, QLatin1Char('.')) << "] " << qSetFieldWidth(3) << percent
          << qSetFieldWidth(0) << '%' << Qt::flush;
    m_open = true;
}

void Progress::finish()
{
    if (m_open) {
        out() << Qt::endl;
        m_open = false;
    }
}

} // namespace Cli
