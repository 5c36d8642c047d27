// The File menu's show files as the user works them: Open choosing the tab by
// the file's header, Save writing back without a dialog, Save As, the title
// naming the current tab's file, Recent Files, the folders the dialogs open
// in, and show files dropped on the window.

#include "app/lc460_bootloader.h"
#include "core/version.h"
#include "show/showfile.h"
#include "sim/simulatedbus.h"
#include "tests/support/dragdrop.h"
#include "tests/support/scripteddialogs.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <memory>

using Show::Kind;

namespace {

constexpr int ProgramsTab = 1;
constexpr int ScenesTab = 2;

QByteArray patternTable(Kind kind, int seed)
{
    QByteArray table(Show::tableSize(kind), '\0');
    for (int i = 0; i < table.size(); ++i)
        table[i] = char(i * 13 + seed);
    return table;
}

QString versionTitle()
{
    return QStringLiteral("Lc420 ver. ") + QLatin1String(Lc420::version);
}

} // namespace

class TestFileMenu : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void openChoosesTheTabByHeader_data();
    void openChoosesTheTabByHeader();
    void openOverUnsavedChangesAsks_data();
    void openOverUnsavedChangesAsks();
    void saveWritesBack();
    void titleNamesTheCurrentTabsFile();
    void dialogsRememberTheFolder();
    void recentFiles();
    void drop_data();
    void drop();

private:
    // A show file in the test's folder; its name need not match its kind.
    QString writeFile(const QString &name, Kind kind, const QByteArray &table) const
    {
        const QString path = dir.filePath(name);
        QDir().mkpath(QFileInfo(path).absolutePath());
        if (!Show::saveFile(path, kind, table).isEmpty())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }
    QAction *action(const char *name) const { return window->findChild<QAction *>(name); }
    QTabWidget *tabs() const { return window->findChild<QTabWidget *>("tabWidget"); }
    const QByteArray &table(Kind kind) const { return window->document().table(kind); }
    void edit(Kind kind) const
    {
        window
            ->findChild<QSpinBox *>(kind == Kind::Programs ? "spinBoxStaticTime"
                                                           : "spinBoxSceneStaticTime")
            ->setValue(321);
    }
    // The Recent Files entries as the File menu shows them.
    QStringList recentEntries() const
    {
        auto *file = window->findChild<QMenu *>("menuFile");
        Q_EMIT file->aboutToShow();
        QStringList texts;
        for (QAction *entry : window->findChild<QMenu *>("menuRecentFiles")->actions())
            texts << entry->text();
        return texts;
    }

    QTemporaryDir dir;
    std::unique_ptr<SimulatedBus> bus;
    std::unique_ptr<Lc460_bootloader> window;
    ScriptedDialogs *dialogs = nullptr; // owned by the window
};

void TestFileMenu::initTestCase()
{
    // Settings of our own, never the user's.
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("lc420-tests"));
    QCoreApplication::setApplicationName(QStringLiteral("tst_filemenu"));
    QVERIFY(dir.isValid());
}

void TestFileMenu::init()
{
    QSettings().clear();
    bus = std::make_unique<SimulatedBus>();
    window = std::make_unique<Lc460_bootloader>();
    dialogs = scriptDialogs(*window);
}

void TestFileMenu::cleanup()
{
    window.reset();
    bus.reset();
}

void TestFileMenu::openChoosesTheTabByHeader_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Kind>("kind"); // what the file holds
    QTest::addColumn<int>("startTab");
    QTest::addColumn<int>("tab"); // where it opens

    QTest::newRow("programs file from the Settings tab")
        << "chase.pgm" << Kind::Programs << 0 << ProgramsTab;
    QTest::newRow("scenes file from the Programs tab")
        << "colours.scn" << Kind::Scenes << ProgramsTab << ScenesTab;
    QTest::newRow("scenes file named .pgm")
        << "renamed.pgm" << Kind::Scenes << ProgramsTab << ScenesTab;
    QTest::newRow("programs file named .scn")
        << "renamed.scn" << Kind::Programs << ScenesTab << ProgramsTab;
    QTest::newRow("programs file without an extension")
        << "show" << Kind::Programs << 0 << ProgramsTab;
}

