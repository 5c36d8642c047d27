#include "res/styleimages.h"

#include <QImage>
#include <QTest>

// Every image the style loads is compiled in under its exact name and is what
// res/ draws: nobody edited a PNG by hand or forgot to regenerate one.
class TestStyleImages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void compiledInImagesAreTheDrawing();
};

void TestStyleImages::compiledInImagesAreTheDrawing()
{
    const auto drawn = drawStyleImages();
    QCOMPARE(drawn.size(), 26);
    for (const auto &[name, image] : drawn) {
        const QImage compiledIn(QStringLiteral(":/res/images/") + name);
        QVERIFY2(!compiledIn.isNull(), qPrintable(name));
        QVERIFY2(compiledIn.convertToFormat(QImage::Format_ARGB32) == image, qPrintable(name));
    }
}

QTEST_GUILESS_MAIN(TestStyleImages)
#include "tst_styleimages.moc"
