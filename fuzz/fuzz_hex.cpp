// The Intel HEX reader over both windows of the upgrade builder.

#include "firmware/hextobin.h"
#include "fuzz/fuzzcheck.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <limits>
#include <sys/mman.h>
#include <unistd.h>

namespace {

// The reader takes a file name; an in-memory file spares the disk.
QString inputFile(const uint8_t *data, size_t size)
{
    static const int fd = memfd_create("lc420-fuzz-hex", 0);
    FUZZ_CHECK(fd >= 0);
    FUZZ_CHECK(ftruncate(fd, 0) == 0);
    size_t written = 0;
    while (written < size) {
        const ssize_t n = pwrite(fd, data + written, size - written, off_t(written));
        FUZZ_CHECK(n > 0);
        written += size_t(n);
    }
    return QStringLiteral("/proc/self/fd/%1").arg(fd);
}

bool isEndRecord(QByteArray line)
{
    while (line.endsWith(' ') || line.endsWith('\t'))
        line.chop(1);
    return line.size() == 11 && line.startsWith(":00") && line.mid(7, 2) == "01";
}

// Success needs an end-of-file record on a line of its own.
bool hasEndRecord(const uint8_t *data, size_t size)
{
    const QByteArray text(reinterpret_cast<const char *>(data), qsizetype(size));
    QByteArray line;
    for (const char c : text) {
        if (c == '\n' || c == '\r') {
            if (isEndRecord(line))
                return true;
            line.clear();
        } else {
            line.append(c);
        }
    }
    return isEndRecord(line);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString file = inputFile(data, size);
    static QByteArray app(0x1C000, '\0');
    static QByteArray ext(0x14000, '\0');
    Hex::Report appReport;
    Hex::Report extReport;
    const int appResult = HexToBin(file, app.data(), 0x08004000, 0x0801FFFF, &appReport);
    const int extResult = HexToBin(file, ext.data(), 0x08020000, 0x08033FFF, &extReport);

    // The window decides only what is stored, never whether the file is good;
    // except that contradicting records are looked for within the window.
    if (appResult != Hex::Overlap && extResult != Hex::Overlap) {
        FUZZ_CHECK(appResult == extResult);
        FUZZ_CHECK(appReport.line == extReport.line);
    }
    // Every data byte read is either stored or ignored, whatever the window:
    // two readings that stopped at the same line read the same bytes, and
    // one that stopped earlier (at a conflict within its own window) read
    // no more than the other.
    const auto stop = [](int result, const Hex::Report &report) {
        return result == Hex::Ok ? std::numeric_limits<int>::max() : report.line;
    };
    const qint64 appRead = appReport.stored + appReport.ignored;
    const qint64 extRead = extReport.stored + extReport.ignored;
    const int appStop = stop(appResult, appReport);
    const int extStop = stop(extResult, extReport);
    if (appStop < extStop)
        FUZZ_CHECK(appRead <= extRead);
    else if (appStop > extStop)
        FUZZ_CHECK(appRead >= extRead);
    else
        FUZZ_CHECK(appRead == extRead);
    FUZZ_CHECK(appResult <= 0 && appResult >= Hex::Overlap);
    if (appResult == Hex::Ok)
        FUZZ_CHECK(hasEndRecord(data, size));
    if (size == 0)
        FUZZ_CHECK(appResult == Hex::NoEndRecord);
    FUZZ_CHECK(appReport.stored <= 0x1C000 * 255);
    if (appReport.stored > 0)
        FUZZ_CHECK(appReport.lowestStored >= 0x08004000 && appReport.lowestStored <= 0x0801FFFF);
    return 0;
}
