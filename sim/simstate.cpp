#include "sim/simstate.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTextStream>

namespace {

constexpr char InternalFile[] = "internal-flash.bin";
constexpr char ExternalFile[] = "external-flash.bin";
constexpr char DeviceFile[] = "device.ini";

void setError(QString *error, const QString &message)
{
    if (error)
        *error = message;
}

} // namespace

SimState::SimState(QString folder)
    : dir(std::move(folder))
{}

QString SimState::defaultFolder()
{
    const QString fromEnvironment = qEnvironmentVariable("LC420_SIM_DIR");
    return fromEnvironment.isEmpty() ? QStringLiteral("sim-state") : fromEnvironment;
}

QString SimState::path(const char *name) const
{
    return QDir(dir).filePath(QString::fromLatin1(name));
}

bool SimState::load(Lc420Model &model, QString *error)
{
    if (!QDir().mkpath(dir)) {
        setError(error, QStringLiteral("cannot create %1").arg(dir));
        return false;
    }

    struct Image
    {
        const char *name;
        qint64 size;
        QByteArray contents;
    };
    Image images[] = {{InternalFile, Lc420Model::InternalSize, {}},
                      {ExternalFile, Lc420Model::ExternalSize, {}}};
    for (Image &image : images) {
        QFile file(path(image.name));
        if (!file.exists())
            continue;
        if (!file.open(QIODevice::ReadOnly)) {
            setError(error,
                     QStringLiteral("cannot read %1: %2").arg(file.fileName(), file.errorString()));
            return false;
        }
        if (file.size() != image.size) {
            setError(error, QStringLiteral("%1 has %2 bytes, expected %3")
                                .arg(file.fileName())
                                .arg(file.size())
                                .arg(image.size));
            return false;
        }
        image.contents = file.readAll();
        if (image.contents.size() != image.size) {
            setError(error, QStringLiteral("cannot read %1").arg(file.fileName()));
            return false;
        }
    }

    QByteArray serial;
    std::optional<Lc420Model::Mode> mode;
    std::optional<quint32> status;
    QFile device(path(DeviceFile));
    if (device.exists()) {
        if (!device.open(QIODevice::ReadOnly | QIODevice::Text)) {
            setError(
                error,
                QStringLiteral("cannot read %1: %2").arg(device.fileName(), device.errorString()));
            return false;
        }
        QTextStream in(&device);
        int number = 0;
        while (!in.atEnd()) {
            const QString line = in.readLine().trimmed();
            ++number;
            if (line.isEmpty() || line.startsWith(QLatin1Char('#'))
                || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('[')))
                continue;
            const qsizetype equals = line.indexOf(QLatin1Char('='));
            const QString key = line.left(equals).trimmed();
            const QString value = line.mid(equals + 1).trimmed();
            bool ok = equals > 0;
            if (ok && key == QLatin1String("serial")) {
                serial = value.toLatin1();
                ok = !serial.isEmpty() && serial.size() <= 15;
            } else if (ok && key == QLatin1String("mode")) {
                if (value == QLatin1String("application"))
                    mode = Lc420Model::Mode::Application;
                else if (value == QLatin1String("bootloader"))
                    mode = Lc420Model::Mode::Bootloader;
                else
                    ok = false;
            } else if (ok && key == QLatin1String("status")) {
                status = value.toUInt(&ok, 0);
            }
            if (!ok) {
                setError(error, QStringLiteral("%1:%2: cannot read \"%3\"")
                                    .arg(device.fileName())
                                    .arg(number)
                                    .arg(line));
                return false;
            }
        }
    }

    if (!images[0].contents.isEmpty())
        model.setInternalFlash(images[0].contents);
    if (!images[1].contents.isEmpty())
        model.setExternalFlash(images[1].contents);
    if (!serial.isEmpty())
        model.setSerial(serial);
    if (mode)
        model.setMode(*mode);
    if (status)
        model.setStatus(*status);

    // Write what was missing, so the folder always holds a complete state.
    if (images[0].contents.isEmpty()
        && !saveRange(QString::fromLatin1(InternalFile), model.internalFlash(), 0, error))
        return false;
    if (images[1].contents.isEmpty()
        && !saveRange(QString::fromLatin1(ExternalFile), model.externalFlash(), 0, error))
        return false;
    return saveDevice(model, error);
}

bool SimState::save(const Lc420Model &model, QString *error) const
{
    return saveRange(QString::fromLatin1(InternalFile), model.internalFlash(), 0, error)
           && saveRange(QString::fromLatin1(ExternalFile), model.externalFlash(), 0, error)
           && saveDevice(model, error);
}

void SimState::track(Lc420Model &model)
{
    model.setStateListener([this, &model](const Lc420Model::Change &change) {
        QString error;
        bool ok = true;
        switch (change.what) {
        case Lc420Model::Change::What::Internal:
            ok = saveRange(QString::fromLatin1(InternalFile),
                           model.read(Lc420Model::Memory::Internal,
                                      Lc420Model::InternalBase + change.offset, int(change.length)),
                           change.offset, &error);
            break;
        case Lc420Model::Change::What::External:
            ok = saveRange(
                QString::fromLatin1(ExternalFile),
                model.read(Lc420Model::Memory::External, change.offset, int(change.length)),
                change.offset, &error);
            break;
        case Lc420Model::Change::What::Device:
            ok = saveDevice(model, &error);
            break;
        }
        if (!ok)
            qWarning("lc420-sim: %s", qUtf8Printable(error));
    });
}

bool SimState::saveRange(const QString &name, const QByteArray &bytes, qint64 offset,
                         QString *error) const
{
    QFile file(QDir(dir).filePath(name));
    // Writing in place keeps a 1 MiB image cheap to update 256 bytes at a time.
    if (!file.open(QIODevice::ReadWrite) || !file.seek(offset) || file.write(bytes) != bytes.size()
        || !file.flush()) {
        setError(error,
                 QStringLiteral("cannot write %1: %2").arg(file.fileName(), file.errorString()));
        return false;
    }
    return true;
}

bool SimState::saveDevice(const Lc420Model &model, QString *error) const
{
    QSaveFile file(path(DeviceFile));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        setError(error,
                 QStringLiteral("cannot write %1: %2").arg(file.fileName(), file.errorString()));
        return false;
    }
    QTextStream out(&file);
    out << "[device]\n"
        << "serial=" << QString::fromLatin1(model.serial()) << '\n'
        << "mode=" << (model.mode() == Lc420Model::Mode::Application ? "application" : "bootloader")
        << '\n'
        << "status=0x" << QStringLiteral("%1").arg(model.status(), 8, 16, QLatin1Char('0')) << '\n';
    out.flush();
    if (!file.commit()) {
        setError(error,
                 QStringLiteral("cannot write %1: %2").arg(file.fileName(), file.errorString()));
        return false;
    }
    return true;
}
