#include "app/showcommands.h"
#include "show/showdocument.h"
#include "show/stepoperations.h"

#include <QSignalSpy>
#include <QTest>
#include <QUndoStack>

using namespace Show;

class TestShowCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void undoRedo_data();
    void undoRedo();
    void changingNothingIsNotRecorded_data();
    void changingNothingIsNotRecorded();
    void undoShowsWhatItChanged_data();
    void undoShowsWhatItChanged();
};

void TestShowCommands::undoRedo_data()
{
    QTest::addColumn<bool>("scenes");
    // "lamp INDEX LAMP RED", "rise INDEX VALUE", "delete INDEX", ...; a last
    // field "@N" makes the edit part of gesture N.
    QTest::addColumn<QStringList>("edits");
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
    QTest::newRow("one slider drag is one step")
        << false << QStringList{"lamp 3 2 10 @1", "lamp 3 2 20 @1", "lamp 3 2 30 @1"} << 1
        << "Lamp 3 Colour";
    QTest::newRow("two drags of the same slider are two steps")
        << false << QStringList{"lamp 3 2 10 @1", "lamp 3 2 20 @1", "lamp 3 2 30 @2"} << 2
        << "Lamp 3 Colour";
    QTest::newRow("two typed values of the same field are two steps")
        << false << QStringList{"rise 3 5 @1", "rise 3 50 @1", "rise 3 7 @2"} << 2 << "XFade";
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
        QStringList f = edit.split(' ');
        const quint64 gesture = f.last().startsWith('@') ? f.takeLast().mid(1).toULongLong()
                                                         : RecordEditCommand::NoGesture;
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
            stack.push(new RecordEditCommand(&document, kind, index, RecordControl(f[2].toInt()),
                                             record, gesture));
        } else {
            (f[0] == "rise" ? record.riseTime : record.staticTime) = f[2].toInt();
            const auto control
                = f[0] == "rise" ? RecordControl::RiseTime : RecordControl::StaticTime;
            stack.push(new RecordEditCommand(&document, kind, index, control, record, gesture));
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

// Rotate on an all-black step, a Paste of what is there already, a typed
// value that is already shown: no undo step, no modified mark, no signal.
void TestShowCommands::changingNothingIsNotRecorded_data()
{
    QTest::addColumn<QString>("operation");
    QTest::newRow("rotate lamps right on a black step") << "rotate";
    QTest::newRow("paste of the same step") << "paste";
    QTest::newRow("get of the same table") << "get";
    QTest::newRow("set colour to the colour there") << "colour";
    QTest::newRow("an edit to the value shown") << "edit";
}

void TestShowCommands::changingNothingIsNotRecorded()
{
    QFETCH(QString, operation);
    ShowDocument document;
    SceneRecord record;
    record.lamps[0] = {10, 20, 30};
    document.setRecord(Kind::Programs, 0, record); // step 5 (index 4) stays black
    QUndoStack stack;
    QSignalSpy clean(&stack, &QUndoStack::cleanChanged);
    QSignalSpy changed(&document, &ShowDocument::recordsChanged);

    QByteArray table = document.table(Kind::Programs);
    if (operation == "rotate") {
        QVERIFY(rotateLamps(table, Kind::Programs, 4, Rotation::Right));
    } else if (operation == "paste") {
        QCOMPARE(pasteRecords(table, Kind::Programs, 0, copyRecords(table, Kind::Programs, {0})),
                 0);
    } else if (operation == "colour") {
        QVERIFY(setLampColours(table, Kind::Programs, {{0, 0}}, {10, 20, 30}));
    }
    if (operation == "edit")
        stack.push(
            new RecordEditCommand(&document, Kind::Programs, 0, RecordControl::Lamp0, record, 1));
    else
        stack.push(new TableCommand(&document, Kind::Programs, table, TableChange::Paste));

    QCOMPARE(stack.count(), 0);
    QVERIFY(stack.isClean());
    QVERIFY(!stack.canUndo());
    QCOMPARE(clean.size(), 0);
    QCOMPARE(changed.size(), 0);
}

// Undo and redo ask for the record they change to be shown; the push does
// not, since the window shows what the user works on already.
void TestShowCommands::undoShowsWhatItChanged_data()
{
    QTest::addColumn<bool>("table");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("shown");
    QTest::newRow("lamp edit of program 3, step 7") << false << 46 << 46;
    QTest::newRow("delete of program 2, step 4 shows that step") << true << 23 << 23;
}

void TestShowCommands::undoShowsWhatItChanged()
{
    QFETCH(bool, table);
    QFETCH(int, index);
    QFETCH(int, shown);
    ShowDocument document;
    SceneRecord record;
    record.lamps[1] = {1, 2, 3};
    if (table)
        document.setRecord(Kind::Programs, index, record);
    QUndoStack stack;
    QSignalSpy show(&document, &ShowDocument::showRecordRequested);

    if (table) {
        QByteArray bytes = document.table(Kind::Programs);
        QVERIFY(deleteRecord(bytes, Kind::Programs, index));
        stack.push(new TableCommand(&document, Kind::Programs, bytes, TableChange::Delete));
    } else {
        stack.push(new RecordEditCommand(&document, Kind::Programs, index, RecordControl::Lamp0,
                                         record, 1));
    }
    QCOMPARE(stack.count(), 1);
    QCOMPARE(show.size(), 0);
    stack.undo();
    stack.redo();
    QCOMPARE(show.size(), 2);
    for (const QList<QVariant> &request : std::as_const(show)) {
        QCOMPARE(request.at(0).value<Kind>(), Kind::Programs);
        QCOMPARE(request.at(1).toInt(), shown);
    }
}

QTEST_GUILESS_MAIN(TestShowCommands)
#include "tst_showcommands.moc"
