// scafometro-cli groups run as a user runs it: every group's row against the totals of that
// group's loads saved apart, the bytes of an estimate worked by hand, the zero cases and the
// usage errors.
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "CliProcess.h"
#include "model/LoadList.h"
#include "model/NumberFormat.h"
#include "model/WeightGroups.h"

using namespace testsupport;

namespace
{
using CArgs = std::vector<std::string>;

struct SLoad
{
    const char* pszName;
    double dWeight, dX1, dX2, dXgRel, dYg, dZg;
};

void Fill(CLoadList& list, const std::vector<SLoad>& loads)
{
    for (const SLoad& load : loads)
    {
        list.Append(load.pszName, load.dXgRel, load.dX1, load.dX2, load.dWeight);
        list.m_pCurrent->m_dYg = load.dYg;
        list.m_pCurrent->m_dZg = load.dZg;
    }
}

// Three groups over two levels: "11" and "12" make "1" at level 1, "2" is its own.
const std::vector<SLoad> kHand = {
    {"111 A", 10, 0, 10, 5, 1, 2},
    {"1.1.2 B", 30, 10, 20, 5, -1, 4},
    {"12-C", 20, 20, 30, 5, 0, 3},
    {"2 D", 40, 0, 40, 20, 2, 1},
};

// An estimate with awkward numbers, so that any other order or grouping of the sums shows in the
// last bits: reversed ends, centroids outside their loads, deductions, names with and without codes.
void FillRandom(CLoadList& list)
{
    std::mt19937 random(17);
    std::uniform_real_distribution<double> unit(0, 1);
    const char* const names[] = {"1", "1.2", "13", "131", "2.2.1", "21", "3", "Varie", "3x", "9"};
    for (int i = 0; i < 120; ++i)
    {
        const double dX1 = 100 * unit(random), dLength = 0.3 + 15 * unit(random);
        const bool bReversed = unit(random) < 0.2;
        list.Append(std::string(names[random() % 10]) + " voce " + std::to_string(i),
                    1.2 * dLength * unit(random), bReversed ? dX1 + dLength : dX1,
                    bReversed ? dX1 : dX1 + dLength,
                    unit(random) < 0.1 ? -3 * unit(random) : 0.1 + 40 * unit(random));
        list.m_pCurrent->m_dYg = 4 * unit(random) - 2;
        list.m_pCurrent->m_dZg = 8 * unit(random);
    }
}

std::vector<std::string> Cells(const std::string& strLine, char chSeparator)
{
    std::vector<std::string> cells;
    std::istringstream line(strLine);
    std::string strCell;
    while (std::getline(line, strCell, chSeparator))
        cells.push_back(strCell);
    if (!strLine.empty() && strLine.back() == chSeparator)
        cells.push_back("");
    return cells;
}

bool SameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0 || (std::isnan(a) && std::isnan(b));
}

class GroupsCli : public CCliTest
{
protected:
    // The four figures the totals command gives for the loads saved in a file of their own.
    std::vector<double> TotalsApart(const std::vector<const CLoad*>& loads)
    {
        CLoadList apart, opened;
        for (const CLoad* pLoad : loads)
        {
            apart.Append(pLoad->m_strName, 0.5, 0, 1, 0);
            apart.m_pCurrent->CopyFrom(*pLoad);
        }
        Saved(apart, m_dir.Path("apart.p3d"));
        Open(opened, m_dir.Path("apart.p3d"));
        return {opened.TotalWeight(), opened.Xg(), opened.Yg(), opened.Zg()};
    }

    // Runs groups on the list saved as a file and checks every row, the total included, against
    // the totals of its loads saved apart: bit for bit in-process, digit for digit in the CSV.
    std::string CheckAgainstTotals(CLoadList& list, int nLevel)
    {
        const std::string strFile = m_dir.Path("estimate.p3d"), strCsv = m_dir.Path("groups.csv");
        Saved(list, strFile);
        CLoadList opened;
        Open(opened, strFile);
        CWeightGroups groups;
        groups.Compute(opened, nLevel);
        const SCliRun run = Run({"groups", strFile, strCsv, "--level", std::to_string(nLevel)});
        EXPECT_EQ(run.nStatus, 0) << run.strErr;
        const std::string strBytes = ReadBytes(strCsv);
        std::vector<std::string> lines;
        for (size_t n = 0, nEnd; (nEnd = strBytes.find("\r\n", n)) != std::string::npos; n = nEnd + 2)
            lines.push_back(strBytes.substr(n, nEnd - n));
        EXPECT_EQ(lines.size(), groups.m_groups.size() + 2) << strBytes;
        if (lines.size() != groups.m_groups.size() + 2)
            return strBytes;
        EXPECT_EQ(lines[0], "gruppo,carichi,peso,percentuale,XG,YG,ZG");
        std::vector<SWeightGroup> rows = groups.m_groups;
        rows.push_back(groups.m_total);
        for (size_t i = 0; i < rows.size(); ++i)
        {
            std::vector<const CLoad*> loads;
            for (const CLoad* pLoad : opened.Loads())
            {
                if (i + 1 == rows.size() ||
                    CWeightGroups::GroupOf(pLoad->m_strName, nLevel) == rows[i].m_strName)
                    loads.push_back(pLoad);
            }
            const std::vector<double> totals = TotalsApart(loads);
            const double figures[] = {rows[i].m_dWeight, rows[i].m_dXg, rows[i].m_dYg, rows[i].m_dZg};
            const std::vector<std::string> cells = Cells(lines[i + 1], ',');
            if (cells.size() != 7)
            {
                ADD_FAILURE() << lines[i + 1];
                continue;
            }
            EXPECT_EQ(cells[0], rows[i].m_strName);
            EXPECT_EQ(cells[1], std::to_string(loads.size()));
            const double dShare = 100 * (totals[0] / groups.m_total.m_dWeight);
            EXPECT_EQ(cells[3], groups.HasPercentages() ? CNumberFormat::Format("%.10G", dShare) : "");
            for (int k = 0; k < 4; ++k)
            {
                EXPECT_TRUE(SameBits(figures[k], totals[k])) << rows[i].m_strName << " figure " << k;
                EXPECT_EQ(cells[k == 0 ? 2 : k + 3], CNumberFormat::Format("%.10G", totals[k]))
                    << lines[i + 1];
            }
        }
        return strBytes;
    }
};
} // namespace

