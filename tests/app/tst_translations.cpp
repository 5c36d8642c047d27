#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
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
    void mended_data();
    void mended();
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
            // A plural message holds its forms as child elements.
            message.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
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
    QTest::newRow("English") << "lc420_en.ts";
    QTest::newRow("Polish") << "lc420_pl.ts";
}

void TestTranslations::complete()
{
    QFETCH(QString, tsFile);

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

// The source texts keep their typos, other models' names and function names;
// the catalogues show the user correct words for them.
void TestTranslations::mended_data()
{
    QTest::addColumn<QString>("qmFile");
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("disambiguation");
    QTest::addColumn<QString>("shown");

    const char *const form = "Lc460_bootloaderClass";
    const char *const window = "Lc460_bootloader";
    const char *const step = "the step of a program";
    const struct
    {
        const char *name, *qmFile, *context, *source, *disambiguation, *shown;
    } rows[] = {
        {"Get programs", "lc420_en", form, "Get Programs Form Lc460", "",
         "Get Programs From Lc420"},
        {"Set programs", "lc420_en", form, "Set Programs In Lc460", "", "Set Programs In Lc420"},
        {"Load programs", "lc420_en", form, "Load Programs From FIle", "",
         "Load Programs From File"},
        {"Get scenes", "lc420_en", form, "Get Scenes Form Lc460", "", "Get Scenes From Lc420"},
        {"Set scenes", "lc420_en", form, "Set Scenes In Lc460", "", "Set Scenes In Lc420"},
        {"a program's step", "lc420_en", form, "Scene Number", step, "Step"},
        {"a program's step in Polish", "lc420_pl", form, "Scene Number", step, "Krok"},
        {"failed Get names a slot", "lc420_en", window, "slotUpdateProgramScene", "",
         "Reading the show data from the driver failed. The editor still shows what it showed "
         "before."},
        {"failed write names a function in Polish too", "lc420_pl", window,
         "WriteExternalFlashToAddress", "",
         "Zapis do sterownika nie powiódł się; nic nie zostało utracone. Sprawdź kabel USB i "
         "spróbuj ponownie."},
        {"another model", "lc420_en", window, "Read From Lc350", "", "Read From Lc420"},
        {"misspelt upgrade mode", "lc420_en", "Upgrader", "Apllication mode", "",
         "Application mode"},
    };
    for (const auto &row : rows)
        QTest::newRow(row.name) << row.qmFile << row.context << row.source << row.disambiguation
                                << QString::fromUtf8(row.shown);
}

void TestTranslations::mended()
{
    QFETCH(QString, qmFile);
    QFETCH(QString, context);
    QFETCH(QString, source);
    QFETCH(QString, disambiguation);
    QFETCH(QString, shown);

    // The catalogues the build compiles into its folder, where the tests run.
    QTranslator translator;
    QVERIFY(translator.load(qmFile, QStringLiteral(".")));
    const QByteArray comment = disambiguation.toUtf8();
    QCOMPARE(translator.translate(context.toUtf8().constData(), source.toUtf8().constData(),
                                  comment.isEmpty() ? nullptr : comment.constData()),
             shown);
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
