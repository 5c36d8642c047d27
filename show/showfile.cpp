#include "show/showfile.h"

#include "core/safefile.h"
#include "core/streamread.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDataStream>
#include <QFile>

namespace Show {

QString fileHeader(Kind kind)
{
    return QString::fromLatin1(kind == Kind::Programs ? ProgramsFileHeader : ScenesFileHeader);
}

bool writeFile(QIODevice &device, Kind kind, const QByteArray &table)
{
    if (table.size() != tableSize(kind))
        return false;
    QDataStream stream(&device);
    stream.setVersion(QDataStream::Qt_4_8);
    stream << fileHeader(kind) << QString::fromLatin1(FileVersion) << table;
    return stream.status() == QDataStream::Ok;
}

namespace {

QByteArray fileBytes(Kind kind, const QByteArray &table)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!writeFile(buffer, kind, table))
        return {};
    return buffer.data();
}

} // namespace

QString saveFile(const QString &fileName, Kind kind, const QByteArray &table,
                 SafeFile::Stamp *stamp)
{
    if (table.size() != tableSize(kind))
        return QStringLiteral("Wrong table size %1").arg(table.size());
    return SafeFile::write(fileName, fileBytes(kind, table), stamp);
}

QByteArray fileSha256(Kind kind, const QByteArray &table)
{
    if (table.size() != tableSize(kind))
        return {};
    return QCryptographicHash::hash(fileBytes(kind, table), QCryptographicHash::Sha256).toHex();
}

FileContents readFile(QIODevice &device, Kind kind)
{
    FileContents contents;
    contents.fileSize = device.size();
    // Every length field is checked before it is followed: a file that lies
    // about one costs a few bytes of reading, not the file's size in memory.
    QDataStream stream(&device);
    stream.setVersion(QDataStream::Qt_4_8);

    quint32 claimed = 0;
    QString header;
    if (StreamRead::readText(stream, header, claimed) == StreamRead::TextResult::Ok)
        contents.header = header;
    if (contents.header != fileHeader(kind)) {
        contents.error = FileContents::Error::WrongHeader;
        return contents;
    }

    QString version;
    if (StreamRead::readText(stream, version, claimed) == StreamRead::TextResult::Ok)
        contents.version = version;
    if (contents.version != QLatin1String(FileVersion)) {
        contents.error = FileContents::Error::WrongVersion;
        return contents;
    }

    // Only the table's bytes are read from a block; the rest of a longer
    // block must be there, but is skipped rather than held.
    contents.error = FileContents::Error::WrongLength;
    const std::optional<quint32> length = StreamRead::peekLength(device);
    if (!length || device.skip(4) != 4)
        return contents;
    const qint64 blockSize = *length == StreamRead::NullLength ? 0 : qint64(*length);
    if (!device.isSequential() && device.size() - device.pos() < blockSize)
        return contents;
    const qint64 wanted = qMin(blockSize, qint64(tableSize(kind)));
    QByteArray table = device.read(wanted);
    const qint64 rest = blockSize - wanted;
    if (table.size() != wanted || (rest > 0 && device.skip(rest) != rest))
        return contents;
    contents.blockSize = blockSize;
    if (blockSize < tableSize(kind))
        return contents;
    contents.table = table;
    contents.error = FileContents::Error::None;
    return contents;
}

FileContents readFile(const QString &fileName, Kind kind)
{
    QFile file(fileName);
    if (const QString why = SafeFile::openForReading(file); !why.isEmpty()) {
        FileContents contents;
        contents.why = why;
        return contents;
    }
    // A file of a size a show file may have is read whole, once: the table
    // and the stamp's hash come from the same bytes. A larger one is read
    // only as far as its table (seeking past the rest of a long block), and
    // its stamp is its size and time.
    if (file.size() <= SafeFile::MaxHashedBytes) {
        QByteArray bytes = file.read(SafeFile::MaxHashedBytes + 1);
        if (bytes.size() <= SafeFile::MaxHashedBytes) {
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::ReadOnly);
            FileContents contents = readFile(buffer, kind);
            contents.stamp = SafeFile::stamp(file, bytes);
            return contents;
        }
        if (!file.seek(0)) {
            FileContents contents;
            contents.why = file.errorString();
            return contents;
        }
    }
    FileContents contents = readFile(file, kind);
    contents.stamp = SafeFile::stamp(file, QByteArray());
    return contents;
}

std::optional<Kind> fileKind(QIODevice &device)
{
    QDataStream stream(&device);
    stream.setVersion(QDataStream::Qt_4_8);
    quint32 claimed = 0;
    QString header;
    if (StreamRead::readText(stream, header, claimed) != StreamRead::TextResult::Ok)
        return std::nullopt;
    for (const Kind kind : {Kind::Programs, Kind::Scenes}) {
        if (header == fileHeader(kind))
            return kind;
    }
    return std::nullopt;
}

std::optional<Kind> fileKind(const QString &fileName)
{
    QFile file(fileName);
    if (!SafeFile::openForReading(file).isEmpty())
        return std::nullopt;
    return fileKind(file);
}

QString describe(const FileContents &contents)
{
    using Error = FileContents::Error;
    switch (contents.error) {
    case Error::None:
        break;
    case Error::Unreadable:
    case Error::WrongHeader:
        return QCoreApplication::translate("Show", "Wrong file header");
    case Error::WrongVersion:
        return QCoreApplication::translate("Show", "Wrong version");
    case Error::WrongLength:
        return QCoreApplication::translate("Show", "Wrong file length");
    }
    return {};
}

std::optional<Kind> otherKind(const FileContents &contents, Kind kind)
{
    const Kind other = kind == Kind::Programs ? Kind::Scenes : Kind::Programs;
    if (contents.error == FileContents::Error::WrongHeader && contents.header == fileHeader(other))
        return other;
    return std::nullopt;
}

QString describe(const FileContents &contents, const QString &fileName, Kind kind)
{
    const auto tr = [](const char *text) { return QCoreApplication::translate("Show", text); };
    const bool programs = kind == Kind::Programs;
    using Error = FileContents::Error;
    switch (contents.error) {
    case Error::None:
        break;
    case Error::Unreadable:
        return tr("%1 cannot be read: %2.").arg(fileName, contents.why);
    case Error::WrongHeader:
        if (otherKind(contents, kind))
            return (programs ? tr("%1 is a scenes file, not a programs file.")
                             : tr("%1 is a programs file, not a scenes file."))
                .arg(fileName);
        if (contents.fileSize == 0)
            return tr("%1 is empty.").arg(fileName);
        return (programs ? tr("%1 is not a programs file.") : tr("%1 is not a scenes file."))
            .arg(fileName);
    case Error::WrongVersion:
        if (contents.version.isNull())
            return tr("%1 is cut short after its header.").arg(fileName);
        return tr(R"(%1 has the version "%2"; only "%3" can be read.)")
            .arg(fileName, contents.version, QLatin1String(FileVersion));
    case Error::WrongLength:
        if (contents.blockSize >= 0)
            return tr("%1 holds %2 bytes of table where %3 are needed.")
                .arg(fileName)
                .arg(contents.blockSize)
                .arg(tableSize(kind));
        if (contents.fileSize < fileSize(kind))
            return tr("%1 is cut short: %2 of %3 bytes.")
                .arg(fileName)
                .arg(contents.fileSize)
                .arg(fileSize(kind));
        return tr("%1 is damaged: its table claims more bytes than the file holds.").arg(fileName);
    }
    return {};
}

} // namespace Show
