// Timing a whole process of the batch tool, start to exit.
#include "bench/ProcessRunner.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

void CProcessRunner::Run(benchmark::State& state, const std::vector<std::string>& args)
{
    std::vector<std::string> words(args);
    std::vector<char*> argv;
    for (std::string& strWord : words)
        argv.push_back(&strWord[0]);
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    for (auto _ : state)
    {
        pid_t pid;
        if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0)
        {
            state.SkipWithError("cannot start the batch tool");
            break;
        }
        int nStatus = 0;
        waitpid(pid, &nStatus, 0);
        if (!WIFEXITED(nStatus) || WEXITSTATUS(nStatus) != 0)
        {
            state.SkipWithError("the batch tool failed");
            break;
        }
    }
    posix_spawn_file_actions_destroy(&actions);
}
