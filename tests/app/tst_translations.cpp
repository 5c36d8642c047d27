#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

// Both translation files must cover every user-visible text of the sources:
// lupdate is run over the translated folders into a copy of each file, and
// every message of the copy must carry a finished translation.
class TestTranslations : public QObject
{
    Q_OBJECT

private:
    struct Message
    {
        QString context;
        QString source;
        QString translation;
        QString type; // "" when finished; "unfinished", "vanished", "obsolete"
    };

    static QList<Message> readMessages(const QString &path, QString *error);
    static QSet<QString> placeholders(const QString &text);

private Q_SLOTS:
    void complete_data();
    void complete();
};

QList<TestTranslations::Message> TestTranslations::readMessages(const QString &path, QString *error)
{
    QList<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            message = Message();
            message.context = context;
        } else if (xml.name() == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            message.translation = xml.readElementText();
            messages.append(message);
        }
    }
    if (xml.hasError())
        *error = xml.errorString();
    return messages;
}

QSet<QString> TestTranslations::placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%(?:L?\\d+|p%|n)"));
    QSet<QString> found;
    for (const QRegularExpressionMatch &m : marker.globalMatch(text))
        found.insert(m.captured());
    return found;
}

void TestTranslations::complete_data()
{
    QTest::addColumn<QString>("tsFile");
    QTest::addColumn<bool>("sameAsSource");

    // English is the language of the sources: its translations repeat them,
    // so that choosing English shows exactly the program's own texts.
    QTest::newRow("English") << "lc420_en.ts" << true;
    QTest::newRow("Polish") << "lc420_pl.ts" << false;
}

void TestTranslations::complete()
{
    QFETCH(QString, tsFile);
    QFETCH(bool, sameAsSource);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString copy = dir.filePath(tsFile);
    QVERIFY(QFile::copy(QStringLiteral(LC420_SOURCE_DIR "/translations/") + tsFile, copy));
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);

    QProcess lupdate;
    lupdate.setWorkingDirectory(QStringLiteral(LC420_SOURCE_DIR));
    const QStringList arguments
        = QString::fromUtf8(LC420_LUPDATE_ARGUMENTS).split(QLatin1Char('|'), Qt::SkipEmptyParts)
          + QStringList{QStringLiteral("-ts"), copy};
    lupdate.start(QStringLiteral(LC420_LUPDATE), arguments);
    QVERIFY(lupdate.waitForFinished(120000));
    QVERIFY2(lupdate.exitCode() == 0, lupdate.readAllStandardError().constData());

    QString error;
    const QList<Message> messages = readMessages(copy, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(!messages.isEmpty());

    QStringList problems;
    for (const Message &m : messages) {
        const QString where = m.context + QLatin1String(": \"") + m.source + QLatin1Char('"');
        if (!m.type.isEmpty() || m.translation.isEmpty())
            problems.append(where + QLatin1String(" is ")
                            + (m.type.isEmpty() ? QStringLiteral("empty") : m.type));
        else if (sameAsSource && m.translation != m.source)
            problems.append(where + QLatin1String(" differs from its source"));
        else if (placeholders(m.translation) != placeholders(m.source))
            problems.append(where + QLatin1String(" loses or adds a placeholder"));
    }
    QVERIFY2(
        problems.isEmpty(),
        qPrintable(QLatin1Char('\n') + problems.join(QLatin1Char('\n'))
                   + QLatin1String("\nRun: cmake --build <build folder> --target lc420_lupdate,"
                                   " then translate these in translations/")
                   + tsFile));
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
