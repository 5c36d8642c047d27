#include "tests/support/scripteddialogs.h"
#include "widgets/dialogs/fillstepsdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

using namespace Show;

class TestFillStepsDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void choicesChangeThePreview_data();
    void choicesChangeThePreview();
    void okAndCancel_data();
    void okAndCancel();
    void sparkleShowsItsSeed();
};

namespace {

// Lamp colours of a program step, one "#rrggbb" each.
QStringList lampsOf(const QByteArray &table, int program, int step)
{
    QStringList lamps;
    for (const Rgb &rgb : recordAt(table, programRecordOffset(program, step)).lamps)
        lamps << colourText(rgb);
    return lamps;
}

QStringList oneLampLit(int lit, const QString &colour)
{
    QStringList lamps(LampCount, QStringLiteral("#000000"));
    lamps[lit] = colour;
    return lamps;
}

} // namespace

void TestFillStepsDialog::cleanup()
{
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void TestFillStepsDialog::choicesChangeThePreview_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QStringList>("step2"); // the lamps of step 2 in the last preview
    QTest::addColumn<bool>("okEnabled");

    // Being shown is enough for the caller's overview to show the pattern
    // of the default choices, a red chase (their fill has its own tests).
    QTest::newRow("shown, nothing chosen: the red chase")
        << "" << oneLampLit(1, QStringLiteral("#ff0000")) << true;
    QTest::newRow("solid: every lamp red")
        << "pattern Solid" << QStringList(LampCount, QStringLiteral("#ff0000")) << true;
    QTest::newRow("alternate: red and black swapped on step 2")
        << "pattern Alternate"
        << QStringList{"#000000", "#ff0000", "#000000", "#ff0000", "#000000", "#ff0000",
                       "#000000", "#ff0000", "#000000", "#ff0000", "#000000", "#ff0000"}
        << true;
    QTest::newRow("wipe: red over black, lamps 1 and 2 on step 2")
        << "pattern Wipe"
        << QStringList{"#ff0000", "#ff0000", "#000000", "#000000", "#000000", "#000000",
                       "#000000", "#000000", "#000000", "#000000", "#000000", "#000000"}
        << true;
    QTest::newRow("a light colour from the colour dialog")
        << "colour 1" << oneLampLit(1, QStringLiteral("#00ff00")) << true;
    QTest::newRow("chase down") << "direction 1" << oneLampLit(10, QStringLiteral("#ff0000"))
                                << true;
    QTest::newRow("without lamp 2 the chase skips it")
        << "untick 2"
        << QStringList{"#000000", "#000000", "#ff0000", "#000000", "#000000", "#000000",
                       "#000000", "#000000", "#000000", "#000000", "#000000", "#000000"}
        << true;
    QTest::newRow("first step after the last: nothing filled, OK refused")
        << "first 15" << QStringList(LampCount, QStringLiteral("#000000")) << false;
}

void TestFillStepsDialog::choicesChangeThePreview()
{
    QFETCH(QString, action);
    QFETCH(QStringList, step2);
    QFETCH(bool, okEnabled);

    ScriptedDialogs dialogs;
    dialogs.answers << QColor(0, 255, 0);
    FillStepsDialog dialog(QByteArray(ProgramTableSize, '\0'), Kind::Programs, 2, dialogs);
    QSignalSpy preview(&dialog, &FillStepsDialog::previewChanged);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(preview.size(), 1);
    QCOMPARE(preview.last().at(0).toByteArray(), dialog.filledTable());

    const QString verb = action.section(' ', 0, 0);
    const QString what = action.section(' ', 1);
    if (verb == QLatin1String("pattern")) {
        auto *box = dialog.findChild<QComboBox *>(QStringLiteral("comboBoxPattern"));
        box->setFocus();
        // Typing the name's first letter picks it, as a user would.
        QTest::keyClicks(box, what.left(1));
        QCOMPARE(box->currentText(), what);
    } else if (verb == QLatin1String("colour")) {
        QTest::mouseClick(dialog.findChild<QPushButton *>("pushButtonColour" + what),
                          Qt::LeftButton);
        QCOMPARE(dialogs.askedOf(QStringLiteral("color")).size(), 1);
        QCOMPARE(dialogs.asked.first().value.value<QColor>(), QColor(255, 0, 0));
    } else if (verb == QLatin1String("direction")) {
        dialog.findChild<QComboBox *>(QStringLiteral("comboBoxDirection"))
            ->setCurrentIndex(what.toInt());
    } else if (verb == QLatin1String("untick")) {
        QTest::mouseClick(dialog.findChild<QCheckBox *>("checkBoxLamp" + what), Qt::LeftButton);
    } else if (verb == QLatin1String("first")) {
        dialog.findChild<QSpinBox *>(QStringLiteral("spinBoxFirstStep"))->setValue(what.toInt());
    }

    QCOMPARE(preview.size(), action.isEmpty() ? 1 : 2);
    const QByteArray table = preview.last().at(0).toByteArray();
    QCOMPARE(lampsOf(table, 2, 1), step2);
    // Only the dialog's program is filled.
    QCOMPARE(lampsOf(table, 1, 1), QStringList(LampCount, QStringLiteral("#000000")));
    auto *buttons = dialog.findChild<QDialogButtonBox *>();
    QCOMPARE(buttons->button(QDialogButtonBox::Ok)->isEnabled(), okEnabled);
    dialog.close();
}

