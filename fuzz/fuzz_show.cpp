// The programs and scenes file reader: header, version, a block that must
// hold the whole table; anything after it is ignored.

#include "fuzz/fuzzcheck.h"
#include "show/showfile.h"

#include <QBuffer>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const Show::Kind kind : {Show::Kind::Programs, Show::Kind::Scenes}) {
        QBuffer input(&bytes);
        input.open(QIODevice::ReadOnly);
        const Show::FileContents contents = Show::readFile(input, kind);
        if (!contents.ok()) {
            // Never part of a table.
            FUZZ_CHECK(contents.table.isEmpty());
            continue;
        }
        FUZZ_CHECK(contents.table.size() == Show::tableSize(kind));
        FUZZ_CHECK(contents.blockSize >= Show::tableSize(kind));

        // Written back, an accepted table gives the file's own first bytes
        // whenever its block held exactly the table.
        QBuffer output;
        output.open(QIODevice::WriteOnly);
        FUZZ_CHECK(Show::writeFile(output, kind, contents.table));
        if (contents.blockSize == Show::tableSize(kind))
            FUZZ_CHECK(bytes.startsWith(output.data()));
    }
    return 0;
}
