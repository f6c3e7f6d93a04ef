// What the file tests share: a scratch folder, the expected files under tests/data, a byte
// comparison that shows the first differing line, and the check that ezdxf reads a drawing.
#pragma once

#include <gtest/gtest.h>
#include <string>

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
bool Exists(const std::string& strPath);
// The names in a folder, "." and ".." left out.
std::vector<std::string> FolderEntries(const std::string& strDir);

// Equal bytes, or the number and both versions of the first line that differs.
::testing::AssertionResult SameBytes(const std::string& strActual, const std::string& strExpected);
::testing::AssertionResult SameAsFile(const std::string& strActual, const std::string& strCase,
                                      const std::string& strName);
// ezdxf (Debian's python) reads the drawing and finds that many LINE and TEXT entities.
::testing::AssertionResult DxfReadsAs(const std::string& strPath, int nLines, int nTexts);
} // namespace testsupport
