#pragma once

#include <QStringList>

// Collects the lines of the lc420.trace category while it lives (and turns the
// category on). Other messages go to the previous handler. Thread safe.
class TraceCapture
{
public:
    TraceCapture();
    ~TraceCapture();
    TraceCapture(const TraceCapture &) = delete;
    TraceCapture &operator=(const TraceCapture &) = delete;

    [[nodiscard]] QStringList lines() const;
    void clear();
};
