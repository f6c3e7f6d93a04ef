// What the file tests share: scratch folders, expected files, weight files byte by byte, ezdxf.
#pragma once

#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <utility>
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

// A file under tests/data, e.g. "rectangle/loads.txt".
std::string DataPath(const std::string& strName);
std::string ReadBytes(const std::string& strPath);
void WriteBytes(const std::string& strPath, const std::string& strBytes);
std::vector<std::string> FolderEntries(const std::string& strDir);

// The cases of a table under tests/data, a line each: a result, a tab, then the input with \n, \r,
// \t, \\ and \xHH standing for their bytes. Lines that start with '#' are comments.
std::vector<std::pair<std::string, std::string>> CaseTable(const std::string& strName);
// The numbers in a case's text, between blanks; "nan" and "inf" among them.
std::vector<double> Numbers(const std::string& strText);

// Little-endian fields of the weight files; a record is the name's length, the name, the numbers.
std::string Int32(std::int32_t nValue);
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

// On a difference, shows the bytes around the first one.
::testing::AssertionResult SameBytes(const std::string& strActual, const std::string& strExpected);
::testing::AssertionResult SameAsFile(const std::string& strActual, const std::string& strName);
// ezdxf (Debian's python) reads the drawing and finds as many LINE and TEXT entities as it holds.
::testing::AssertionResult DxfReadsBack(const std::string& strPath);
} // namespace testsupport
