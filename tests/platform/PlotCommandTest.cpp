// scafometro-cli plot, run as a user runs it: arguments, exit statuses, messages and pictures.
#include <QImage>
#include <QTemporaryDir>
#include <array>
#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>

#include "document/File.h"
#include "model/LoadList.h"

namespace
{
struct SRun
{
    int nStatus = -1;
    std::string strErr;
};

SRun RunCli(const std::string& strArguments, const QTemporaryDir& dir)
{
    const std::string strErrPath = dir.filePath("stderr.txt").toStdString();
    const std::string strCommand =
        std::string(SCAFOMETRO_CLI) + " " + strArguments + " 2>'" + strErrPath + "'";
    SRun run;
    const int nResult = std::system(strCommand.c_str());
    run.nStatus = WIFEXITED(nResult) ? WEXITSTATUS(nResult) : -1;
    if (std::FILE* pFile = std::fopen(strErrPath.c_str(), "rb"))
    {
        std::array<char, 4096> buffer{};
        const size_t nRead = std::fread(buffer.data(), 1, buffer.size(), pFile);
        run.strErr.assign(buffer.data(), nRead);
        std::fclose(pFile);
    }
    return run;
}

class PlotCommand : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        CLoadList list;
        list.Append("A", 5, 0, 10, 100);
        list.Append("B", 5, 5, 15, 100);
        CFile file(Path("ship.p3d"), CFile::modeCreateWrite);
        list.WriteTo(file);
        file.Close();
    }

    std::string Path(const char* pszName) const { return m_dir.filePath(pszName).toStdString(); }
    SRun Run(const std::string& strArguments) const { return RunCli(strArguments, m_dir); }

    QTemporaryDir m_dir;
};
} // namespace

TEST_F(PlotCommand, DrawsThePictureOfTheFile)
{
    const SRun run = Run("plot '" + Path("ship.p3d") + "' '" + Path("ship.png") + "'");
    EXPECT_EQ(run.nStatus, 0) << run.strErr;
    const QImage image(QString::fromStdString(Path("ship.png")));
    EXPECT_EQ(image.size(), QSize(1200, 800));
    // The resultant: black outline, no green.
    int nGreen = 0;
    int nBlack = 0;
    for (int y = 0; y < image.height(); ++y)
    {
        for (int x = 0; x < image.width(); ++x)
        {
            nGreen += image.pixel(x, y) == 0xff00c800;
            nBlack += image.pixel(x, y) == 0xff000000;
        }
    }
    EXPECT_EQ(nGreen, 0);
    EXPECT_GT(nBlack, 2000);

    const SRun highlight = Run("plot '" + Path("ship.p3d") + "' '" + Path("strip.png") +
                               "' --size 300x200 --mode highlight --load 2");
    EXPECT_EQ(highlight.nStatus, 0) << highlight.strErr;
    const QImage strip(QString::fromStdString(Path("strip.png")));
    EXPECT_EQ(strip.size(), QSize(300, 200));
    // World (12.5 m, 5 t/m), inside B's strip where it stands alone, in the window fitted to the file.
    EXPECT_EQ(strip.pixel(230, 141), 0xff00c800u);

    for (const char* pszName : {"ship.svg", "ship.pdf"})
    {
        const SRun vector = Run("plot '" + Path("ship.p3d") + "' '" + Path(pszName) + "' --mode detailed");
        EXPECT_EQ(vector.nStatus, 0) << pszName << ": " << vector.strErr;
        EXPECT_TRUE(QFileInfo(QString::fromStdString(Path(pszName))).size() > 500) << pszName;
    }
}

TEST_F(PlotCommand, BadArgumentsAreUsageErrors)
{
    const std::string strIn = "'" + Path("ship.p3d") + "' ";
    const std::string strOut = "'" + Path("out.png") + "'";
    const std::string bad[] = {"plot",
                               "plot " + strIn,
                               "plot " + strIn + strOut + " extra",
                               "plot " + strIn + strOut + " --mode sideways",
                               "plot " + strIn + strOut + " --mode",
                               "plot " + strIn + strOut + " --load 0",
                               "plot " + strIn + strOut + " --load -1",
                               "plot " + strIn + strOut + " --load 3",
                               "plot " + strIn + strOut + " --load x",
                               "plot " + strIn + strOut + " --size 0x10",
                               "plot " + strIn + strOut + " --size 12x",
                               "plot " + strIn + strOut + " --size 10001x10",
                               "plot " + strIn + strOut + " --size 640*480",
                               "plot " + strIn + strOut + " --colour red",
                               "plot " + strIn + "'" + Path("out.jpg") + "'"};
    for (const std::string& strArguments : bad)
    {
        const SRun run = Run(strArguments);
        EXPECT_EQ(run.nStatus, 2) << strArguments;
        EXPECT_NE(run.strErr.find("usage: scafometro-cli plot"), std::string::npos) << strArguments;
    }
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(Path("out.png"))));
}

TEST_F(PlotCommand, UnreadableFileIsNamed)
{
    const std::string strMissing = Path("missing.p3d");
    const SRun run = Run("plot '" + strMissing + "' '" + Path("out.png") + "'");
    EXPECT_EQ(run.nStatus, 1);
    EXPECT_NE(run.strErr.find(strMissing), std::string::npos) << run.strErr;

    const SRun unwritable = Run("plot '" + Path("ship.p3d") + "' '" + Path("nowhere/out.png") + "'");
    EXPECT_EQ(unwritable.nStatus, 1);
    EXPECT_NE(unwritable.strErr.find("nowhere/out.png"), std::string::npos) << unwritable.strErr;
}