void TestFillStepsDialog::okAndCancel_data()
{
    QTest::addColumn<QDialogButtonBox::StandardButton>("button");
    QTest::addColumn<int>("result");

    QTest::newRow("OK accepts") << QDialogButtonBox::Ok << int(QDialog::Accepted);
    QTest::newRow("Cancel rejects") << QDialogButtonBox::Cancel << int(QDialog::Rejected);
}

void TestFillStepsDialog::okAndCancel()
{
    QFETCH(QDialogButtonBox::StandardButton, button);
    QFETCH(int, result);

    ScriptedDialogs dialogs;
    FillStepsDialog dialog(QByteArray(SceneTableSize, '\0'), Kind::Scenes, 0, dialogs);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    // The scenes have no End Marker to offer.
    QVERIFY(!dialog.findChild<QCheckBox *>(QStringLiteral("checkBoxEndMarker"))->isVisible());
    QCOMPARE(dialog.findChild<QSpinBox *>(QStringLiteral("spinBoxLastStep"))->maximum(),
             SceneCount);
    QTest::mouseClick(dialog.findChild<QDialogButtonBox *>()->button(button), Qt::LeftButton);
    QCOMPARE(dialog.result(), result);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.parameters().lastStep, SceneCount - 1);
}

// The seed is shown with the sparkle alone; another seed gives other steps,
// and the same seed the same ones again.
void TestFillStepsDialog::sparkleShowsItsSeed()
{
    ScriptedDialogs dialogs;
    FillStepsDialog dialog(QByteArray(ProgramTableSize, '\0'), Kind::Programs, 0, dialogs);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *seed = dialog.findChild<QSpinBox *>(QStringLiteral("spinBoxSeed"));
    auto *newSeed = dialog.findChild<QPushButton *>(QStringLiteral("pushButtonNewSeed"));
    QVERIFY(!seed->isVisible());
    auto *pattern = dialog.findChild<QComboBox *>(QStringLiteral("comboBoxPattern"));
    pattern->setCurrentText(patternName(Pattern::Sparkle));
    QVERIFY(seed->isVisible());
    QVERIFY(newSeed->isVisible());
    QVERIFY(dialog.findChild<QSpinBox *>(QStringLiteral("spinBoxWidth"))->isVisible());
    QVERIFY(!dialog.findChild<QComboBox *>(QStringLiteral("comboBoxDirection"))->isVisible());

    QSignalSpy preview(&dialog, &FillStepsDialog::previewChanged);
    const int first = seed->value();
    const QByteArray firstTable = dialog.filledTable();
    // A draw that happens to give the same seed would prove nothing.
    do {
        QTest::mouseClick(newSeed, Qt::LeftButton);
    } while (seed->value() == first);
    QCOMPARE(dialog.parameters().seed, seed->value());
    QVERIFY(!preview.isEmpty());
    QVERIFY(preview.last().at(0).toByteArray() != firstTable);
    seed->setValue(first);
    QCOMPARE(preview.last().at(0).toByteArray(), firstTable);
    dialog.close();
}

QTEST_MAIN(TestFillStepsDialog)
#include "tst_fillstepsdialog.moc"
