// What the file tests share: a scratch folder, the expected files under tests/data, files made
// byte by byte, a byte comparison that shows the first differing line, and the check that ezdxf
// reads a drawing.
#pragma once

#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "document/File.h"

class CLoadList;

namespace testsupport
{
// A folder of its own under /tmp, removed with everything in it.
class CScratchDir
{
public:
    CScratchDir();
    ~CScratchDir();
    std::string Path(const std::string& strName) const { return m_strDir + "/" + strName; }
    const std::string& Dir() const { return m_strDir; }

private:
    std::string m_strDir;
};

std::string DataPath(const std::string& strCase, const std::string& strName);
std::string ReadBytes(const std::string& strPath);
void WriteBytes(const std::string& strPath, const std::string& strBytes);
// The names in a folder, "." and ".." left out.
std::vector<std::string> FolderEntries(const std::string& strDir);

// Little-endian fields of the weight files, and a record: name length, name, numbers.
std::string Int32(std::int32_t nValue);
std::string Double(double dValue);
std::string Record(const std::string& strName, const std::vector<double>& numbers);

// Reads a ".p3d" file and rebuilds the abscissae, as opening it in the program does.
void Open(CLoadList& list, const std::string& strPath);
// The bytes that write puts into a new file at strPath.
template <class TFile = CFile, class TWrite> std::string Written(const std::string& strPath, TWrite write)
{
    TFile file;
    file.Open(strPath, CFile::modeCreateWrite);
    write(file);
    file.Close();
    return ReadBytes(strPath);
}
std::string Saved(CLoadList& list, const std::string& strPath);
// Loads at random places, some sharing ends on whole metres, some of no weight.
void RandomEstimate(CLoadList& list, int nLoads, unsigned nSeed);

// Equal bytes, or the number and both versions of the first line that differs.
::testing::AssertionResult SameBytes(const std::string& strActual, const std::string& strExpected);
::testing::AssertionResult SameAsFile(const std::string& strActual, const std::string& strCase,
                                      const std::string& strName);
// ezdxf (Debian's python) reads the drawing and finds as many LINE and TEXT entities as it holds.
::testing::AssertionResult DxfReadsBack(const std::string& strPath);
} // namespace testsupport
