#include "app/lc460_bootloader.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

// Each catalogue is checked as the program uses it, compiled: lupdate is run
// over the translated folders into a copy of its .ts file for the list of
// messages, every message must be finished, the compiled catalogue must give
// a translation with the placeholders of its source text, and the main window
// built under it must have an accelerator on every menu and menu entry and no
// key twice in one menu or on one tab.
class TestTranslations : public QObject
{
    Q_OBJECT

private:
    struct Message
    {
        QString context;
        QString source;
        QString comment; // the disambiguation
        QString translation;
        QString type; // "" when finished; "unfinished", "vanished", "obsolete"
    };

    static QList<Message> readMessages(const QString &path, QString *error);
    static QSet<QString> placeholders(const QString &text);
    static QStringList acceleratorProblems();

private Q_SLOTS:
    void catalogue_data();
    void catalogue();
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
        } else if (xml.name() == QLatin1String("comment")) {
            message.comment = xml.readElementText();
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
    // %1..%99 (also %L1) of QString::arg, %n of plurals, and a progress
    // bar's %p, %v and %m; a literal "%" after %p is text ("%p %" is fine).
    static const QRegularExpression marker(QStringLiteral("%(?:L?\\d+|[npvm])"));
    QSet<QString> found;
    for (const QRegularExpressionMatch &m : marker.globalMatch(text))
        found.insert(m.captured());
    return found;
}

// The key of an accelerator ("&Plik" → "P"), empty without one.
static QString acceleratorKey(const QString &text)
{
    return QKeySequence::mnemonic(text).toString().section(QLatin1Char('+'), -1).toUpper();
}

// What collides or lacks a key in the window built under the installed
// translator: the menu bar, each menu, and the buttons of each tab, which
// share their Alt keys with the menu bar.
QStringList TestTranslations::acceleratorProblems()
{
    Lc460_bootloader window;
    window.showServiceButtons();
    QStringList problems;
    const auto check
        = [&problems](const QString &group, const QStringList &texts, int mustHaveKey) {
              QHash<QString, QString> seen;
              for (int i = 0; i < texts.size(); ++i) {
                  const QString &text = texts.at(i);
                  const QString key = acceleratorKey(text);
                  if (key.isEmpty()) {
                      if (i < mustHaveKey)
                          problems.append(group + QLatin1String(": \"") + text
                                          + QLatin1String("\" has no accelerator"));
                      continue;
                  }
                  if (seen.contains(key))
                      problems.append(group + QLatin1String(": \"") + seen.value(key)
                                      + QLatin1String("\" and \"") + text
                                      + QLatin1String("\" share Alt+") + key);
                  else
                      seen.insert(key, text);
              }
          };

    QStringList bar;
    for (QAction *menuAction : window.menuBar()->actions()) {
        bar.append(menuAction->text());
        QStringList entries;
        for (QAction *action : menuAction->menu()->actions()) {
            if (!action->isSeparator())
                entries.append(action->text());
        }
        check(QLatin1String("menu ") + menuAction->text(), entries, int(entries.size()));
    }
    check(QStringLiteral("menu bar"), bar, int(bar.size()));

    auto *tabs = window.findChild<QTabWidget *>(QStringLiteral("tabWidget"));
    if (!tabs)
        return {QStringLiteral("no tabWidget")};
    for (int i = 0; i < tabs->count(); ++i) {
        // Push buttons with a word on them must have a key ("+" and "-" have
        // none); every other button with one must not take a key of a push
        // button or of the menu bar.
        static const QRegularExpression word(QStringLiteral("\\p{L}"));
        QStringList pushButtons;
        QStringList others;
        for (QAbstractButton *button : tabs->widget(i)->findChildren<QAbstractButton *>()) {
            if (!button->text().contains(word))
                continue;
            (qobject_cast<QPushButton *>(button) ? pushButtons : others).append(button->text());
        }
        check(QLatin1String("tab ") + tabs->tabText(i), pushButtons + bar + others,
              int(pushButtons.size()));
    }
    return problems;
}

void TestTranslations::catalogue_data()
{
    QTest::addColumn<QString>("baseName");
    QTest::newRow("English") << "lc420_en";
    QTest::newRow("Polish") << "lc420_pl";
}

