// Runs varnok3-batch as a separate process and collects its exit status and output.
#pragma once

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/tbf_data.h"
#include "tests/support/temp_dir.h"

namespace vnk::test {

struct BatchRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs `program` with `args` in `directory` (the current one when empty); stdout goes to
// `stdoutTarget` instead of being collected when one is given (e.g. "/dev/full").
inline BatchRun RunProgram(const std::string& path, const std::vector<std::string>& args,
                           const std::filesystem::path& directory = {},
                           const std::filesystem::path& stdoutTarget = {}) {
    TempDir capture;
    const auto outPath = stdoutTarget.empty() ? capture.path() / "stdout" : stdoutTarget;
    const auto errPath = capture.path() / "stderr";
    BatchRun run;
    const pid_t pid = fork();
    if (pid == 0) {
        const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (out < 0) _exit(125);
        const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(out, STDOUT_FILENO);
        dup2(err, STDERR_FILENO);
        if (!directory.empty() && chdir(directory.c_str()) != 0) _exit(126);
        std::vector<char*> argv;
        std::string program = path;
        argv.push_back(program.data());
        std::vector<std::string> copies = args;
        for (auto& a : copies) argv.push_back(a.data());
        argv.push_back(nullptr);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    if (stdoutTarget.empty()) run.out = ReadWholeFile(outPath);
    run.err = ReadWholeFile(errPath);
    return run;
}

inline BatchRun RunBatchProgram(const std::vector<std::string>& args,
                                const std::filesystem::path& directory = {}) {
    return RunProgram(VARNOK_BATCH_BINARY, args, directory);
}

inline std::string TestData(const std::string& name) {
    return (std::filesystem::path(VARNOK_TEST_DATA_DIR) / name).string();
}

}  // namespace vnk::test
