// Appending to the log pane: big texts take another road than QTextEdit's
// append, with the same text in the end, and every append shows the newest
// line.

#include "app/logpane.h"
#include "core/hexdump.h"

#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

class TestLogPane : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sameTextAsAppend_data();
    void sameTextAsAppend();
    void keepsTheEndInView();
    void showsTheNewestLine_data();
    void showsTheNewestLine();
    void readerWhoScrollsAwayStaysThere();

private:
    static QString dump(int length)
    {
        const QByteArray bytes(length, 'x');
        return QString::fromLatin1(hexDump(bytes.constData(), length));
    }
};

void TestLogPane::sameTextAsAppend_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("text");
    const QStringList lines{QStringLiteral("Writting External Flash ... "), QStringLiteral("OK")};
    QTest::newRow("a line after lines") << lines << QStringLiteral("Verify");
    QTest::newRow("a dump into an empty pane") << QStringList{} << dump(64 * 1024);
    QTest::newRow("a dump after lines") << lines << dump(64 * 1024);
    QTest::newRow("a dump with empty lines around it")
        << QStringList{QString()} << QStringLiteral("\n") + dump(8 * 1024) + QStringLiteral("\n");
}

void TestLogPane::sameTextAsAppend()
{
    QFETCH(QStringList, before);
    QFETCH(QString, text);
    QTextBrowser pane;
    QTextBrowser reference;
    for (const QString &line : before) {
        LogPane::append(pane, line);
        reference.append(line);
    }
    LogPane::append(pane, text);
    reference.append(text);
    // And the next line lands after it as usual.
    LogPane::append(pane, QStringLiteral("Done"));
    reference.append(QStringLiteral("Done"));
    QCOMPARE(pane.toPlainText(), reference.toPlainText());
}

void TestLogPane::keepsTheEndInView()
{
    QTextBrowser pane;
    pane.resize(400, 200);
    pane.show();
    LogPane::append(pane, QStringLiteral("Verify External Flash ...  "));
    LogPane::append(pane, dump(256 * 1024));
    QScrollBar *bar = pane.verticalScrollBar();
    // The layout goes on between events and grows the range; the view follows
    // it to the end. 16385 rows are far more than a few steps of the layout.
    QTRY_VERIFY_WITH_TIMEOUT(pane.document()->lastBlock().layout()->lineCount() > 0, 20000);
    QTRY_VERIFY(bar->maximum() > 16000 * pane.fontMetrics().height() / 2);
    QCOMPARE(bar->value(), bar->maximum());
}

void TestLogPane::showsTheNewestLine_data()
{
    QTest::addColumn<int>("dumpLength");
    QTest::addColumn<bool>("readerAtTop"); // scrolled to the top before the line

    QTest::newRow("short dump, appended in place") << 4 * 1024 << false;
    QTest::newRow("long dump, laid out in steps") << 256 * 1024 << false;
    QTest::newRow("short dump, reader at its top") << 4 * 1024 << true;
    QTest::newRow("long dump, reader at its top") << 256 * 1024 << true;
}

// A status line after a dump is shown, wherever the reader was in the dump.
void TestLogPane::showsTheNewestLine()
{
    QFETCH(int, dumpLength);
    QFETCH(bool, readerAtTop);
    QTextBrowser pane;
    pane.resize(400, 200);
    pane.show();
    LogPane::append(pane, dump(dumpLength));
    QScrollBar *bar = pane.verticalScrollBar();
    QTRY_VERIFY_WITH_TIMEOUT(pane.document()->lastBlock().layout()->lineCount() > 0, 20000);
    QVERIFY(bar->maximum() > 0);
    if (readerAtTop)
        bar->triggerAction(QAbstractSlider::SliderToMinimum);
    LogPane::append(pane, QStringLiteral("Status: ERROR"));

    QTRY_VERIFY_WITH_TIMEOUT(pane.document()->lastBlock().layout()->lineCount() > 0, 20000);
    QCOMPARE(pane.document()->lastBlock().text(), QStringLiteral("Status: ERROR"));
    QCoreApplication::processEvents();
    QVERIFY(bar->maximum() > 0);
    QCOMPARE(bar->value(), bar->maximum());
    // The last line lies inside the viewport.
    const QRect last = pane.cursorRect(QTextCursor(pane.document()->lastBlock()));
    QVERIFY(pane.viewport()->rect().contains(last.center()));
}

// Between appends, scrolling up to read the dump is not undone by the
// layout that is still growing the pane.
void TestLogPane::readerWhoScrollsAwayStaysThere()
{
    QTextBrowser pane;
    pane.resize(400, 200);
    pane.show();
    LogPane::append(pane, dump(256 * 1024));
    QScrollBar *bar = pane.verticalScrollBar();
    bar->triggerAction(QAbstractSlider::SliderToMinimum);
    QTRY_VERIFY_WITH_TIMEOUT(pane.document()->lastBlock().layout()->lineCount() > 0, 20000);
    QCoreApplication::processEvents();
    QVERIFY(bar->maximum() > 0);
    QCOMPARE(bar->value(), 0);
}

QTEST_MAIN(TestLogPane)
#include "tst_logpane.moc"
