#include "res/styleimages.h"

#include <QImage>
#include <QTest>

#include <algorithm>

// Every image the style loads is compiled in under its exact name and is what
// res/ draws: nobody edited a PNG by hand or forgot to regenerate one.
class TestStyleImages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void compiledInImagesAreTheDrawing();
};

namespace {

// The largest difference of one channel between two images of equal size.
// Qt's rasteriser picks its blending code by the processor's instruction set,
// so antialiased edges and gradients may differ by a level or two between
// machines; a hand-edited or stale image differs by far more.
int largestChannelDifference(const QImage &a, const QImage &b)
{
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto *lineA = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        const auto *lineB = reinterpret_cast<const QRgb *>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            largest = std::max({largest, qAbs(qRed(lineA[x]) - qRed(lineB[x])),
                                qAbs(qGreen(lineA[x]) - qGreen(lineB[x])),
                                qAbs(qBlue(lineA[x]) - qBlue(lineB[x])),
                                qAbs(qAlpha(lineA[x]) - qAlpha(lineB[x]))});
        }
    }
    return largest;
}

} // namespace

void TestStyleImages::compiledInImagesAreTheDrawing()
{
    const auto drawn = drawStyleImages();
    QCOMPARE(drawn.size(), 26);
    for (const auto &[name, image] : drawn) {
        const QImage compiledIn
            = QImage(QStringLiteral(":/res/images/") + name).convertToFormat(QImage::Format_ARGB32);
        QVERIFY2(!compiledIn.isNull(), qPrintable(name));
        const QImage expected = image.convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(compiledIn.size(), expected.size());
        const int difference = largestChannelDifference(compiledIn, expected);
        QVERIFY2(difference <= 3, qPrintable(name + QStringLiteral(": a channel differs by ")
                                             + QString::number(difference)));
    }
}

QTEST_GUILESS_MAIN(TestStyleImages)
#include "tst_styleimages.moc"
