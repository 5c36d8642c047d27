#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// Runs lc420-cli as a user runs it: under the lc420-sim launcher, with the
// simulated driver's state in stateDir.
struct CliRun
{
    int exitCode = -1; // -1: it did not end normally within two minutes
    QString out;
    QString err;
};

inline CliRun runCliUnderSim(const QString &simPath, const QString &cliPath,
                             const QString &stateDir, const QStringList &arguments,
                             const QStringList &simOptions = {})
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC420_SIM_DIR"), stateDir);
    // No catalogue fits the C locale, so the tool speaks its (mended) English.
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    process.setProcessEnvironment(environment);
    process.start(simPath, simOptions + QStringList{QStringLiteral("--"), cliPath} + arguments);
    CliRun result;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return result;
    result.exitCode = process.exitCode();
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}
