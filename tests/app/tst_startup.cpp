#include "app/information.h"
#include "app/lc460_bootloader.h"
#include "app/startup.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QTranslator>

#include <algorithm>

namespace {

// Drives the real start-up loop from inside its event loop: each time a new
// main window is up, it records what the window looks like, leaves traces
// behind (log text, another tab) that a rebuild must discard and show data
// that it must carry, and then does the next user action.
class LoopDriver : public QObject
{
public:
    explicit LoopDriver(QStringList actions)
        : actions(std::move(actions))
    {
        connect(&poll, &QTimer::timeout, this, &LoopDriver::step);
        poll.start(10);
        clock.start();
    }

    QStringList seen;  // per window: title | Firmware Change caption | about box version | ...
    QStringList fresh; // per window: what was not as a new window has it ("" when all was)
    bool timedOut = false;

private:
    void step()
    {
        if (clock.elapsed() > 20000) {
            // Ends a loop that no longer follows the script (exit 99 is no language code).
            timedOut = true;
            QCoreApplication::exit(99);
            return;
        }
        Lc460_bootloader *window = currentWindow();
        if (!window || window == handled.data() || actions.isEmpty())
            return;
        handled = window;
        inspect(*window);
        leaveTraces(*window);
        act(*window, actions.takeFirst());
    }

    static Lc460_bootloader *currentWindow()
    {
        for (QWidget *top : QApplication::topLevelWidgets()) {
            auto *window = qobject_cast<Lc460_bootloader *>(top);
            if (window && window->isVisible())
                return window;
        }
        return nullptr;
    }

    void inspect(Lc460_bootloader &window)
    {
        Information about(&window);
        seen.append(
            window.windowTitle() + QLatin1Char('|')
            + window.findChild<QPushButton *>(QStringLiteral("pushButtonCHF"))->text()
            + QLatin1Char('|') + about.findChild<QLabel *>(QStringLiteral("labelVersion"))->text()
            + QLatin1Char('|') + questionButtons() + QLatin1Char('|')
            + QDialogButtonBox(QDialogButtonBox::Cancel).button(QDialogButtonBox::Cancel)->text()
            + (window.findChild<QAction *>(QStringLiteral("actionPolish"))->isChecked()
                   ? QLatin1String("|pl")
                   : QLatin1String("|en")));

        QStringList stale;
        if (!window.findChild<QTextBrowser *>(QStringLiteral("txt"))->toPlainText().isEmpty())
            stale.append(QStringLiteral("log"));
        // The first window starts with empty show data on the Settings tab; a
        // rebuilt one carries the show and the tab of the window before.
        const bool first = windows++ == 0;
        const auto only = [&window](Show::Kind kind, char c) {
            const QByteArray &bytes = window.document().table(kind);
            return bytes.count(c) == bytes.size();
        };
        if (!(only(Show::Kind::Programs, first ? 0 : char(0xab))
              && only(Show::Kind::Scenes, first ? 0 : char(0xcd))))
            stale.append(QStringLiteral("show"));
        if (window.findChild<QTabWidget *>(QStringLiteral("tabWidget"))->currentIndex()
            != (first ? 0 : 2))
            stale.append(QStringLiteral("tab"));
        fresh.append(stale.join(QLatin1Char(',')));
    }

    // The buttons of the close question, as Qt words them under the
    // installed translators.
    static QString questionButtons()
    {
        const QDialogButtonBox box(QDialogButtonBox::Save | QDialogButtonBox::Discard
                                   | QDialogButtonBox::Cancel);
        QStringList texts;
        for (auto which :
             {QDialogButtonBox::Save, QDialogButtonBox::Discard, QDialogButtonBox::Cancel})
            texts.append(box.button(which)->text());
        return texts.join(QLatin1Char('/'));
    }

    static void leaveTraces(Lc460_bootloader &window)
    {
        window.findChild<QTextBrowser *>(QStringLiteral("txt"))->append(QStringLiteral("old"));
        window.document().setTable(Show::Kind::Programs, QByteArray(7680, char(0xab)));
        window.document().setTable(Show::Kind::Scenes, QByteArray(384, char(0xcd)));
        window.findChild<QTabWidget *>(QStringLiteral("tabWidget"))->setCurrentIndex(2);
    }

    static void act(Lc460_bootloader &window, const QString &action)
    {
        if (action == QLatin1String("close"))
            window.close();
        else
            window.findChild<QAction *>(action)->trigger();
    }

    QStringList actions;
    int windows = 0;
    QPointer<Lc460_bootloader> handled;
    QTimer poll;
    QElapsedTimer clock;
};

// Then the close question's buttons in our words, which win over Qt's own
// catalogue ("Zachowaj"), and Qt's own Cancel button, translated along with
// the window. Last the language the Language menu marks.
const QString english = QStringLiteral(
    "Lc420 ver. 1.03|Firmware &Change|Lc420 ver. 1.03|Save/Discard/Cancel|Cancel|en");
const QString polish = QStringLiteral("Lc420 wer. 1.03|&Aktualizuj oprogramowanie|Lc420 wer. "
                                      "1.03|Zapisz/Odrzuć/Anuluj|Anuluj|pl");

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void translationBaseName_data();
    void translationBaseName();
    void translationLookup_data();
    void translationLookup();
    void loop_data();
    void loop();
};

