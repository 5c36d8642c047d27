// The window and the files around it, as the desktop may leave them: a
// settings file that is a FIFO, a device or a folder, settings that cannot be
// written, a recent path far too long for a menu, and a show file that
// another program changed or deleted while the window had it open. Each test
// function runs under a private XDG_CONFIG_HOME.

#include "app/lc460_bootloader.h"
#include "show/showfile.h"
#include "tests/support/scripteddialogs.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QSettings>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#include <memory>
#include <sys/stat.h>

using Show::Kind;

namespace {

constexpr int ProgramsTab = 1;
constexpr char Organization[] = "lc420-tests";
constexpr char Application[] = "tst_filesafety";

// The answers to "… was changed by another program since you opened it".
constexpr int Overwrite = QMessageBox::Discard;
constexpr int SaveAs = QMessageBox::Save;

QByteArray patternTable(int seed)
{
    QByteArray table(Show::tableSize(Kind::Programs), '\0');
    for (int i = 0; i < table.size(); ++i)
        table[i] = char(i * 17 + seed);
    return table;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestFileSafety : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void settingsFileThatIsNoFile_data();
    void settingsFileThatIsNoFile();
    void settingsThatCannotBeWritten();
    void longRecentPathIsShortened();
    void saveOverAFileChangedOnDisk_data();
    void saveOverAFileChangedOnDisk();
    void closeAsksBeforeOverwritingToo();
    void saveAsToADeviceNamesIt();

private:
    QString settingsFile() const
    {
        return config->filePath(QStringLiteral("%1/%2.conf").arg(Organization, Application));
    }
    void openWindow()
    {
        window = std::make_unique<Lc460_bootloader>();
        dialogs = scriptDialogs(*window);
    }
    QString log() const { return window->findChild<QTextEdit *>("txt")->toPlainText(); }
    QString status() const { return window->statusBar()->currentMessage(); }
    QAction *action(const char *name) const { return window->findChild<QAction *>(name); }
    QList<QAction *> recentEntries() const
    {
        Q_EMIT window->findChild<QMenu *>("menuFile")->aboutToShow();
        return window->findChild<QMenu *>("menuRecentFiles")->actions();
    }
    // A programs file of the test's, opened through File > Open.
    QString openFile(const QString &name, int seed)
    {
        const QString path = files.filePath(name);
        if (!Show::saveFile(path, Kind::Programs, patternTable(seed)).isEmpty())
            qFatal("cannot write %s", qPrintable(path));
        dialogs->answers = {path};
        action("actionOpen")->trigger();
        return path;
    }
    void edit(int value) const
    {
        window->findChild<QSpinBox *>("spinBoxStaticTime")->setValue(value);
    }

    std::unique_ptr<QTemporaryDir> config;
    QTemporaryDir files;
    std::unique_ptr<Lc460_bootloader> window;
    ScriptedDialogs *dialogs = nullptr; // owned by the window
};

void TestFileSafety::initTestCase()
{
    QCoreApplication::setOrganizationName(QLatin1String(Organization));
    QCoreApplication::setApplicationName(QLatin1String(Application));
    QVERIFY(files.isValid());
}

void TestFileSafety::init()
{
    config = std::make_unique<QTemporaryDir>();
    QVERIFY(config->isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config->path()));
    QVERIFY(QDir().mkpath(QFileInfo(settingsFile()).absolutePath()));
}

void TestFileSafety::cleanup()
{
    window.reset();
    config.reset();
    qunsetenv("XDG_CONFIG_HOME");
}

void TestFileSafety::settingsFileThatIsNoFile_data()
{
    QTest::addColumn<QString>("kind"); // what stands where the settings file belongs
    QTest::newRow("FIFO") << "fifo";
    QTest::newRow("folder") << "folder";
    QTest::newRow("link to /dev/zero") << "device";
}

// Opening a FIFO waits for a writer that never comes; the window must come
// up all the same, say once why its recent files will not last, and keep
// them for the session.
void TestFileSafety::settingsFileThatIsNoFile()
{
    QFETCH(QString, kind);
    const QByteArray path = QFile::encodeName(settingsFile());
    if (kind == QLatin1String("fifo"))
        QCOMPARE(mkfifo(path.constData(), 0600), 0);
    else if (kind == QLatin1String("folder"))
        QVERIFY(QDir().mkdir(settingsFile()));
    else
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), settingsFile()));

    openWindow();
    const QString problem = QStringLiteral("The settings file %1 is not a regular file and was "
                                           "left alone; recent files are kept only until the "
                                           "program ends.")
                                .arg(settingsFile());
    QCOMPARE(log().count(problem), 1);
    QCOMPARE(status(), problem);

    const QString first = openFile(QStringLiteral("first.pgm"), 1);
    const QString second = openFile(QStringLiteral("second.pgm"), 2);
    const QList<QAction *> entries = recentEntries();
    QCOMPARE(entries.size(), 2);
    QCOMPARE(entries[0]->toolTip(), second);
    QCOMPARE(entries[1]->toolTip(), first);
    QCOMPARE(log().count(problem), 1);
    QCOMPARE(status(), QStringLiteral("Loaded second.pgm."));
    // Left as it was found.
    struct stat info
    {
    };
    QCOMPARE(stat(path.constData(), &info), 0);
    QVERIFY(!S_ISREG(info.st_mode));
}

