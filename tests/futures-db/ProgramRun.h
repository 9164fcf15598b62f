#pragma once

// Running the futures-db program itself, for the tests of how it meets the system: signals, special
// files, a second run, what the build runs.

#include "FuturesDbTestSupport.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

extern char **environ;

namespace futuresdbtest {

// Starts the futures-db program with args, its standard output going to the file output and its errors
// to the file errors, when given.
inline pid_t startProgram(const std::vector<std::string> &args, const std::string &output,
                          const std::string &errors = {})
{
    std::vector<std::string> all{FUTURES_DB_PROGRAM};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char *> argv;
    for (std::string &a : all)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    if (!errors.empty())
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errors.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0600);
    pid_t pid = -1;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

// How a run of the program ended: its exit code (-1 when a signal ended it) and what it printed.
struct ProgramRun {
    int exitCode = -1;
    std::string output;
    std::string errors;
};

// Runs the program to its end, its output and errors going through files in folder.
inline ProgramRun runProgram(const std::vector<std::string> &args, const std::string &folder)
{
    const std::string output = folder + "/run-output.txt", errors = folder + "/run-errors.txt";
    ProgramRun run;
    const pid_t pid = startProgram(args, output, errors);
    int status = 0;
    if (pid <= 0 || waitpid(pid, &status, 0) != pid) {
        ADD_FAILURE() << "futures-db did not run";
        return run;
    }
    if (WIFEXITED(status))
        run.exitCode = WEXITSTATUS(status);
    run.output = readText(output);
    run.errors = readText(errors);
    std::filesystem::remove(output);
    std::filesystem::remove(errors);
    return run;
}

// Waits until the running program has begun to write out, when its temporary file is there. False when
// it ended first.
inline bool waitUntilWriting(pid_t pid, const std::string &out)
{
    int status = 0;
    while (partialFiles(out).empty()) {
        if (waitpid(pid, &status, WNOHANG) != 0)
            return false;
        usleep(1000);
    }
    return true;
}

// The process id of a process that has ended and been waited for: a run that is gone.
inline pid_t gonePid()
{
    char program[] = "/bin/true";
    char *argv[] = {program, nullptr};
    pid_t pid = -1;
    int status = 0;
    if (posix_spawn(&pid, program, nullptr, nullptr, argv, environ) != 0 || waitpid(pid, &status, 0) != pid)
        ADD_FAILURE() << "cannot run " << program;
    return pid;
}

} // namespace futuresdbtest
