// What the file tests share.
#include "TestSupport.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "model/LoadList.h"

namespace testsupport
{
CScratchDir::CScratchDir()
{
    char szTemplate[] = "/tmp/scafometro-test-XXXXXX";
    if (mkdtemp(szTemplate))
        m_strDir = szTemplate;
}

CScratchDir::~CScratchDir()
{
    std::error_code error;
    std::filesystem::remove_all(m_strDir, error);
}

std::string DataPath(const std::string& strName)
{
    return SCAFOMETRO_TEST_DATA "/" + strName;
}

std::string ReadBytes(const std::string& strPath)
{
    std::ifstream in(strPath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::string& strPath, const std::string& strBytes)
{
    std::ofstream(strPath, std::ios::binary) << strBytes;
}

std::vector<std::string> FolderEntries(const std::string& strDir)
{
    std::vector<std::string> names;
    for (const std::filesystem::directory_entry& entry : std::filesystem::directory_iterator(strDir))
        names.push_back(entry.path().filename());
    return names;
}

std::vector<std::pair<std::string, std::string>> CaseTable(const std::string& strName)
{
    std::vector<std::pair<std::string, std::string>> rows;
    std::istringstream lines(ReadBytes(DataPath(strName)));
    for (std::string strLine; std::getline(lines, strLine);)
    {
        const size_t nTab = strLine.find('\t');
        if (strLine.empty() || strLine[0] == '#')
            continue;
        EXPECT_NE(nTab, std::string::npos) << strName << ": " << strLine;
        std::string strBytes;
        for (size_t i = nTab + 1; nTab != std::string::npos && i < strLine.size(); ++i)
        {
            const char ch = strLine[i] == '\\' && i + 1 < strLine.size() ? strLine[++i] : '\0';
            if (ch == 'x')
                strBytes += static_cast<char>(std::stoi(strLine.substr(i + 1, 2), nullptr, 16)), i += 2;
            else
                strBytes += ch == '\0'  ? strLine[i]
                            : ch == 'n' ? '\n'
                            : ch == 'r' ? '\r'
                            : ch == 't' ? '\t'
                                        : ch;
        }
        rows.emplace_back(strLine.substr(0, nTab), strBytes);
    }
    return rows;
}

std::vector<double> Numbers(const std::string& strText)
{
    std::vector<double> numbers;
    std::istringstream words(strText);
    for (std::string strWord; words >> strWord;)
        numbers.push_back(std::stod(strWord));
    return numbers;
}

namespace
{
std::string LittleEndian(std::uint64_t nBits, int nBytes)
{
    std::string strOut;
    for (int i = 0; i < nBytes; ++i)
        strOut += static_cast<char>(nBits >> (8 * i) & 0xFF);
    return strOut;
}
} // namespace

std::string Int32(std::int32_t nValue)
{
    return LittleEndian(static_cast<std::uint32_t>(nValue), 4);
}

std::string Record(const std::string& strName, const std::vector<double>& numbers)
{
    std::string strOut = Int32(static_cast<std::int32_t>(strName.size())) + strName;
    for (double dValue : numbers)
    {
        std::uint64_t nBits;
        std::memcpy(&nBits, &dValue, 8);
        strOut += LittleEndian(nBits, 8);
    }
    return strOut;
}

void Open(CLoadList& list, const std::string& strPath)
{
    CFile file(strPath, CFile::modeRead);
    list.ReadFrom(file);
    list.RebuildAbscissae();
}

std::string Saved(CLoadList& list, const std::string& strPath)
{
    return Written(strPath, [&](CFile& file) { list.WriteTo(file); });
}

::testing::AssertionResult SameBytes(const std::string& strActual, const std::string& strExpected)
{
    if (strActual == strExpected)
        return ::testing::AssertionSuccess();
    const size_t nShorter = std::min(strActual.size(), strExpected.size());
    const size_t nAt =
        std::mismatch(strActual.begin(), strActual.begin() + nShorter, strExpected.begin()).first -
        strActual.begin();
    const size_t nFrom = nAt < 40 ? 0 : nAt - 40;
    return ::testing::AssertionFailure()
           << "sizes " << strActual.size() << " and " << strExpected.size() << ", first difference at byte "
           << nAt << "; from byte " << nFrom << ":\n"
           << ::testing::PrintToString(strActual.substr(nFrom, 80)) << "\n"
           << ::testing::PrintToString(strExpected.substr(nFrom, 80));
}

::testing::AssertionResult SameAsFile(const std::string& strActual, const std::string& strName)
{
    return SameBytes(strActual, ReadBytes(DataPath(strName))) << " (against " << strName << ")";
}

::testing::AssertionResult DxfReadsBack(const std::string& strPath)
{
    // The script fails unless ezdxf reads as many LINE and TEXT entities as the file holds.
    const std::string strReport = strPath + ".ezdxf";
    const std::string strCommand =
        SCAFOMETRO_DEBIAN_PYTHON
        " -c 'import sys, ezdxf\n"
        "msp, raw = ezdxf.readfile(sys.argv[1]).modelspace(), open(sys.argv[1], \"rb\").read()\n"
        "found = [(len(msp.query(e)), raw.count(b\"\\n\" + e.encode() + b\"\\r\\n\")) for e in (\"LINE\", "
        "\"TEXT\")]\n"
        "sys.exit(0 if all(a == b for a, b in found) else \"read, written: %s\" % found)' '" +
        strPath + "' >'" + strReport + "' 2>&1";
    const int nStatus = std::system(strCommand.c_str());
    const std::string strOutput = ReadBytes(strReport);
    std::remove(strReport.c_str());
    if (nStatus != 0)
        return ::testing::AssertionFailure() << "ezdxf on " << strPath << ": " << strOutput;
    return ::testing::AssertionSuccess();
}
} // namespace testsupport
