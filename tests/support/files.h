#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

namespace TestFiles {

inline bool writeFile(const QString &fileName, const QByteArray &contents)
{
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
}

// The whole file, or nothing when it cannot be read.
inline QByteArray readFile(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// One temporary folder for a test's inputs and outputs, with numbered files
// and folders so that no two cases share one.
class Scratch
{
public:
    [[nodiscard]] bool isValid() const { return m_dir.isValid(); }
    [[nodiscard]] QString path() const { return m_dir.path(); }
    [[nodiscard]] QString path(const QString &name) const { return m_dir.filePath(name); }

    // A new file holding `contents`; the test stops if it cannot be written.
    QString write(const QByteArray &contents)
    {
        const QString name = path(QStringLiteral("f%1.hex").arg(m_count++));
        if (!writeFile(name, contents))
            qFatal("cannot write %s", qPrintable(name));
        return name;
    }

    QString freshFolder()
    {
        const QString name = path(QStringLiteral("out%1").arg(m_count++));
        if (!QDir().mkpath(name))
            qFatal("cannot make %s", qPrintable(name));
        return name;
    }

private:
    QTemporaryDir m_dir;
    int m_count = 0;
};

} // namespace TestFiles
