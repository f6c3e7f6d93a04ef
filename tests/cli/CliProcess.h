// The batch tool started as a real process, with the standard streams, the file-size limit and
// the user it runs as chosen by the test.
#pragma once

#include <string>
#include <sys/resource.h>
#include <vector>

#include "TestSupport.h"

class CCliProcess
{
public:
    struct SResult
    {
        int nStatus = -1; // the exit status, or -1 when a signal ended the process
        std::string strOut, strErr;
    };

    explicit CCliProcess(const std::vector<std::string>& args);
    virtual ~CCliProcess();

    // The standard input: these bytes through a pipe, or the file at a path.
    void SetInputBytes(const std::string& strBytes);
    void SetInputPath(const std::string& strPath);
    // The standard output: an already open descriptor (kept open by the caller), or a file read
    // back into the result.
    void SetOutputDescriptor(int fd) { m_nOutput = fd; }
    // RLIMIT_FSIZE in bytes, as "ulimit -f" sets it.
    void SetFileSizeLimit(rlim_t nBytes) { m_nFileSizeLimit = nBytes; }
    // The batch tool at another path (a copy), instead of the one built.
    void SetProgram(const std::string& strPath) { m_strProgram = strPath; }
    // Runs as the user "nobody" when started by root, so that permission bits apply.
    void SetUnprivileged() { m_bUnprivileged = true; }

    // Runs the program, its standard error (and output) caught in files of the scratch folder.
    SResult Run(const std::string& strScratch);

    static const int kNoUnprivilegedUser = 121;
    // The program could not be started.
    static const int kCannotStart = 127;
    // The batch tool as built.
    static const char* const kProgram;

private:
    std::vector<std::string> m_args;
    std::string m_strProgram = kProgram;
    std::string m_strInputBytes;
    std::string m_strInputPath;
    bool m_bInputBytes = false;
    int m_nOutput = -1;
    rlim_t m_nFileSizeLimit = 0;
    bool m_bUnprivileged = false;
};

using SCliRun = CCliProcess::SResult;

// The batch tool run with these arguments; m_dir for the test's files.
class CCliTest : public ::testing::Test
{
protected:
    CCliProcess::SResult Run(const std::vector<std::string>& args)
    {
        return CCliProcess(args).Run(m_logs.Dir());
    }

    testsupport::CScratchDir m_dir;
    testsupport::CScratchDir m_logs;
};
