// What the file tests share.
#include "TestSupport.h"

#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <iterator>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

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
    if (m_strDir.empty())
        return;
    const std::string strCommand = "rm -rf '" + m_strDir + "'";
    if (std::system(strCommand.c_str()) != 0)
        std::fprintf(stderr, "could not remove %s\n", m_strDir.c_str());
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

bool Exists(const std::string& strPath)
{
    struct stat info;
    return lstat(strPath.c_str(), &info) == 0;
}

std::vector<std::string> FolderEntries(const std::string& strDir)
{
    std::vector<std::string> names;
    if (DIR* pDir = opendir(strDir.c_str()))
    {
        while (const dirent* pEntry = readdir(pDir))
        {
            const std::string strName = pEntry->d_name;
            if (strName != "." && strName != "..")
                names.push_back(strName);
        }
        closedir(pDir);
    }
    return names;
}

namespace
{
std::string Visible(const std::string& strLine)
{
    std::string strOut;
    for (unsigned char ch : strLine)
    {
        if (ch == '\r')
            strOut += "\\r";
        else if (ch == '\t')
            strOut += "\\t";
        else if (ch < 32 || ch >= 127)
        {
            char szHex[8];
            std::snprintf(szHex, sizeof szHex, "\\x%02X", ch);
            strOut += szHex;
        }
        else
            strOut += static_cast<char>(ch);
    }
    return strOut;
}

std::string LineAt(const std::string& strText, size_t nStart)
{
    const size_t nEnd = strText.find('\n', nStart);
    return strText.substr(nStart, nEnd == std::string::npos ? std::string::npos : nEnd - nStart + 1);
}
} // namespace

::testing::AssertionResult SameBytes(const std::string& strActual, const std::string& strExpected)
{
    if (strActual == strExpected)
        return ::testing::AssertionSuccess();
    size_t nLine = 1, nStart = 0;
    const size_t nCommon = std::min(strActual.size(), strExpected.size());
    for (size_t i = 0; i < nCommon && strActual[i] == strExpected[i]; ++i)
    {
        if (strActual[i] == '\n')
        {
            ++nLine;
            nStart = i + 1;
        }
    }
    return ::testing::AssertionFailure()
           << "sizes " << strActual.size() << " and " << strExpected.size() << "; first difference on line "
           << nLine << ":\n  actual:   \"" << Visible(LineAt(strActual, nStart)) << "\"\n  expected: \""
           << Visible(LineAt(strExpected, nStart)) << "\"";
}

::testing::AssertionResult SameAsFile(const std::string& strActual, const std::string& strCase,
                                      const std::string& strName)
{
    const std::string strPath = DataPath(strCase, strName);
    if (!Exists(strPath))
        return ::testing::AssertionFailure() << "missing expected file " << strPath;
    return SameBytes(strActual, ReadBytes(strPath)) << " (against " << strCase << "/" << strName << ")";
}

::testing::AssertionResult DxfReadsAs(const std::string& strPath, int nLines, int nTexts)
{
    const std::string strPython = SCAFOMETRO_DEBIAN_PYTHON;
    if (strPython.empty())
        return ::testing::AssertionFailure() << "no /usr/bin/python3 to run ezdxf with";
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
    size_t nRead;
    while ((nRead = std::fread(buffer, 1, sizeof buffer, pPipe)) > 0)
        strOutput.append(buffer, nRead);
    const int nStatus = pclose(pPipe);
    std::istringstream in(strOutput);
    int nFoundLines = -1, nFoundTexts = -1;
    in >> nFoundLines >> nFoundTexts;
    if (nStatus != 0 || nFoundLines != nLines || nFoundTexts != nTexts)
        return ::testing::AssertionFailure() << "ezdxf on " << strPath << " (expected " << nLines << " LINE, "
                                             << nTexts << " TEXT): " << strOutput;
    return ::testing::AssertionSuccess();
}
} // namespace testsupport