// The settings' folder cannot be made (a file has its name): the first
// use of the recent files says so, beside its own success, and they go on
// in memory.
void TestFileSafety::settingsThatCannotBeWritten()
{
    const QString folder = QFileInfo(settingsFile()).absolutePath();
    QVERIFY(QDir(folder).removeRecursively());
    QFile blocker(folder);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    openWindow();
    QCOMPARE(log(), QString());
    const QString first = openFile(QStringLiteral("kept.pgm"), 3);
    const QString problem = QStringLiteral("The settings cannot be saved in %1; recent files are "
                                           "kept only until the program ends.")
                                .arg(settingsFile());
    QCOMPARE(log().count(problem), 1);
    QCOMPARE(status(), QStringLiteral("Loaded kept.pgm. ") + problem);

    const QString second = openFile(QStringLiteral("also-kept.pgm"), 4);
    QCOMPARE(log().count(problem), 1);
    QCOMPARE(status(), QStringLiteral("Loaded also-kept.pgm."));
    const QList<QAction *> entries = recentEntries();
    QCOMPARE(entries.size(), 2);
    QCOMPARE(entries[0]->toolTip(), second);
    QCOMPARE(entries[1]->toolTip(), first);
}

// A path of 30,000 characters is shortened in the middle: the entry keeps
// its start and the file's name; the tool tip has it whole.
void TestFileSafety::longRecentPathIsShortened()
{
    const QString longPath
        = QStringLiteral("/shows/") + QString(30000, QLatin1Char('d')) + QStringLiteral("/a&b.pgm");
    const QString shortPath = files.filePath(QStringLiteral("short.pgm"));
    QSettings(settingsFile(), QSettings::IniFormat)
        .setValue(QStringLiteral("recentFiles"), QStringList{longPath, shortPath});

    openWindow();
    const QList<QAction *> entries = recentEntries();
    QCOMPARE(entries.size(), 2);
    const QString shown = entries[0]->text();
    QVERIFY2(shown.size() < 200, qPrintable(shown.left(300)));
    QVERIFY2(shown.startsWith(QStringLiteral("&1 /shows/dd")), qPrintable(shown));
    QVERIFY2(shown.contains(QChar(0x2026)), qPrintable(shown));
    QVERIFY2(shown.endsWith(QStringLiteral("d/a&&b.pgm")), qPrintable(shown));
    QCOMPARE(entries[0]->toolTip(), longPath);
    QCOMPARE(entries[1]->text(), QStringLiteral("&2 ") + shortPath);
    QCOMPARE(entries[1]->toolTip(), shortPath);
}

void TestFileSafety::saveOverAFileChangedOnDisk_data()
{
    QTest::addColumn<QString>("change"); // by another program: "rewrite", "touch", "delete"
    QTest::addColumn<QVariantList>("answers");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<QString>("holds"); // what the file holds after: "ours", "theirs"
    QTest::addColumn<QString>("status");

    QTest::newRow("changed: Cancel keeps their file")
        << "rewrite" << QVariantList{int(QMessageBox::Cancel)} << true << "theirs" << QString();
    QTest::newRow("changed: Overwrite writes ours")
        << "rewrite" << QVariantList{Overwrite} << true << "ours"
        << "Saved show.pgm.";
    QTest::newRow("changed: Save As writes ours elsewhere")
        << "rewrite" << QVariantList{SaveAs, QStringLiteral("elsewhere.pgm")} << true << "theirs"
        << "Saved elsewhere.pgm.";
    QTest::newRow("changed: closing the question cancels")
        << "rewrite" << QVariantList{} << true << "theirs" << QString();
    QTest::newRow("touched but unchanged: no question")
        << "touch" << QVariantList{} << false << "ours"
        << "Saved show.pgm.";
    QTest::newRow("deleted: saved anew, and said so")
        << "delete" << QVariantList{} << false << "ours"
        << "Saved show.pgm, which had been deleted since it was opened.";
}

