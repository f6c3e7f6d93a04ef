// scafometro-cli plot, run as a user runs it: arguments, exit statuses, messages, and the pictures
// written whole or not at all.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <sys/wait.h>

#include "../view/GraphTestLists.h"
#include "document/File.h"

namespace
{
constexpr QRgb kGreen = 0xff00c800;

int Count(const QImage& image, QRgb rgb)
{
    int nCount = 0;
    for (int y = 0; y < image.height(); ++y)
    {
        for (int x = 0; x < image.width(); ++x)
            nCount += image.pixel(x, y) == rgb;
    }
    return nCount;
}

class PlotCommand : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        CLoadList list;
        TwoOverlappingLoads(list);
        CFile file(Path("ship.p3d").toStdString(), CFile::modeCreateWrite);
        list.WriteTo(file);
        file.Close();
    }

    QString Path(const char* pszName) const { return m_dir.filePath(pszName); }

    // Runs "scafometro-cli plot INPUT OUTPUT" and the options; the exit status, with stderr in m_strErr.
    int Plot(const char* pszOutput, const std::string& strOptions = "", const char* pszInput = "ship.p3d")
    {
        const QString strErrPath = Path("stderr.txt");
        const std::string strCommand = std::string(SCAFOMETRO_CLI) + " plot '" +
                                       Path(pszInput).toStdString() + "' '" + Path(pszOutput).toStdString() +
                                       "' " + strOptions + " 2>'" + strErrPath.toStdString() + "'";
        const int nResult = std::system(strCommand.c_str());
        std::ifstream err(strErrPath.toStdString());
        m_strErr.assign(std::istreambuf_iterator<char>(err), std::istreambuf_iterator<char>());
        QFile::remove(strErrPath);
        return WIFEXITED(nResult) ? WEXITSTATUS(nResult) : -1;
    }

    QTemporaryDir m_dir;
    std::string m_strErr;
};
} // namespace

TEST_F(PlotCommand, WritesPngSvgAndPdf)
{
    // The resultant at the default size: a black outline, no green.
    ASSERT_EQ(Plot("ship.PNG"), 0) << m_strErr;
    const QImage png(Path("ship.PNG"), "png");
    EXPECT_EQ(png.size(), QSize(1200, 800));
    EXPECT_EQ(Count(png, kGreen), 0);
    EXPECT_GT(Count(png, 0xff000000), 2000);
    // The highlighted strip, at the size asked for.
    ASSERT_EQ(Plot("ship.svg", "--size 640x480 --mode highlight --load 2"), 0) << m_strErr;
    QSvgRenderer svg(Path("ship.svg"));
    EXPECT_EQ(svg.viewBox(), QRect(0, 0, 640, 480));
    QImage fromSvg(640, 480, QImage::Format_RGB32);
    fromSvg.fill(Qt::black);
    QPainter painter(&fromSvg);
    svg.render(&painter);
    painter.end();
    EXPECT_GT(Count(fromSvg, kGreen), 1000);
    EXPECT_GT(Count(fromSvg, 0xffffffff), 100000);

    ASSERT_EQ(Plot("ship.pdf", "--size 640x480 --mode detailed"), 0) << m_strErr;
    QFile file(Path("ship.pdf"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF-") && pdf.trimmed().endsWith("%%EOF"));
    // 640 x 480 pixels at 96 dots per inch: a page of 480 x 360 points.
    EXPECT_TRUE(QRegularExpression(R"(/MediaBox \[0 0 480(\.0*)? 360(\.0*)?\])")
                    .match(QString::fromLatin1(pdf))
                    .hasMatch());
    // The pictures and the weight file, no temporary files left behind.
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files).size(), 4);
}

TEST_F(PlotCommand, BadArgumentsAreUsageErrors)
{
    const char* const bad[] = {"--mode sideways", "--mode",     "--load 0",        "--load x",
                               "--load 3",        "--size 12x", "--size 10001x10", "--size 640*480",
                               "--colour red",    "extra"};
    for (const char* pszOptions : bad)
    {
        EXPECT_EQ(Plot("out.png", pszOptions), 2) << pszOptions;
        EXPECT_NE(m_strErr.find("usage: scafometro-cli plot"), std::string::npos) << pszOptions;
    }
    EXPECT_EQ(Plot("out.jpg"), 2);
    EXPECT_FALSE(QFileInfo::exists(Path("out.png")));
}

TEST_F(PlotCommand, FailuresNameTheFileAndLeaveTheTarget)
{
    EXPECT_EQ(Plot("out.png", "", "missing.p3d"), 1);
    EXPECT_NE(m_strErr.find(Path("missing.p3d").toStdString()), std::string::npos) << m_strErr;
    EXPECT_EQ(Plot("nowhere/out.png"), 1);
    EXPECT_NE(m_strErr.find(Path("nowhere/out.png").toStdString()), std::string::npos) << m_strErr;
    // A directory in the way of the picture stays a directory, and nothing is left beside it.
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("taken.png"));
    EXPECT_EQ(Plot("taken.png"), 1);
    EXPECT_NE(m_strErr.find(Path("taken.png").toStdString()), std::string::npos) << m_strErr;
    EXPECT_TRUE(QFileInfo(Path("taken.png")).isDir());
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList{"ship.p3d"});

    // An existing file is replaced whole.
    QFile old(Path("old.png"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("not a picture");
    old.close();
    EXPECT_EQ(Plot("old.png"), 0) << m_strErr;
    EXPECT_EQ(QImage(Path("old.png")).size(), QSize(1200, 800));
}
