// The one scratch file a fuzz target writes and reads back, removed when the run ends.
#pragma once

#include <cstdlib>
#include <string>
#include <unistd.h>

class CScratchFile
{
public:
    static const std::string& Path()
    {
        static const CScratchFile scratch;
        return scratch.m_strPath;
    }

private:
    CScratchFile()
    {
        char szPath[] = "/tmp/scafometro-fuzz-XXXXXX";
        const int fd = mkstemp(szPath);
        if (fd < 0)
            std::abort();
        close(fd);
        m_strPath = szPath;
    }
    ~CScratchFile() { unlink(m_strPath.c_str()); }

    std::string m_strPath;
};
