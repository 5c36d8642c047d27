#pragma once

#include <QByteArray>

// The log's hex dump: a header line with the buffer's address, then rows of 16
// bytes with their offset, the bytes in hex and the printable characters
// (0x20..0x7F as themselves, everything else as "."). The last, short row is
// padded so its columns line up with the full rows.
[[nodiscard]] QByteArray hexDump(const void *data, int length);

// The same for bytes read from the driver at address: the header names that
// address and the rows count from it (a host address would mean nothing).
[[nodiscard]] QByteArray hexDumpAt(const void *data, int length, quint32 address);

// The rows of hexDumpAt() alone, without the header line and the line break
// before the first row: for a terminal.
[[nodiscard]] QByteArray hexDumpRows(const void *data, int length, quint32 address);
