// The graph as a picture: the green strip and the ticks as pixels, and the three file formats
// written whole or not at all.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "model/LoadList.h"
#include "platform/GraphPicture.h"
#include "view/Viewport.h"

namespace
{
constexpr QRgb kGreen = 0xff00c800;
constexpr QRgb kWhite = 0xffffffff;

void TwoOverlappingLoads(CLoadList& list)
{
    list.Append("A", 5, 0, 10, 100);
    list.Append("B", 5, 5, 15, 100);
}

// The pixel of a world point in a picture of the list fitted to the whole image.
QPoint PixelOf(CLoadList& list, const QImage& image, double x, double y)
{
    CViewport viewport;
    viewport.m_rcDevice = SRect{0, 0, image.width(), image.height()};
    list.ComputePlotBounds(viewport);
    SPoint pt;
    EXPECT_TRUE(viewport.WorldToDevice(CVector3(x, y), pt));
    return QPoint(pt.x, pt.y);
}

int CountColour(const QImage& image, QRgb rgb)
{
    int nCount = 0;
    for (int y = 0; y < image.height(); ++y)
    {
        for (int x = 0; x < image.width(); ++x)
            nCount += image.pixel(x, y) == rgb;
    }
    return nCount;
}

// The length of the dark run that starts just right of (x, y).
int DarkRunRightOf(const QImage& image, int x, int y)
{
    int nRun = 0;
    while (x + 1 + nRun < image.width() && qGray(image.pixel(x + 1 + nRun, y)) < 64)
        ++nRun;
    return nRun;
}

QByteArray ReadAll(const QString& strPath)
{
    QFile file(strPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

TEST(GraphPicture, HighlightedLoadIsAGreenStripOverTheOnesBefore)
{
    CLoadList list;
    TwoOverlappingLoads(list);
    CGraphPicture picture(list);
    picture.m_nMode = CGraphPass::modeLoadInWhole;
    picture.m_nSelected = 2;
    QImage image(900, 600, QImage::Format_RGB32);
    picture.Render(image);

    // B's strip: over 5..10 between A (10 t/m) and A + B (20 t/m), over 10..15 down to the axis.
    EXPECT_EQ(image.pixelColor(PixelOf(list, image, 7.5, 15)).rgb(), kGreen);
    EXPECT_EQ(image.pixelColor(PixelOf(list, image, 12.5, 5)).rgb(), kGreen);
    EXPECT_EQ(image.pixelColor(PixelOf(list, image, 14.9, 0.1)).rgb(), kGreen);
    // A's strip and everything outside B's stay white.
    EXPECT_EQ(image.pixelColor(PixelOf(list, image, 7.5, 5)).rgb(), kWhite);
    EXPECT_EQ(image.pixelColor(PixelOf(list, image, 2.5, 5)).rgb(), kWhite);
    EXPECT_EQ(image.pixelColor(PixelOf(list, image, 12.5, 15)).rgb(), kWhite);
    EXPECT_EQ(image.pixelColor(PixelOf(list, image, 16, 5)).rgb(), kWhite);
    // The outlines stay on top of nothing green: A + B's top edge is drawn before the strip.
    const int nGreen = CountColour(image, kGreen);
    // The strip's area in pixels: 5 m x 10 t/m twice, at the fitted scale.
    const QPoint ptOrigin = PixelOf(list, image, 0, 0);
    const QPoint ptCorner = PixelOf(list, image, 10, 10);
    const int nExpected = 2 * (ptCorner.x() - ptOrigin.x()) / 2 * (ptOrigin.y() - ptCorner.y());
    EXPECT_NEAR(nGreen, nExpected, nExpected / 20);

    // Another load selected, or none: the strip moves, or goes.
    picture.m_nSelected = 1;
    picture.Render(image);
    EXPECT_EQ(image.pixelColor(PixelOf(list, image, 2.5, 5)).rgb(), kGreen);
    EXPECT_EQ(image.pixelColor(PixelOf(list, image, 12.5, 5)).rgb(), kWhite);
    picture.m_nSelected = 0;
    picture.Render(image);
    EXPECT_EQ(CountColour(image, kGreen), 0);
}

TEST(GraphPicture, TicksAreOneAndAHalfMillimetresLongAtAnyResolution)
{
    CLoadList list;
    list.Append("A", 5, 0, 10, 100);
    list.Append("B", 5, 10, 20, 50);
    CGraphPicture picture(list);
    for (const double dDpi : {96.0, 300.0})
    {
        const int nScale = static_cast<int>(dDpi / 96);
        QImage image(1150 * nScale, 600 * nScale, QImage::Format_RGB32);
        image.setDotsPerMeterX(static_cast<int>(dDpi / 0.0254 + 0.5));
        image.setDotsPerMeterY(static_cast<int>(dDpi / 0.0254 + 0.5));
        picture.Render(image);
        // The tick at 5 t/m on the load axis, which stands at x = 20 m.
        const QPoint ptTick = PixelOf(list, image, 20, 5);
        const double dExpected = 1.5 / 25.4 * dDpi;
        EXPECT_NEAR(DarkRunRightOf(image, ptTick.x(), ptTick.y()), dExpected, 1.5) << dDpi;
        // The length axis tick at 10 m hangs below the axis.
        const QPoint ptAxis = PixelOf(list, image, 10, 0);
        int nRun = 0;
        while (qGray(image.pixel(ptAxis.x(), ptAxis.y() + 1 + nRun)) < 64)
            ++nRun;
        EXPECT_NEAR(nRun, dExpected, 1.5) << dDpi;
    }
}

TEST(GraphPicture, WritesPngSvgAndPdf)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    CLoadList list;
    TwoOverlappingLoads(list);
    CGraphPicture picture(list);
    picture.m_nMode = CGraphPass::modeLoadInWhole;
    picture.m_nSelected = 2;
    std::string strError;

    const QString strPng = dir.filePath("graph.PNG");
    ASSERT_TRUE(picture.Write(strPng.toStdString(), strError)) << strError;
    const QImage png(strPng, "png");
    EXPECT_EQ(png.size(), QSize(1200, 800));
    EXPECT_GT(CountColour(png, kGreen), 1000);

    picture.m_nWidth = 640;
    picture.m_nHeight = 480;
    const QString strSvg = dir.filePath("graph.svg");
    ASSERT_TRUE(picture.Write(strSvg.toStdString(), strError)) << strError;
    QSvgRenderer svg(strSvg);
    EXPECT_TRUE(svg.isValid());
    EXPECT_EQ(svg.viewBox(), QRect(0, 0, 640, 480));
    QImage fromSvg(640, 480, QImage::Format_RGB32);
    fromSvg.fill(Qt::black);
    {
        QPainter painter(&fromSvg);
        svg.render(&painter);
    }
    EXPECT_GT(CountColour(fromSvg, kGreen), 1000);
    EXPECT_GT(CountColour(fromSvg, kWhite), 100000);

    const QString strPdf = dir.filePath("graph.pdf");
    ASSERT_TRUE(picture.Write(strPdf.toStdString(), strError)) << strError;
    const QByteArray pdf = ReadAll(strPdf);
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    // 640 x 480 pixels at 96 dots per inch: a page of 480 x 360 points.
    EXPECT_TRUE(QRegularExpression(R"(/MediaBox \[0 0 480(\.0*)? 360(\.0*)?\])")
                    .match(QString::fromLatin1(pdf))
                    .hasMatch());
    EXPECT_TRUE(pdf.trimmed().endsWith("%%EOF"));

    // Only the three pictures, no temporary files left behind.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 3);
}

TEST(GraphPicture, FailedWriteNamesTheFileAndLeavesTheTarget)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    CLoadList list;
    TwoOverlappingLoads(list);
    CGraphPicture picture(list);
    std::string strError;

    const std::string strMissing = dir.filePath("no/such/dir/graph.png").toStdString();
    EXPECT_FALSE(picture.Write(strMissing, strError));
    EXPECT_NE(strError.find(strMissing), std::string::npos) << strError;

    EXPECT_FALSE(picture.Write(dir.filePath("graph.gif").toStdString(), strError));
    EXPECT_NE(strError.find("graph.gif"), std::string::npos);

    // A directory in the way of the picture stays a directory, and nothing is left beside it.
    ASSERT_TRUE(QDir(dir.path()).mkdir("taken.png"));
    EXPECT_FALSE(picture.Write(dir.filePath("taken.png").toStdString(), strError));
    EXPECT_TRUE(QFileInfo(dir.filePath("taken.png")).isDir());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 0);

    // An existing picture is replaced whole.
    const QString strOld = dir.filePath("old.png");
    {
        QFile old(strOld);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("not a picture");
    }
    EXPECT_TRUE(picture.Write(strOld.toStdString(), strError)) << strError;
    EXPECT_EQ(QImage(strOld).size(), QSize(1200, 800));
}
