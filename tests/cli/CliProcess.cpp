// The batch tool started with fork and exec, so that the test sets what a shell would.
#include "CliProcess.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <grp.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "TestSupport.h"

namespace
{
// The ids of "nobody" on Debian.
constexpr uid_t kNobody = 65534;
constexpr gid_t kNogroup = 65534;

void WriteAll(int fd, const std::string& strBytes)
{
    size_t nDone = 0;
    while (nDone < strBytes.size())
    {
        const ssize_t n = write(fd, strBytes.data() + nDone, strBytes.size() - nDone);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return; // the program stopped reading; its status tells the rest
        nDone += static_cast<size_t>(n);
    }
}
} // namespace

const char* const CCliProcess::kProgram = SCAFOMETRO_CLI;

CCliProcess::CCliProcess(const std::vector<std::string>& args) : m_args(args) {}

CCliProcess::~CCliProcess() = default;

void CCliProcess::SetInputBytes(const std::string& strBytes)
{
    m_strInputBytes = strBytes;
    m_bInputBytes = true;
}

void CCliProcess::SetInputPath(const std::string& strPath)
{
    m_strInputPath = strPath;
    m_bInputBytes = false;
}

CCliProcess::SResult CCliProcess::Run(const std::string& strScratch)
{
    const std::string strErrPath = strScratch + "/.stderr", strOutPath = strScratch + "/.stdout";
    std::vector<std::string> words{m_strProgram};
    words.insert(words.end(), m_args.begin(), m_args.end());
    std::vector<char*> argv;
    for (std::string& strWord : words)
        argv.push_back(&strWord[0]);
    argv.push_back(nullptr);

    int pipeFds[2] = {-1, -1};
    if (m_bInputBytes && pipe(pipeFds) != 0)
        return {};
    // A program that stops reading must not end the test with SIGPIPE.
    std::signal(SIGPIPE, SIG_IGN);
    const pid_t pid = fork();
    if (pid == 0)
    {
        int nInput = -1;
        if (m_bInputBytes)
        {
            close(pipeFds[1]);
            nInput = pipeFds[0];
        }
        else
            nInput = open(m_strInputPath.empty() ? "/dev/null" : m_strInputPath.c_str(), O_RDONLY);
        const int nOutput =
            m_nOutput >= 0 ? m_nOutput : open(strOutPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int nError = open(strErrPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (nInput < 0 || nOutput < 0 || nError < 0 || dup2(nInput, 0) < 0 || dup2(nOutput, 1) < 0 ||
            dup2(nError, 2) < 0)
            _exit(125);
        std::signal(SIGPIPE, SIG_DFL);
        if (m_bUnprivileged && geteuid() == 0 &&
            (setgroups(0, nullptr) != 0 || setgid(kNogroup) != 0 || setuid(kNobody) != 0))
            _exit(kNoUnprivilegedUser);
        if (m_nFileSizeLimit > 0)
        {
            const struct rlimit limit = {m_nFileSizeLimit, m_nFileSizeLimit};
            if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
                _exit(125);
        }
        execv(argv[0], argv.data());
        _exit(kCannotStart);
    }
    if (m_bInputBytes)
    {
        close(pipeFds[0]);
        if (pid > 0)
            WriteAll(pipeFds[1], m_strInputBytes);
        close(pipeFds[1]);
    }
    SResult result;
    int nStatus = 0;
    if (pid > 0 && waitpid(pid, &nStatus, 0) == pid && WIFEXITED(nStatus))
        result.nStatus = WEXITSTATUS(nStatus);
    result.strErr = testsupport::ReadBytes(strErrPath);
    result.strOut = testsupport::ReadBytes(strOutPath);
    unlink(strErrPath.c_str());
    unlink(strOutPath.c_str());
    return result;
}