void TestFileSafety::saveOverAFileChangedOnDisk()
{
    QFETCH(QString, change);
    QFETCH(QVariantList, answers);
    QFETCH(bool, asked);
    QFETCH(QString, holds);
    QFETCH(QString, status);

    openWindow();
    const QString path = openFile(QStringLiteral("show.pgm"), 5);
    QCOMPARE(window->findChild<QTabWidget *>("tabWidget")->currentIndex(), ProgramsTab);
    // A save of our own is no change by another program.
    edit(111);
    action("actionSave")->trigger();
    QCOMPARE(dialogs->asked.size(), 1); // the open dialog only
    edit(222);
    const QByteArray ours = window->document().table(Kind::Programs);

    // Another program writes a file of the very same size.
    QFile file(path);
    if (change == QLatin1String("rewrite"))
        QCOMPARE(Show::saveFile(path, Kind::Programs, patternTable(9)), QString());
    else if (change == QLatin1String("touch"))
        QVERIFY(file.open(QIODevice::ReadWrite)
                && file.setFileTime(QDateTime::currentDateTime().addSecs(60),
                                    QFileDevice::FileModificationTime));
    else
        QVERIFY(file.remove());
    file.close();
    const QByteArray theirs = fileBytes(path);

    dialogs->asked.clear();
    for (QVariant &answer : answers) {
        if (answer.typeId() == QMetaType::QString)
            answer = files.filePath(answer.toString());
    }
    dialogs->answers = answers;
    window->statusBar()->clearMessage();
    action("actionSave")->trigger();

    const QList<ScriptedDialogs::Question> questions = dialogs->askedOf(QStringLiteral("question"));
    QCOMPARE(questions.size(), asked ? 1 : 0);
    if (asked) {
        QCOMPARE(questions[0].title, QStringLiteral("File changed"));
        QCOMPARE(questions[0].label,
                 path
                     + QStringLiteral(" was changed by another program since you opened it. "
                                      "Overwrite it with the programs shown here, or save them "
                                      "under another name?"));
        QCOMPARE(questions[0].items, QStringList({"Save &As…", "&Overwrite"}));
        QCOMPARE(questions[0].value,
                 int(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel));
        QCOMPARE(questions[0].defaultButton, int(QMessageBox::Cancel));
    }
    const bool saved = !status.isEmpty();
    if (holds == QLatin1String("ours"))
        QCOMPARE(Show::readFile(path, Kind::Programs).table, ours);
    else
        QCOMPARE(fileBytes(path), theirs);
    QCOMPARE(window->isWindowModified(), !saved);
    QCOMPARE(this->status(), status);
    if (answers.size() > 1) {
        const QString elsewhere = answers[1].toString();
        QCOMPARE(Show::readFile(elsewhere, Kind::Programs).table, ours);
        QCOMPARE(window->document().fileName(Kind::Programs), elsewhere);
    }
}

// Closing with unsaved changes saves through the same check: a Cancel to the
// question keeps the window open and the other program's file as it is.
void TestFileSafety::closeAsksBeforeOverwritingToo()
{
    openWindow();
    const QString path = openFile(QStringLiteral("closing.pgm"), 6);
    edit(333);
    QCOMPARE(Show::saveFile(path, Kind::Programs, patternTable(7)), QString());

    dialogs->answers = {int(QMessageBox::Save), int(QMessageBox::Cancel)};
    QVERIFY(!window->close());
    const QList<ScriptedDialogs::Question> questions = dialogs->askedOf(QStringLiteral("question"));
    QCOMPARE(questions.size(), 2);
    QCOMPARE(questions[1].title, QStringLiteral("File changed"));
    QCOMPARE(Show::readFile(path, Kind::Programs).table, patternTable(7));
    QVERIFY(window->isWindowModified());

    // Overwrite, and the window closes.
    dialogs->answers = {int(QMessageBox::Save), Overwrite};
    QVERIFY(window->close());
    QCOMPARE(Show::readFile(path, Kind::Programs).table, window->document().table(Kind::Programs));
}

// "/dev/full" gets no ".pgm" added to become a rename into /dev: the name
// as chosen is a device, and the box says that it is no file to save to.
void TestFileSafety::saveAsToADeviceNamesIt()
{
    openWindow();
    openFile(QStringLiteral("device.pgm"), 8);
    edit(444);
    dialogs->answers = {QStringLiteral("/dev/full")};
    action("actionSaveAs")->trigger();
    const QList<ScriptedDialogs::Question> boxes = dialogs->askedOf(QStringLiteral("critical"));
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes[0].label,
             QStringLiteral("Cannot write /dev/full: it is a device, not a file to save to"));
    QVERIFY(!QFileInfo::exists(QStringLiteral("/dev/full.pgm")));
    QVERIFY(window->isWindowModified());
}

QTEST_MAIN(TestFileSafety)
#include "tst_filesafety.moc"
