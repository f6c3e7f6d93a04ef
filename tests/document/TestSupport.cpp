// What the file tests share.
#include "TestSupport.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
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
    if (!m_strDir.empty())
        std::filesystem::remove_all(m_strDir, error);
}

std::string DataPath(const std::string& strCase, const std::string& strName)
{
    return std::string(SCAFOMETRO_TEST_DATA) + "/" + strCase + "/" + strName;
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

std::string Double(double dValue)
{
    std::uint64_t nBits;
    std::memcpy(&nBits, &dValue, 8);
    return LittleEndian(nBits, 8);
}

std::string Record(const std::string& strName, const std::vector<double>& numbers)
{
    std::string strOut = Int32(static_cast<std::int32_t>(strName.size())) + strName;
    for (double dValue : numbers)
        strOut += Double(dValue);
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

void RandomEstimate(CLoadList& list, int nLoads, unsigned nSeed)
{
    std::mt19937 random(nSeed);
    std::uniform_real_distribution<double> position(-20, 150), length(0.1, 40), weight(-10, 80), unit(0, 1);
    for (int i = 0; i < nLoads; ++i)
    {
        const double x1 = i % 3 == 0 ? std::floor(position(random)) : position(random);
        const double x2 = i % 4 == 0 ? std::floor(x1 + length(random)) : x1 + length(random);
        const double dWeight = i % 13 == 0 ? 0 : weight(random);
        list.Append("carico " + std::to_string(i + 1), unit(random) * (x2 - x1), x1, x2, dWeight);
    }
}

namespace
{
// The line of strText that starts at nStart, with CR, TAB and other bytes made visible.
std::string VisibleLine(const std::string& strText, size_t nStart)
{
    const size_t nEnd = std::min(strText.find('\n', nStart), strText.size());
    std::string strOut;
    for (size_t i = nStart; i < nEnd; ++i)
    {
        const unsigned char ch = static_cast<unsigned char>(strText[i]);
        char szHex[8];
        std::snprintf(szHex, sizeof szHex, "\\x%02X", ch);
        strOut += ch == '\r' ? "\\r" : ch == '\t' ? "\\t" : ch < 32 || ch >= 127 ? szHex : std::string(1, ch);
    }
    return strOut;
}

size_t CountOf(const std::string& strText, const std::string& strWord)
{
    size_t nCount = 0;
    for (size_t n = strText.find(strWord); n != std::string::npos; n = strText.find(strWord, n + 1))
        ++nCount;
    return nCount;
}
} // namespace

::testing::AssertionResult SameBytes(const std::string& strActual, const std::string& strExpected)
{
    if (strActual == strExpected)
        return ::testing::AssertionSuccess();
    size_t nLine = 1, nStart = 0;
    for (size_t i = 0; i < std::min(strActual.size(), strExpected.size()) && strActual[i] == strExpected[i];
         ++i)
    {
        if (strActual[i] == '\n')
        {
            ++nLine;
            nStart = i + 1;
        }
    }
    return ::testing::AssertionFailure()
           << "sizes " << strActual.size() << " and " << strExpected.size() << "; first difference on line "
           << nLine << ":\n  actual:   \"" << VisibleLine(strActual, nStart) << "\"\n  expected: \""
           << VisibleLine(strExpected, nStart) << "\"";
}

::testing::AssertionResult SameAsFile(const std::string& strActual, const std::string& strCase,
                                      const std::string& strName)
{
    return SameBytes(strActual, ReadBytes(DataPath(strCase, strName)))
           << " (against " << strCase << "/" << strName << ")";
}

::testing::AssertionResult DxfReadsBack(const std::string& strPath)
{
    const std::string strPython = SCAFOMETRO_DEBIAN_PYTHON;
    if (strPython.empty())
        return ::testing::AssertionFailure() << "no /usr/bin/python3 to run ezdxf with";
    const std::string strBytes = ReadBytes(strPath);
    const size_t nLines = CountOf(strBytes, "\nLINE\r\n"), nTexts = CountOf(strBytes, "\nTEXT\r\n");
    const std::string strCommand = strPython +
                                   " -c 'import sys, ezdxf\n"
                                   "msp = ezdxf.readfile(sys.argv[1]).modelspace()\n"
                                   "print(len(msp.query(\"LINE\")), len(msp.query(\"TEXT\")))' '" +
                                   strPath + "' 2>&1";
    std::FILE* pPipe = popen(strCommand.c_str(), "r");
    if (!pPipe)
        return ::testing::AssertionFailure() << "cannot run " << strPython;
    std::string strOutput;
    char buffer[4096];
    for (size_t nRead; (nRead = std::fread(buffer, 1, sizeof buffer, pPipe)) > 0;)
        strOutput.append(buffer, nRead);
    const int nStatus = pclose(pPipe);
    std::istringstream in(strOutput);
    size_t nFoundLines = 0, nFoundTexts = 0;
    if (nStatus != 0 || !(in >> nFoundLines >> nFoundTexts) || nFoundLines != nLines || nFoundTexts != nTexts)
        return ::testing::AssertionFailure() << "ezdxf on " << strPath << " (written: " << nLines << " LINE, "
                                             << nTexts << " TEXT): " << strOutput;
    return ::testing::AssertionSuccess();
}
} // namespace testsupport