void TestStartup::translationLookup_data()
{
    QTest::addColumn<QList<int>>("holding"); // folders that hold lc420_pl.qm
    QTest::addColumn<int>("found");          // the folder it is loaded from, -1: none
    QTest::newRow("only the installed data folder") << QList<int>{1} << 1;
    QTest::newRow("the first folder wins") << QList<int>{0, 1, 2} << 0;
    QTest::newRow("the last folder is still looked in") << QList<int>{2} << 2;
    QTest::newRow("nowhere: English built in") << QList<int>{} << -1;
}

void TestStartup::translationLookup()
{
    QFETCH(QList<int>, holding);
    QFETCH(int, found);
    QTemporaryDir root;
    QStringList folders;
    for (int i = 0; i < 3; ++i) {
        folders.append(root.filePath(QString::number(i)));
        QVERIFY(QDir().mkpath(folders.last()));
    }
    for (const int i : holding)
        QVERIFY(QFile::copy(QStringLiteral("lc420_pl.qm"), folders[i] + "/lc420_pl.qm"));

    QTranslator translator;
    QCOMPARE(Startup::loadTranslation(translator, QStringLiteral("lc420_pl_PL"), folders),
             found >= 0);
    if (found >= 0)
        QCOMPARE(QFileInfo(translator.filePath()).absolutePath(), folders[found]);
}

void TestStartup::initTestCase()
{
    // The program looks for its translations in the working directory; the
    // build puts them in the build folder, where the tests run.
    QVERIFY2(QFile::exists(QStringLiteral("lc420_pl.qm")),
             "lc420_pl.qm not in the working directory");
    QVERIFY2(QFile::exists(QStringLiteral("lc420_en.qm")),
             "lc420_en.qm not in the working directory");
    QVERIFY(!QFile::exists(QStringLiteral("lc420_de.qm")));
}

void TestStartup::translationBaseName_data()
{
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("baseName");

    QTest::newRow("first pass follows the locale pl_PL") << 0 << "pl_PL"
                                                         << "lc420_pl_PL";
    QTest::newRow("first pass follows the locale de_DE") << 0 << "de_DE"
                                                         << "lc420_de_DE";
    QTest::newRow("Polish chosen under de_DE") << -11 << "de_DE"
                                               << "lc420_pl";
    QTest::newRow("English chosen under pl_PL") << -12 << "pl_PL"
                                                << "lc420_en";
    QTest::newRow("Polish chosen under pl_PL") << -11 << "pl_PL"
                                               << "lc420_pl";
}

void TestStartup::translationBaseName()
{
    QFETCH(int, exitCode);
    QFETCH(QString, locale);
    QFETCH(QString, baseName);
    QCOMPARE(Startup::translationBaseName(exitCode, locale), baseName);
}

void TestStartup::loop_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QStringList>("windows");

    QTest::newRow("pl_PL comes up in Polish; closing ends with 0")
        << "pl_PL" << QStringList{"close"} << QStringList{polish};
    QTest::newRow("de_DE has no file and comes up in English")
        << "de_DE" << QStringList{"close"} << QStringList{english};
    QTest::newRow("English from a Polish window rebuilds it")
        << "pl_PL" << QStringList{"actionEnglish", "actionClose"} << QStringList{polish, english};
    QTest::newRow("Polish from an English window rebuilds it")
        << "de_DE" << QStringList{"actionPolish", "close"} << QStringList{english, polish};
    QTest::newRow("the active language still rebuilds")
        << "pl_PL" << QStringList{"actionPolish", "actionPolish", "close"}
        << QStringList{polish, polish, polish};
    QTest::newRow("back and forth")
        << "en_GB" << QStringList{"actionPolish", "actionEnglish", "actionEnglish", "close"}
        << QStringList{english, polish, english, english};
}

void TestStartup::loop()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, actions);
    QFETCH(QStringList, windows);

    LoopDriver driver(actions);
    const int exitCode = Startup::runMainWindowLoop(locale);

    QVERIFY(!driver.timedOut);
    QCOMPARE(exitCode, 0);
    QCOMPARE(driver.seen, windows);
    // Every window, the rebuilt ones too, starts with an empty log; the show
    // and the tab are carried over.
    QCOMPARE(driver.fresh, QStringList(windows.size(), QString()));
    // Nothing of the loop outlives it.
    for (QWidget *top : QApplication::topLevelWidgets())
        QVERIFY(!qobject_cast<Lc460_bootloader *>(top));
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
