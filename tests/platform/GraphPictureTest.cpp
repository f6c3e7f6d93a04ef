// The graph as a picture: the ticks as pixels, and scafometro-cli plot run as a
// user runs it, with its exit statuses, messages and pictures written whole or not at all.
#include <QDir>
#include <QImage>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <fstream>
#include <gtest/gtest.h>

#include "../view/GraphTestLists.h"
#include "CliProcess.h"
#include "model/ResultantLimits.h"
#include "platform/GraphPicture.h"
#include "view/Viewport.h"

namespace
{
// The pixel of a world point in a picture of the list fitted to the whole image.
QPoint PixelOf(CLoadList& list, const QImage& image, double x, double y)
{
    CViewport viewport;
    viewport.m_rcDevice = SRect{0, 0, image.width(), image.height()};
    list.RebuildAbscissae();
    list.ComputePlotBounds(viewport, CResultantLimits(list));
    SPoint pt;
    EXPECT_TRUE(viewport.WorldToDevice(CVector3(x, y), pt));
    return QPoint(pt.x, pt.y);
}
} // namespace

TEST(GraphPicture, TicksAreOneAndAHalfMillimetresLongAtAnyResolution)
{
    CLoadList list;
    TwoUniformLoads(list);
    CGraphPicture picture(list);
    // The dark run from a point on an axis along its tick.
    const auto run = [&](const QImage& image, QPoint pt, QPoint ptStep) {
        int nRun = 0;
        for (pt += ptStep; image.valid(pt) && qGray(image.pixel(pt)) < 64; pt += ptStep)
            ++nRun;
        return nRun;
    };
    for (const int nDpi : {96, 300})
    {
        QImage image(1150 * (nDpi / 96), 600 * (nDpi / 96), QImage::Format_RGB32);
        image.setDotsPerMeterX(qRound(nDpi / 0.0254));
        image.setDotsPerMeterY(qRound(nDpi / 0.0254));
        picture.Render(image);
        EXPECT_NEAR(run(image, PixelOf(list, image, 20, 5), QPoint(1, 0)), 1.5 / 25.4 * nDpi, 1.5) << nDpi;
        EXPECT_NEAR(run(image, PixelOf(list, image, 10, 0), QPoint(0, 1)), 1.5 / 25.4 * nDpi, 1.5) << nDpi;
    }
}

// scafometro-cli plot run on the two overlapping loads, the picture in the test's folder.
class PlotCommand : public CCliTest
{
protected:
    // The exit status, with what the command wrote in m_strOut.
    int Plot(const char* pszOut, std::vector<std::string> options = {})
    {
        options.insert(options.begin(), {"plot", testsupport::DataPath("overlap/overlap.p3d"), Path(pszOut)});
        const CCliProcess::SResult result = Run(options);
        m_strOut = result.strOut + result.strErr;
        return result.nStatus;
    }
    std::string Path(const char* pszName) const { return m_dir.Path(pszName); }
    QStringList Files() const { return QDir(m_dir.Dir().c_str()).entryList(QDir::Files); }

    std::string m_strOut;
};

TEST_F(PlotCommand, WritesPngSvgAndPdfWholeOrNotAtAll)
{
    // The resultant at the default size: drawn, and in no colour.
    ASSERT_EQ(Plot("ship.PNG"), 0) << m_strOut;
    const QImage png(Path("ship.PNG").c_str(), "png");
    EXPECT_EQ(png.size(), QSize(1200, 800));
    QImage white(png.size(), png.format());
    white.fill(Qt::white);
    EXPECT_TRUE(png.allGray() && png != white);
    // 640 x 480 pixels at 96 dots per inch are a page of 480 x 360 points.
    ASSERT_EQ(Plot("ship.svg", {"--size", "640x480", "--mode", "highlight", "--load", "2"}), 0) << m_strOut;
    const QByteArray svg = QByteArray::fromStdString(testsupport::ReadBytes(Path("ship.svg")));
    EXPECT_TRUE(QSvgRenderer(svg).isValid() && svg.contains(R"(viewBox="0 0 640 480")") &&
                svg.contains(R"(fill="#00c800")"));
    ASSERT_EQ(Plot("ship.pdf", {"--size", "640x480", "--mode", "detailed"}), 0) << m_strOut;
    const QByteArray pdf = QByteArray::fromStdString(testsupport::ReadBytes(Path("ship.pdf")));
    EXPECT_TRUE(pdf.startsWith("%PDF-") && pdf.trimmed().endsWith("%%EOF"));
    EXPECT_TRUE(QRegularExpression(R"(/MediaBox \[0 0 480(\.0*)? 360(\.0*)?\])").match(pdf).hasMatch());
    // The pictures alone, no temporary files left behind.
    EXPECT_EQ(Files().size(), 3);

    // The usage errors and other failures are in the batch tool's transcripts. A folder in the way
    // stays a folder, with nothing left beside it; an existing file is replaced whole.
    ASSERT_TRUE(QDir(m_dir.Dir().c_str()).mkdir("taken.png"));
    EXPECT_EQ(Plot("taken.png"), 1);
    EXPECT_NE(m_strOut.find("taken.png"), std::string::npos) << m_strOut;
    EXPECT_TRUE(QFileInfo(Path("taken.png").c_str()).isDir());
    EXPECT_EQ(Files().size(), 3);
    std::ofstream(Path("old.png")) << "not a picture";
    EXPECT_EQ(Plot("old.png"), 0) << m_strOut;
    EXPECT_EQ(QImage(Path("old.png").c_str()).size(), QSize(1200, 800));
}
