// The upgrade-file reader and its checks: header, version, lengths, the
// unscrambled image and its check words.

#include "firmware/upgradefile.h"
#include "fuzz/fuzzcheck.h"

#include <QBuffer>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer input(&bytes);
    input.open(QIODevice::ReadOnly);
    const Upgrade::FileContents contents = Upgrade::readFile(input);

    if (!contents.complete) {
        FUZZ_CHECK(contents.image.isEmpty());
        FUZZ_CHECK(!contents.damage.isEmpty());
        return 0;
    }
    FUZZ_CHECK(size == size_t(Upgrade::FileSize));
    FUZZ_CHECK(contents.image.size() == Upgrade::ImageSize);

    const QByteArray plain = Upgrade::unscrambleImage(contents.image);
    FUZZ_CHECK(plain.size() == Upgrade::ImageSize);
    const Upgrade::ImageCheck check = Upgrade::checkImage(plain);
    FUZZ_CHECK(check.sizeOk());

    // A file the reader accepts as ours re-encodes to the very same bytes.
    if (contents.headerMatches() && contents.versionMatches()) {
        QBuffer output;
        output.open(QIODevice::WriteOnly);
        FUZZ_CHECK(Upgrade::writeFile(output, plain));
        FUZZ_CHECK(output.data() == bytes);
    }
    return 0;
}
