// kestrav-scenario: runs scenario files against the real window.
//
//   kestrav-scenario FILE...
//
// Every file is read first; a file that cannot be read or parsed stops the
// run with status 2, naming the line. Then each file runs in a process of its
// own (this program started again with --run-one FILE), so every scenario
// meets a fresh program start. One line per file, "PASS file" or
// "FAIL file:line: what", then "N passed, N failed"; status 0 when all
// passed, 1 otherwise. The format itself is described in Scenario.h.

#include "testing/scenario/Scenario.h"
#include "testing/scenario/ScenarioDriver.h"

#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

// A scenario that runs longer than this has hung (a box nobody answers).
constexpr unsigned kTimeLimitSeconds = 120;

std::string OwnPath(const char* argv0) {
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string(argv0) : exe.string();
}

int RunOne(const std::string& file, char** argv) {
    alarm(kTimeLimitSeconds);
    Scenario scenario;
    try {
        scenario = LoadScenario(file);
    } catch (const ScenarioError& error) {
        std::cout << "FAIL " << file << ":" << error.line() << ": " << error.what() << std::endl;
        return 1;
    }
    // The program runs under its own name from the folder of this runner,
    // where the build lays out bin/ beside share/.
    const std::string program =
        (std::filesystem::path(OwnPath(argv[0])).parent_path() / "kestrav").string();
    const ScenarioResult result = RunScenario(scenario, program, argv[0]);
    if (result.passed)
        std::cout << "PASS " << file << std::endl;
    else
        std::cout << "FAIL " << file << ":" << result.line << ": " << result.message << std::endl;
    return result.passed ? 0 : 1;
}

// Runs one file in a child process; true when it passed. Prints its line.
bool RunChild(const std::string& self, const std::string& file) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        std::cout << "FAIL " << file << ": cannot start a process: " << std::strerror(errno)
                  << std::endl;
        return false;
    }
    std::cout.flush();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(pipeFds[1], STDOUT_FILENO);
        close(pipeFds[0]);
        close(pipeFds[1]);
        execl(self.c_str(), self.c_str(), "--run-one", file.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeFds[1]);
    std::string output;
    char buffer[4096];
    ssize_t n;
    while ((n = read(pipeFds[0], buffer, sizeof buffer)) > 0)
        output.append(buffer, static_cast<std::size_t>(n));
    close(pipeFds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    const bool exited = WIFEXITED(status);
    const int code = exited ? WEXITSTATUS(status) : -1;
    if (exited && (code == 0 || code == 1) && !output.empty()) {
        std::cout << output << std::flush;
        return code == 0 && output.rfind("PASS ", 0) == 0;
    }
    std::string how;
    if (WIFSIGNALED(status))
        how = WTERMSIG(status) == SIGALRM ? "timed out"
                                          : "ended by signal " + std::to_string(WTERMSIG(status));
    else
        how = "ended with status " + std::to_string(code);
    std::cout << "FAIL " << file << ": the program " << how << std::endl;
    if (!output.empty()) std::cout << output << std::flush;
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--run-one") == 0) return RunOne(argv[2], argv);
    if (argc < 2) {
        std::cerr << "usage: kestrav-scenario FILE...\n";
        return 2;
    }
    const std::vector<std::string> files(argv + 1, argv + argc);
    bool readable = true;
    for (const std::string& file : files) {
        try {
            LoadScenario(file);
        } catch (const ScenarioError& error) {
            std::cerr << file << ":" << error.line() << ": " << error.what() << "\n";
            readable = false;
        }
    }
    if (!readable) return 2;
    const std::string self = OwnPath(argv[0]);
    int passed = 0;
    int failed = 0;
    for (const std::string& file : files)
        (RunChild(self, file) ? passed : failed)++;
    std::cout << passed << " passed, " << failed << " failed" << std::endl;
    return failed == 0 ? 0 : 1;
}
