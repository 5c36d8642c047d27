// The clipboard text reader: records typed or pasted from a spreadsheet.

#include "fuzz/fuzzcheck.h"
#include "show/recordclipboard.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<Show::RecordClip> clip = Show::recordsFromText(text);
    if (!clip)
        return 0;
    FUZZ_CHECK(clip->count() >= 1 && clip->count() <= Show::MaxTextRecords);
    FUZZ_CHECK(clip->records.size() == qsizetype(clip->count()) * Show::RecordSize);
    FUZZ_CHECK(!clip->hasReserved);

    // Whatever was accepted writes back as text that reads as the same
    // records, and that text is a fixed point.
    const QString written = Show::recordsToText(*clip);
    const std::optional<Show::RecordClip> again = Show::recordsFromText(written);
    FUZZ_CHECK(again.has_value());
    FUZZ_CHECK(again->records == clip->records);
    FUZZ_CHECK(again->hasEndMarker == clip->hasEndMarker);
    FUZZ_CHECK(Show::recordsToText(*again) == written);
    return 0;
}
