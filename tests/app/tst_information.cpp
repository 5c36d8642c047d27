#include "app/information.h"

#include <QDialogButtonBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

// The about box, untranslated. It is shown without exec so that no modal
// loop runs in the test.
class TestInformation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void titleSizeAndVersion();
    void makerDetails_data();
    void makerDetails();
    void logoComesFromTheResources();
    void okAccepts();
};

void TestInformation::titleSizeAndVersion()
{
    Information dialog;
    QCOMPARE(dialog.objectName(), QStringLiteral("DialogInfo"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Lc420 Information"));
    QCOMPARE(dialog.size(), QSize(258, 253));
    auto *version = dialog.findChild<QLabel *>(QStringLiteral("labelVersion"));
    QVERIFY(version);
    QCOMPARE(version->text(), QStringLiteral("Lc420 ver. 1.03"));
    QCOMPARE(version->alignment(), Qt::AlignCenter);
}

void TestInformation::makerDetails_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("title") << "Lc420 driver configuration software";
    QTest::newRow("web") << "https://www.example.com";
    QTest::newRow("company") << "Example Lighting Ltd.";
    QTest::newRow("e-mail") << "info@example.com";
}

void TestInformation::makerDetails()
{
    QFETCH(QString, line);

    Information dialog;
    auto *label = dialog.findChild<QLabel *>(QStringLiteral("label"));
    QVERIFY(label);
    QCOMPARE(label->textFormat(), Qt::RichText);
    QVERIFY(label->textInteractionFlags().testFlag(Qt::TextSelectableByMouse));
    QVERIFY(label->textInteractionFlags().testFlag(Qt::LinksAccessibleByMouse));
    QVERIFY2(label->text().contains(line), qPrintable(label->text()));
}

void TestInformation::logoComesFromTheResources()
{
    Information dialog;
    const QString text = dialog.findChild<QLabel *>(QStringLiteral("label"))->text();
    const QRegularExpression image(QStringLiteral("<img src=\"([^\"]+)\""));
    const QRegularExpressionMatch match = image.match(text);
    QVERIFY2(match.hasMatch(), "no image in the about text");
    const QString source = match.captured(1);
    QVERIFY2(source.startsWith(QLatin1String(":/res/images/")), qPrintable(source));
    QVERIFY2(!QImage(source).isNull(), qPrintable(source + " is not a compiled-in image"));
}

void TestInformation::okAccepts()
{
    Information dialog;
    auto *box = dialog.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
    QVERIFY(box);
    QCOMPARE(box->standardButtons(), QDialogButtonBox::Ok);
    QVERIFY(box->centerButtons());
    dialog.show();
    QTest::mouseClick(box->button(QDialogButtonBox::Ok), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
}

QTEST_MAIN(TestInformation)
#include "tst_information.moc"