void TestTranslations::catalogue()
{
    QFETCH(QString, baseName);
    const QString tsFile = baseName + QLatin1String(".ts");

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

    // The catalogue the build compiles into its folder, where the tests run.
    QTranslator translator;
    QVERIFY(translator.load(baseName, QStringLiteral(".")));

    QStringList problems;
    for (const Message &m : messages) {
        const QString where = m.context + QLatin1String(": \"") + m.source + QLatin1Char('"');
        if (!m.type.isEmpty() || m.translation.isEmpty()) {
            problems.append(where + QLatin1String(" is ")
                            + (m.type.isEmpty() ? QStringLiteral("empty") : m.type));
            continue;
        }
        const QByteArray comment = m.comment.toUtf8();
        const QString compiled
            = translator.translate(m.context.toUtf8().constData(), m.source.toUtf8().constData(),
                                   comment.isEmpty() ? nullptr : comment.constData());
        if (compiled.isEmpty())
            problems.append(where + QLatin1String(" is missing from ") + baseName
                            + QLatin1String(".qm"));
        else if (placeholders(compiled) != placeholders(m.source))
            problems.append(where + QLatin1String(" loses or adds a placeholder"));
    }
    QVERIFY2(
        problems.isEmpty(),
        qPrintable(QLatin1Char('\n') + problems.join(QLatin1Char('\n'))
                   + QLatin1String("\nRun: cmake --build <build folder> --target lc420_lupdate,"
                                   " then translate these in translations/")
                   + tsFile));

    QVERIFY(QCoreApplication::installTranslator(&translator));
    const QStringList clashes = acceleratorProblems();
    QCoreApplication::removeTranslator(&translator);
    QVERIFY2(clashes.isEmpty(),
             qPrintable(QLatin1Char('\n') + clashes.join(QLatin1Char('\n'))
                        + QLatin1String("\nSee the accelerators in translations/") + tsFile));
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
         "&Get Programs From Lc420"},
        {"Set programs", "lc420_en", form, "Set Programs In Lc460", "", "&Set Programs In Lc420"},
        {"Load programs", "lc420_en", form, "Load Programs From FIle", "",
         "L&oad Programs From File"},
        {"Get scenes", "lc420_en", form, "Get Scenes Form Lc460", "", "&Get Scenes From Lc420"},
        {"Set scenes", "lc420_en", form, "Set Scenes In Lc460", "", "&Set Scenes In Lc420"},
        {"a program's step", "lc420_en", form, "Scene Number", step, "Step"},
        {"a program's step in Polish", "lc420_pl", form, "Scene Number", step, "Krok"},
        {"failed Get names a slot", "lc420_en", window, "slotUpdateProgramScene", "",
         "Reading from the driver failed."},
        {"failed write names a function in Polish too", "lc420_pl", window,
         "WriteExternalFlashToAddress", "", "Zapis do sterownika nie powiódł się."},
        {"another model", "lc420_en", window, "Read From Lc350", "", "Read From Lc420"},
        {"misspelt upgrade mode", "lc420_en", "Upgrader", "Apllication mode", "",
         "Application mode"},
        {"the upgrade file dialog", "lc420_en", window, "Open File",
         "the upgrade file for Firmware Change", "Choose an Upgrade File"},
        {"the upgrade file filter keeps its pattern", "lc420_en", window, "Upg (*.upg)", "",
         "Upgrade files (*.upg)"},
        {"Set sends in Polish", "lc420_pl", form, "Set Programs In Lc460", "",
         "&Wyślij programy do Lc420"},
        {"Save is for files in Polish", "lc420_pl", form, "Save Programs To File", "",
         "&Zapisz programy do pliku"},
        {"the close question's Save is ours in Polish", "lc420_pl", "QPlatformTheme", "Save", "",
         "Zapisz"},
        {"the close question's Discard in Polish", "lc420_pl", "QPlatformTheme", "Discard", "",
         "Odrzuć"},
        {"the file dialog's Save is ours in Polish", "lc420_pl", "QFileDialog", "&Save", "",
         "&Zapisz"},
        {"an undo name reads after Cofnij", "lc420_pl", "TableCommand", "Paste", "", "wklejenie"},
        {"an edit's undo name reads after Cofnij", "lc420_pl", "RecordEditCommand",
         "Lamp %1 Colour", "", "zmianę koloru lampy %1"},
        {"a suffix takes its space", "lc420_en", form, "ms", "", " ms"},
        {"a suffix takes its space in Polish", "lc420_pl", form, "%", "", " %"},
        {"English in its own language", "lc420_pl", form, "English", "", "&English"},
        {"Polish in its own language", "lc420_en", form, "Polish", "", "&Polski"},
        {"a label takes its space", "lc420_pl", "Upgrader", "Serial:", "", "Numer seryjny: "},
        {"a message-box title is capitalised", "lc420_pl", window, "error", "", "Błąd"},
        {"a cleared status bit reads as cleared", "lc420_en", window, "StatusClr(%1)", "",
         "Status bit 0 is now 0: cleared with the mask %1"},
        {"a cleared status bit reads as cleared in Polish", "lc420_pl", window, "StatusClr(%1)", "",
         "Bit 0 statusu ma teraz wartość 0: wyzerowany maską %1"},
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

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
