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

// language: a LANG such as "pl_PL.UTF-8" that the tool then follows (its
// catalogue, its digits), reporting every text it finds no translation for
// on standard error ("untranslated: ..."); empty for the C locale.
inline CliRun runCliUnderSim(const QString &simPath, const QString &cliPath,
                             const QString &stateDir, const QStringList &arguments,
                             const QStringList &simOptions = {}, const QString &language = {})
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC420_SIM_DIR"), stateDir);
    if (language.isEmpty()) {
        // No catalogue fits the C locale, so the tool speaks its (mended) English.
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    } else {
        for (const char *name : {"LC_ALL", "LC_MESSAGES", "LC_NUMERIC", "LANGUAGE"})
            environment.remove(QString::fromLatin1(name));
        environment.insert(QStringLiteral("LANG"), language);
        environment.insert(QStringLiteral("QT_LOGGING_RULES"),
                           QStringLiteral("lc420.untranslated.debug=true"));
    }
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