void TestFileMenu::openChoosesTheTabByHeader()
{
    QFETCH(QString, name);
    QFETCH(Kind, kind);
    QFETCH(int, startTab);
    QFETCH(int, tab);
    const Kind other = kind == Kind::Programs ? Kind::Scenes : Kind::Programs;
    const QByteArray otherTable = table(other);
    const QString path = writeFile(name, kind, patternTable(kind, 5));
    tabs()->setCurrentIndex(startTab);

    dialogs->answers = {path};
    action("actionOpen")->trigger();

    QCOMPARE(tabs()->currentIndex(), tab);
    QCOMPARE(table(kind), patternTable(kind, 5));
    QCOMPARE(table(other), otherTable);
    QCOMPARE(window->windowTitle(), name + QStringLiteral(" – ") + versionTitle());
    QVERIFY(!window->isWindowModified());
    const QList<ScriptedDialogs::Question> opens = dialogs->askedOf(QStringLiteral("open"));
    QCOMPARE(opens.size(), 1);
    QCOMPARE(opens[0].title, QStringLiteral("Open Programs or Scenes File"));
    QCOMPARE(opens[0].label,
             QStringLiteral("Programs and Scenes Files (*.pgm *.scn);;All Files (*)"));
    QCOMPARE(opens[0].dir, QStringLiteral("."));
    QCOMPARE(opens[0].parent, static_cast<QWidget *>(window.get()));
    QCOMPARE(dialogs->asked.size(), 1);
}

void TestFileMenu::openOverUnsavedChangesAsks_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("opened");
    QTest::newRow("discard") << int(QMessageBox::Discard) << true;
    QTest::newRow("cancel") << int(QMessageBox::Cancel) << false;
}

void TestFileMenu::openOverUnsavedChangesAsks()
{
    QFETCH(int, answer);
    QFETCH(bool, opened);
    const QString path
        = writeFile(QStringLiteral("asked.scn"), Kind::Scenes, patternTable(Kind::Scenes, 2));
    edit(Kind::Scenes);
    const QByteArray edited = table(Kind::Scenes);

    dialogs->answers = {path, answer};
    action("actionOpen")->trigger();
    const QList<ScriptedDialogs::Question> questions = dialogs->askedOf(QStringLiteral("question"));
    QCOMPARE(questions.size(), 1);
    QCOMPARE(questions[0].label,
             QStringLiteral("The scenes have changes that are not saved. Discard them?"));
    QCOMPARE(questions[0].defaultButton, int(QMessageBox::Cancel));
    QCOMPARE(table(Kind::Scenes), opened ? patternTable(Kind::Scenes, 2) : edited);
    QCOMPARE(window->isWindowModified(), !opened);
    QCOMPARE(window->windowTitle(), opened ? QStringLiteral("asked.scn – ") + versionTitle()
                                           : versionTitle() + QStringLiteral("[*]"));

    // A file that is no show file is refused as Load refuses it, before any
    // question, and its tab is not chosen.
    const QString text = dir.filePath(QStringLiteral("notes.txt"));
    QFile notes(text);
    QVERIFY(notes.open(QIODevice::WriteOnly) && notes.write("Lc420 Scenes File\n") > 0);
    notes.close();
    tabs()->setCurrentIndex(ProgramsTab);
    const QByteArray programs = table(Kind::Programs);
    dialogs->asked.clear();
    dialogs->answers = {text};
    action("actionOpen")->trigger();
    QCOMPARE(tabs()->currentIndex(), ProgramsTab);
    QCOMPARE(table(Kind::Programs), programs);
    QCOMPARE(dialogs->askedOf(QStringLiteral("question")).size(), 0);
    const QList<ScriptedDialogs::Question> boxes = dialogs->askedOf(QStringLiteral("critical"));
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes[0].title, QStringLiteral("File error"));
    QCOMPARE(boxes[0].label,
             QStringLiteral("Wrong file header\nnotes.txt is not a programs file."));
}