TEST_F(GroupsCli, EveryGroupIsWhatTotalsGivesForItsLoadsSavedApart)
{
    CLoadList hand;
    Fill(hand, kHand);
    EXPECT_EQ(CheckAgainstTotals(hand, 1), "gruppo,carichi,peso,percentuale,XG,YG,ZG\r\n"
                                           "1,3,60,60,16.66666667,-0.3333333333,3.333333333\r\n"
                                           "2,1,40,40,20,2,1\r\n"
                                           "totale,4,100,100,18,0.6,2.4\r\n");
    EXPECT_EQ(CheckAgainstTotals(hand, 2), "gruppo,carichi,peso,percentuale,XG,YG,ZG\r\n"
                                           "11,2,40,40,12.5,-0.5,3.5\r\n"
                                           "12,1,20,20,25,0,3\r\n"
                                           "2,1,40,40,20,2,1\r\n"
                                           "totale,4,100,100,18,0.6,2.4\r\n");
    CLoadList random;
    FillRandom(random);
    for (int nLevel : {1, 2, 3})
        CheckAgainstTotals(random, nLevel);

    // A group whose weights cancel has the centres the totals give it, which are not numbers;
    // a total of zero leaves every share empty.
    CLoadList zeroGroup;
    Fill(zeroGroup, {{"1 A", 5, 0, 10, 5, 1, 1}, {"1 B", -5, 10, 20, 5, 1, 1}, {"2 C", 10, 0, 10, 5, 0, 0}});
    const std::string strZeroGroup = CheckAgainstTotals(zeroGroup, 1);
    EXPECT_NE(strZeroGroup.find("\r\n1,2,0,0,"), std::string::npos) << strZeroGroup;
    CLoadList zeroTotal;
    Fill(zeroTotal, {{"1 A", 5, 0, 10, 5, 1, 1}, {"Varie", -5, 10, 20, 5, 1, 1}});
    const std::string strZeroTotal = CheckAgainstTotals(zeroTotal, 1);
    EXPECT_NE(strZeroTotal.find("\r\n1,1,5,,5,1,1\r\n-,1,-5,,15,1,1\r\ntotale,2,0,,"), std::string::npos)
        << strZeroTotal;
}

TEST_F(GroupsCli, TheExampleAndTheUsage)
{
    // The example with coded names is the same ship: its total row is the plain example's totals.
    const SCliRun coded = Run({"groups", SCAFOMETRO_EXAMPLES "/motonave-gruppi.p3d", "-"});
    ASSERT_EQ(coded.nStatus, 0) << coded.strErr;
    const SCliRun totals = Run({"totals", SCAFOMETRO_EXAMPLES "/motonave.p3d"});
    const std::vector<std::string> cells = Cells(totals.strOut.substr(0, totals.strOut.find('\n')), '\t');
    ASSERT_EQ(cells.size(), 4u);
    std::string strTotal = "\r\ntotale,42";
    for (size_t k = 0; k < cells.size(); ++k)
        strTotal += "," + CNumberFormat::Format("%.10G", std::strtod(cells[k].c_str(), nullptr)) +
                    (k == 0 ? ",100" : "");
    EXPECT_NE(coded.strOut.find(strTotal + "\r\n"), std::string::npos) << coded.strOut << strTotal;

    const std::string strFile = SCAFOMETRO_EXAMPLES "/motonave-gruppi.p3d", strOut = m_dir.Path("out.csv");
    const std::vector<CArgs> bad = {
        {"groups", strFile, strOut, "--level", "0"},
        {"groups", strFile, strOut, "--level", "10"},
        {"groups", strFile, strOut, "--level", "x"},
        {"groups", strFile, strOut, "--level"},
        {"groups", strFile, strOut, "--livello", "2"},
        {"groups", strFile},
        {"groups", strFile, strOut, "--level", "2", "--level", "3"},
    };
    for (const CArgs& args : bad)
    {
        const SCliRun run = Run(args);
        EXPECT_EQ(run.nStatus, 2) << args.size();
        EXPECT_NE(run.strErr.find("usage: scafometro-cli groups FILE.p3d OUT.csv [--level K]"),
                  std::string::npos);
    }
    EXPECT_TRUE(FolderEntries(m_dir.Dir()).empty());
    const SCliRun missing = Run({"groups", m_dir.Path("nessuno.p3d"), strOut, "--level", "3"});
    EXPECT_EQ(missing.nStatus, 1);
    EXPECT_NE(missing.strErr.find("nessuno.p3d"), std::string::npos);
    EXPECT_TRUE(FolderEntries(m_dir.Dir()).empty());
}
