#include "show/showfile.h"

#include "core/safefile.h"

#include <QCoreApplication>
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

QString saveFile(const QString &fileName, Kind kind, const QByteArray &table)
{
    if (table.size() != tableSize(kind))
        return QStringLiteral("Wrong table size %1").arg(table.size());
    return SafeFile::write(
        fileName, [kind, &table](QIODevice &device) { return writeFile(device, kind, table); });
}

FileContents readFile(QIODevice &device, Kind kind)
{
    FileContents contents;
    contents.fileSize = device.size();
    // QDataStream reads a length that lies in bounded steps and stops at the
    // end of the device, so a hostile prefix costs no more than the file.
    QDataStream stream(&device);
    stream.setVersion(QDataStream::Qt_4_8);

    QString header;
    stream >> header;
    if (stream.status() == QDataStream::Ok)
        contents.header = header;
    if (contents.header != fileHeader(kind)) {
        contents.error = FileContents::Error::WrongHeader;
        return contents;
    }

    QString version;
    stream >> version;
    if (stream.status() == QDataStream::Ok)
        contents.version = version;
    if (contents.version != QLatin1String(FileVersion)) {
        contents.error = FileContents::Error::WrongVersion;
        return contents;
    }

    QByteArray block;
    stream >> block;
    if (stream.status() != QDataStream::Ok) {
        contents.error = FileContents::Error::WrongLength;
        return contents;
    }
    contents.blockSize = block.size();
    if (block.size() < tableSize(kind)) {
        contents.error = FileContents::Error::WrongLength;
        return contents;
    }
    contents.table = block.left(tableSize(kind));
    contents.error = FileContents::Error::None;
    return contents;
}

FileContents readFile(const QString &fileName, Kind kind)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        FileContents contents;
        contents.why = file.errorString();
        return contents;
    }
    return readFile(file, kind);
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

} // namespace Show