void TestFileMenu::saveWritesBack()
{
    const QString path
        = writeFile(QStringLiteral("back.pgm"), Kind::Programs, patternTable(Kind::Programs, 1));
    dialogs->answers = {path};
    action("actionOpen")->trigger();
    edit(Kind::Programs);
    QCOMPARE(window->windowTitle(), QStringLiteral("back.pgm[*] – ") + versionTitle());

    dialogs->asked.clear();
    action("actionSave")->trigger();
    QCOMPARE(dialogs->asked.size(), 0); // no dialog at all
    QCOMPARE(Show::readFile(path, Kind::Programs).table, table(Kind::Programs));
    QVERIFY(!window->isWindowModified());
    QCOMPARE(window->windowTitle(), QStringLiteral("back.pgm – ") + versionTitle());

    // The Scenes tab has no file yet: Save asks where, as Save As does.
    tabs()->setCurrentIndex(ScenesTab);
    edit(Kind::Scenes);
    const QString scenes = dir.filePath(QStringLiteral("new-scenes"));
    dialogs->answers = {scenes};
    action("actionSave")->trigger();
    QCOMPARE(dialogs->askedOf(QStringLiteral("save")).size(), 1);
    QCOMPARE(Show::readFile(scenes + ".scn", Kind::Scenes).table, table(Kind::Scenes));
    QCOMPARE(window->windowTitle(), QStringLiteral("new-scenes.scn – ") + versionTitle());
    dialogs->asked.clear();
    action("actionSave")->trigger();
    QCOMPARE(dialogs->asked.size(), 0);

    // Save As writes elsewhere, and that file is the tab's from then on.
    tabs()->setCurrentIndex(ProgramsTab);
    edit(Kind::Programs);
    window->findChild<QSpinBox *>("spinBoxStaticTime")->setValue(77);
    const QString copy = dir.filePath(QStringLiteral("copy.pgm"));
    dialogs->answers = {copy};
    action("actionSaveAs")->trigger();
    const QList<ScriptedDialogs::Question> saves = dialogs->askedOf(QStringLiteral("save"));
    QCOMPARE(saves.size(), 1);
    QCOMPARE(saves[0].title, QStringLiteral("Save Programs File"));
    QCOMPARE(saves[0].label, QStringLiteral("Programs Files (*.pgm)"));
    QCOMPARE(saves[0].dir, path); // the current file proposed
    QCOMPARE(Show::readFile(copy, Kind::Programs).table, table(Kind::Programs));
    QVERIFY(Show::readFile(path, Kind::Programs).table != table(Kind::Programs));
    QCOMPARE(window->windowTitle(), QStringLiteral("copy.pgm – ") + versionTitle());
    QVERIFY(!window->isWindowModified());

    // On the Settings tab there is no table to save.
    tabs()->setCurrentIndex(0);
    QVERIFY(!action("actionSave")->isEnabled());
    QVERIFY(!action("actionSaveAs")->isEnabled());
    QVERIFY(action("actionOpen")->isEnabled());
    QCOMPARE(action("actionOpen")->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
    QCOMPARE(action("actionSave")->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    QCOMPARE(action("actionSaveAs")->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+S")));
}

// Until a file is loaded or saved the title is the specified one; after, it
// names the current tab's file. A Get leaves the table without a file (Save
// must not write the driver's table over the file unasked); undoing it
// brings the name back with the table.
void TestFileMenu::titleNamesTheCurrentTabsFile()
{
    QCOMPARE(window->windowTitle(), versionTitle());
    tabs()->setCurrentIndex(ProgramsTab);
    edit(Kind::Programs);
    QCOMPARE(window->windowTitle(), versionTitle() + QStringLiteral("[*]"));

    // The Load button names the file too.
    const QString path = writeFile(QStringLiteral("odd [*] name.pgm"), Kind::Programs,
                                   patternTable(Kind::Programs, 3));
    dialogs->answers = {int(QMessageBox::Discard), path};
    window->findChild<QPushButton *>("pushButtonLoadProgramsFromFile")->click();
    QCOMPARE(window->windowTitle(), QStringLiteral("odd [*][*] name.pgm – ") + versionTitle());
    edit(Kind::Programs);
    QCOMPARE(window->windowTitle(), QStringLiteral("odd [*][*] name.pgm[*] – ") + versionTitle());

    tabs()->setCurrentIndex(ScenesTab);
    QCOMPARE(window->windowTitle(), versionTitle() + QStringLiteral("[*]"));
    tabs()->setCurrentIndex(0);
    QCOMPARE(window->windowTitle(), versionTitle() + QStringLiteral("[*]"));

    // A language switch keeps the names.
    tabs()->setCurrentIndex(ProgramsTab);
    Lc460_bootloader::Handover handover = window->handOver();
    window = std::make_unique<Lc460_bootloader>();
    window->takeOver(std::move(handover));
    dialogs = scriptDialogs(*window);
    QCOMPARE(window->windowTitle(), QStringLiteral("odd [*][*] name.pgm[*] – ") + versionTitle());

    dialogs->answers = {int(QMessageBox::Discard)};
    window->findChild<QPushButton *>("pushButtonGetProgramsFormLc460")->click();
    QTRY_VERIFY_WITH_TIMEOUT(window->findChild<QProgressBar *>("progressBarJob")->isHidden(),
                             30000);
    QCOMPARE(window->document().fileName(Kind::Programs), QString());
    QCOMPARE(window->windowTitle(), versionTitle());
    action("actionUndo")->trigger();
    QCOMPARE(window->document().fileName(Kind::Programs), path);
    QCOMPARE(window->windowTitle(), QStringLiteral("odd [*][*] name.pgm[*] – ") + versionTitle());
}

void TestFileMenu::dialogsRememberTheFolder()
{
    const QString programs
        = writeFile(QStringLiteral("shows/a.pgm"), Kind::Programs, patternTable(Kind::Programs, 4));
    const QString scenes
        = writeFile(QStringLiteral("scenes/b.scn"), Kind::Scenes, patternTable(Kind::Scenes, 4));
    dialogs->answers = {programs, scenes};
    action("actionOpen")->trigger();
    action("actionOpen")->trigger();
    // Without a file (as after a Get), Save As opens in the kind's folder.
    window->document().setFileName(Kind::Scenes, QString());

    dialogs->asked.clear();
    tabs()->setCurrentIndex(ProgramsTab);
    action("actionOpen")->trigger();
    action("actionSaveAs")->trigger();
    tabs()->setCurrentIndex(ScenesTab);
    action("actionSaveAs")->trigger();
    // The buttons keep their working directory.
    window->findChild<QPushButton *>("pushButtonSaveScenesToFile")->click();
    window->findChild<QPushButton *>("pushButtonLoadProgramsFromFile")->click();

    QStringList starts;
    for (const ScriptedDialogs::Question &question : std::as_const(dialogs->asked))
        starts << question.dir;
    QCOMPARE(starts, (QStringList{programs, programs, dir.filePath(QStringLiteral("scenes")),
                                  QStringLiteral("."), QStringLiteral(".")}));

    // Across a restart too.
    window = std::make_unique<Lc460_bootloader>();
    dialogs = scriptDialogs(*window);
    tabs()->setCurrentIndex(ScenesTab);
    action("actionOpen")->trigger();
    tabs()->setCurrentIndex(0);
    action("actionOpen")->trigger(); // the last file's folder
    QCOMPARE(dialogs->asked.size(), 2);
    QCOMPARE(dialogs->asked[0].dir, dir.filePath(QStringLiteral("scenes")));
    QCOMPARE(dialogs->asked[1].dir, dir.filePath(QStringLiteral("scenes")));
}

void TestFileMenu::recentFiles()
{
    QCOMPARE(recentEntries(), QStringList());
    QVERIFY(!window->findChild<QMenu *>("menuRecentFiles")->menuAction()->isEnabled());

    // Ten files, each opened once: the last eight, the newest first.
    QStringList paths;
    for (int i = 0; i < 10; ++i) {
        const Kind kind = i % 2 ? Kind::Scenes : Kind::Programs;
        paths << writeFile(QStringLiteral("r%1&.%2").arg(i).arg(i % 2 ? "scn" : "pgm"), kind,
                           patternTable(kind, i));
        dialogs->answers = {paths.last()};
        action("actionOpen")->trigger();
    }
    QStringList expected;
    for (int i = 9; i >= 2; --i)
        expected << QStringLiteral("&%1 %2").arg(10 - i).arg(
            QDir::toNativeSeparators(paths[i]).replace(QStringLiteral("&"), QStringLiteral("&&")));
    QCOMPARE(recentEntries(), expected);

    // An entry opens its file on its tab and goes to the front, once.
    tabs()->setCurrentIndex(0);
    QAction *fourth = window->findChild<QMenu *>("menuRecentFiles")->actions().at(3);
    fourth->trigger(); // r6&.pgm
    QCOMPARE(tabs()->currentIndex(), ProgramsTab);
    QCOMPARE(table(Kind::Programs), patternTable(Kind::Programs, 6));
    const QStringList reordered = recentEntries();
    QCOMPARE(reordered.size(), 8);
    QVERIFY2(reordered[0].endsWith(QStringLiteral("r6&&.pgm")), qPrintable(reordered[0]));
    QVERIFY2(reordered[1].endsWith(QStringLiteral("r9&&.scn")), qPrintable(reordered[1]));
    QVERIFY2(reordered[4].endsWith(QStringLiteral("r5&&.scn")), qPrintable(reordered[4]));

    // A file that has gone leaves the list when tried.
    QVERIFY(QFile::remove(paths[9]));
    window->findChild<QMenu *>("menuRecentFiles")->actions().at(1)->trigger();
    QCOMPARE(dialogs->askedOf(QStringLiteral("critical")).size(), 1);
    QCOMPARE(recentEntries().size(), 7);
    QVERIFY(!recentEntries().join(QLatin1Char('|')).contains(QStringLiteral("r9")));
}

void TestFileMenu::drop_data()
{
    QTest::addColumn<QStringList>("names"); // in the test's folder; "http:..." as a URL
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("tab");
    QTest::newRow("programs file") << QStringList{"drop.pgm"} << true << ProgramsTab;
    QTest::newRow("scenes file named .pgm") << QStringList{"scenes.pgm"} << true << ScenesTab;
    QTest::newRow("both kinds at once")
        << QStringList{"notes.txt", "drop.pgm", "scenes.pgm"} << true << ScenesTab;
    QTest::newRow("no show file") << QStringList{"notes.txt"} << false << 0;
    QTest::newRow("remote file") << QStringList{"http://example.com/drop.pgm"} << false << 0;
}

void TestFileMenu::drop()
{
    QFETCH(QStringList, names);
    QFETCH(bool, accepted);
    QFETCH(int, tab);
    writeFile(QStringLiteral("drop.pgm"), Kind::Programs, patternTable(Kind::Programs, 8));
    writeFile(QStringLiteral("scenes.pgm"), Kind::Scenes, patternTable(Kind::Scenes, 8));
    QFile notes(dir.filePath(QStringLiteral("notes.txt")));
    QVERIFY(notes.open(QIODevice::WriteOnly) && notes.write("notes") == 5);
    notes.close();

    QList<QUrl> urls;
    for (const QString &name : std::as_const(names))
        urls << (name.startsWith(QLatin1String("http")) ? QUrl(name)
                                                        : QUrl::fromLocalFile(dir.filePath(name)));
    QMimeData data;
    data.setUrls(urls);
    QCOMPARE(dragAndDrop(window.get(), data), accepted);
    QCoreApplication::processEvents(); // the files open once the drop has ended

    QCOMPARE(tabs()->currentIndex(), tab);
    const bool programs = accepted && names.contains(QStringLiteral("drop.pgm"));
    const bool scenes = accepted && names.contains(QStringLiteral("scenes.pgm"));
    QCOMPARE(table(Kind::Programs) == patternTable(Kind::Programs, 8), programs);
    QCOMPARE(table(Kind::Scenes) == patternTable(Kind::Scenes, 8), scenes);
    QCOMPARE(dialogs->asked.size(), 0);
}

QTEST_MAIN(TestFileMenu)
#include "tst_filemenu.moc"
