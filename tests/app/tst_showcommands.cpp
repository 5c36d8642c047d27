#include "app/showcommands.h"
#include "show/showdocument.h"
#include "show/stepoperations.h"

#include <QTest>
#include <QUndoStack>

using namespace Show;

class TestShowCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void undoRedo_data();
    void undoRedo();
};

void TestShowCommands::undoRedo_data()
{
    QTest::addColumn<bool>("scenes");
    QTest::addColumn<QStringList>(
        "edits"); // "lamp INDEX LAMP RED", "rise INDEX VALUE", "delete INDEX", ...
    QTest::addColumn<int>("steps");
    QTest::addColumn<QString>("undoText");

    QTest::newRow("lamp colour") << false << QStringList{"lamp 3 2 255"} << 1 << "Lamp 3 Colour";
    QTest::newRow("slider drag merges into one step")
        << false << QStringList{"lamp 3 2 10", "lamp 3 2 20", "lamp 3 2 30"} << 1
        << "Lamp 3 Colour";
    // Byte 150 (record 3, lamp 2, red) starts as 150.
    QTest::newRow("drag back to the start leaves no step")
        << false << QStringList{"lamp 3 2 10", "lamp 3 2 150"} << 0 << "";
    QTest::newRow("another control starts a new step")
        << false << QStringList{"lamp 3 2 10", "rise 3 500"} << 2 << "XFade";
    QTest::newRow("same control of another step stays apart")
        << false << QStringList{"lamp 3 2 10", "lamp 4 2 10"} << 2 << "Lamp 3 Colour";
    QTest::newRow("scene time of a scene")
        << true << QStringList{"static 7 900000"} << 1 << "Scene Time";
    QTest::newRow("delete") << false << QStringList{"delete 0"} << 1 << "Delete";
    QTest::newRow("duplicate after an edit")
        << false << QStringList{"rise 0 5", "duplicate 0"} << 2 << "Duplicate";
    QTest::newRow("get") << false << QStringList{"get"} << 1 << "Get";
    QTest::newRow("load of the scenes") << true << QStringList{"load"} << 1 << "Load";
}

void TestShowCommands::undoRedo()
{
    QFETCH(bool, scenes);
    QFETCH(QStringList, edits);
    QFETCH(int, steps);
    QFETCH(QString, undoText);

    const Kind kind = scenes ? Kind::Scenes : Kind::Programs;
    ShowDocument document;
    QByteArray original(tableSize(kind), '\0');
    for (int i = 0; i < original.size(); ++i)
        original[i] = char(i % 251);
    QVERIFY(document.setTable(kind, original));
    QUndoStack stack;

    for (const QString &edit : edits) {
        const QStringList f = edit.split(' ');
        const int index = f.value(1).toInt();
        SceneRecord record = document.record(kind, index);
        QByteArray table = document.table(kind);
        if (f[0] == "delete" || f[0] == "duplicate") {
            const bool remove = f[0] == "delete";
            QVERIFY(remove ? deleteRecord(table, kind, index)
                           : duplicateRecord(table, kind, index));
            stack.push(new TableCommand(&document, kind, table,
                                        remove ? TableChange::Delete : TableChange::Duplicate));
        } else if (f[0] == "get" || f[0] == "load") {
            stack.push(new TableCommand(&document, kind, QByteArray(table.size(), '\x5a'),
                                        f[0] == "get" ? TableChange::Get : TableChange::Load));
        } else if (f[0] == "lamp") {
            record.lamps[f[2].toInt()].red = quint8(f[3].toInt());
            stack.push(
                new RecordEditCommand(&document, kind, index, RecordControl(f[2].toInt()), record));
        } else {
            (f[0] == "rise" ? record.riseTime : record.staticTime) = f[2].toInt();
            const auto control
                = f[0] == "rise" ? RecordControl::RiseTime : RecordControl::StaticTime;
            stack.push(new RecordEditCommand(&document, kind, index, control, record));
        }
    }
    const QByteArray edited = document.table(kind);
    QCOMPARE(stack.count(), steps);
    QCOMPARE(stack.undoText(), undoText);
    QCOMPARE(edited == original, steps == 0);

    while (stack.canUndo())
        stack.undo();
    QCOMPARE(document.table(kind).toHex(), original.toHex());
    while (stack.canRedo())
        stack.redo();
    QCOMPARE(document.table(kind).toHex(), edited.toHex());
}

QTEST_GUILESS_MAIN(TestShowCommands)
#include "tst_showcommands.moc"
