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
        // In memory where the system offers it: a file system with a journal would cost more
        // than the run it serves.
        char szShared[] = "/dev/shm/scafometro-fuzz-XXXXXX";
        char szTemporary[] = "/tmp/scafometro-fuzz-XXXXXX";
        char* pszPath = szShared;
        int fd = mkstemp(szShared);
        if (fd < 0)
        {
            pszPath = szTemporary;
            fd = mkstemp(szTemporary);
        }
        if (fd < 0)
            std::abort();
        close(fd);
        m_strPath = pszPath;
    }
    ~CScratchFile() { unlink(m_strPath.c_str()); }

    std::string m_strPath;
};
