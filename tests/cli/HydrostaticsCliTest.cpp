// The batch tool's hydrostatics command run as a user runs it: a box barge's curves of form worked
// by hand, byte for byte, at the table's drafts and over a range; refusals that write nothing.
#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

#include "CliProcess.h"

using namespace testsupport;

namespace
{
using CArgs = std::vector<std::string>;

class HydrostaticsCli : public CCliTest
{
protected:
    void SetUp() override
    {
        // A box barge 100 m long and 20 m wide: A = 20 T at every station.
        m_strBox = m_dir.Path("box.csv");
        WriteBytes(m_strBox, "T,0,5,10\n0,0,100,200\n50,0,100,200\n100,0,100,200\n");
    }
    std::string m_strBox;
};

const char* const kHeader = "T,displacement,volume,LCB,KB,Aw,LCF,TPC,MCT1cm,BMT,KMT,BML,KML,Cb\r\n";
} // namespace

TEST_F(HydrostaticsCli, BoxBargeByHand)
{
    // At T: volume 2000 T, KB T/2, Aw 2000, TPC 20.5, I_T = 20³ 100/12, I_L = 20 100³/12, so
    // BMT = 33.33/T, BML = 833.3/T and MCT1cm = 1.025 I_L/(100 L) = 170.83; Cb 1.
    const std::string strOut = m_dir.Path("curves.csv");
    SCliRun result = Run({"hydrostatics", m_strBox, strOut});
    ASSERT_EQ(result.nStatus, 0) << result.strErr;
    EXPECT_EQ(result.strErr, "");
    const std::string strTableDrafts =
        std::string(kHeader) +
        "5,10250,10000,50,2.5,2000,50,20.5,170.8333333,6.666666667,9.166666667,166.6666667,169.1666667,1\r\n"
        "10,20500,20000,50,5,2000,50,20.5,170.8333333,3.333333333,8.333333333,83.33333333,88.33333333,1\r\n";
    EXPECT_TRUE(SameBytes(ReadBytes(strOut), strTableDrafts));
    // The same bytes on the standard output.
    EXPECT_TRUE(SameBytes(Run({"hydrostatics", m_strBox, "-"}).strOut, strTableDrafts));

    // A range from the keel: no volume at T = 0, so no centres and no metacentres there; the
    // density scales the weights only.
    result = Run({"hydrostatics", m_strBox, strOut, "--drafts", "0:5:2.5", "--density", "1"});
    ASSERT_EQ(result.nStatus, 0) << result.strErr;
    EXPECT_TRUE(
        SameBytes(ReadBytes(strOut),
                  std::string(kHeader) +
                      "0,0,0,,,2000,50,20,166.6666667,,,,,\r\n"
                      "2.5,5000,5000,50,1.25,2000,50,20,166.6666667,13.33333333,14.58333333,333.3333333,"
                      "334.5833333,1\r\n"
                      "5,10000,10000,50,2.5,2000,50,20,166.6666667,6.666666667,9.166666667,166.6666667,"
                      "169.1666667,1\r\n"));
    // Tenths that do not add up exactly in binary still reach the end, which is written as given.
    ASSERT_EQ(Run({"hydrostatics", m_strBox, strOut, "--drafts", "0.3:1.0:0.1"}).nStatus, 0);
    const std::string strBytes = ReadBytes(strOut);
    EXPECT_EQ(std::count(strBytes.begin(), strBytes.end(), '\n'), 9);
    EXPECT_NE(strBytes.find("\r\n1,2050,"), std::string::npos) << strBytes;
}

TEST_F(HydrostaticsCli, RefusalsWriteNothing)
{
    const std::string strOut = m_dir.Path("kept.csv"), strPicture = m_dir.Path("kept.png");
    WriteBytes(strOut, "kept");
    const std::vector<std::pair<CArgs, std::string>> refusals = {
        {{"--density", "0"}, "the density must be a positive number of t/m3, not 0"},
        {{"--density", "-1.025"}, "the density must be a positive number of t/m3, not -1.025"},
        {{"--drafts", "0:12:1"}, "the draft 12 m lies outside the hull table's 0..10 m"},
        {{"--drafts", "-1:5:1"}, "the draft -1 m lies outside the hull table's 0..10 m"},
        {{"--drafts", "0:5:0"}, "the step between drafts must be positive, not 0"},
        {{"--drafts", "0:5:-1"}, "the step between drafts must be positive, not -1"},
        {{"--drafts", "5:2:1"}, "the first draft, 5 m, lies above the last, 2 m"},
        {{"--drafts", "0:10:1e-6"}, "the step 1E-06 m gives more than 100000 drafts"},
    };
    for (const auto& [options, strMessage] : refusals)
    {
        CArgs args = {"hydrostatics", m_strBox, strOut};
#ifdef SCAFOMETRO_PLOT
        // Handed over to the picture program, which refuses the same way; a build without Qt has none.
        args.insert(args.end(), {"--plot", strPicture});
#endif
        args.insert(args.end(), options.begin(), options.end());
        const SCliRun result = Run(args);
        EXPECT_EQ(result.nStatus, 1) << options[1];
        EXPECT_EQ(result.strErr, "scafometro-cli: " + m_strBox + ": " + strMessage + "\n");
    }
    EXPECT_EQ(ReadBytes(strOut), "kept");
    EXPECT_EQ(FolderEntries(m_dir.Dir()).size(), 2u) << "no picture and no temporary files";

    for (const CArgs& args :
         {CArgs{"hydrostatics", m_strBox}, CArgs{"hydrostatics", m_strBox, strOut, "--drafts", "1:2"},
          CArgs{"hydrostatics", m_strBox, strOut, "--drafts", "a:2:1"},
          CArgs{"hydrostatics", m_strBox, strOut, "--density", "x"}})
    {
        const SCliRun result = Run(args);
        EXPECT_EQ(result.nStatus, 2) << args.back();
        EXPECT_NE(result.strErr.find("usage: scafometro-cli hydrostatics"), std::string::npos)
            << result.strErr;
    }
}

#ifdef SCAFOMETRO_PLOT
TEST_F(HydrostaticsCli, PlotHandsOverAndWritesTheSame)
{
    const std::string strPicture = m_dir.Path("curves.svg");
    const SCliRun plain = Run({"hydrostatics", m_strBox, "-"});
    const SCliRun plotted = Run({"hydrostatics", m_strBox, "-", "--plot", strPicture, "--size", "800x600"});
    ASSERT_EQ(plotted.nStatus, 0) << plotted.strErr;
    EXPECT_EQ(plotted.strOut, plain.strOut);
    // Every curve is drawn with its name at its end and by its scale.
    const std::string strSvg = ReadBytes(strPicture);
    for (const char* pszName : {"Dislocamento [t]", "LCB [m]", "KB [m]", "KMT [m]", "TPC [t/cm]", "MCT1cm"})
        EXPECT_NE(strSvg.find(pszName), std::string::npos) << pszName;
}
#endif
