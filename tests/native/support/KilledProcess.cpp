#include "KilledProcess.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
constexpr const char* Strace = "/usr/bin/strace";
}  // namespace

bool StraceInstalled()
{
    return access(Strace, X_OK) == 0;
}

bool RunKilledAtCall(const std::string& syscalls, int n, const std::string& program,
                     const std::vector<std::string>& arguments)
{
    std::vector<std::string> command = {Strace,
                                        "-f",
                                        "-qq",
                                        "-o",
                                        "/dev/null",
                                        "-e",
                                        "trace=" + syscalls,
                                        "-e",
                                        "inject=" + syscalls +
                                            ":signal=SIGKILL:when=" + std::to_string(n),
                                        program};
    command.insert(command.end(), arguments.begin(), arguments.end());
    pid_t child = fork();
    if (child == 0) {
        setenv("ASAN_OPTIONS", "detect_leaks=0", 1);  // the leak check cannot run under ptrace
        int null = open("/dev/null", O_WRONLY);
        if (null >= 0) dup2(null, STDOUT_FILENO);
        std::vector<char*> argv;
        for (std::string& argument : command) argv.push_back(argument.data());
        argv.push_back(nullptr);
        execv(Strace, argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    bool killed = (WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) ||
                  (WIFEXITED(status) && WEXITSTATUS(status) == 128 + SIGKILL);
    EXPECT_TRUE(killed || (WIFEXITED(status) && WEXITSTATUS(status) == 0)) << "status " << status;
    return killed;
}
