#include "FuturesDbTestSupport.h"

#include <QTemporaryDir>

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

extern char **environ;

using namespace futuresdbtest;

namespace {

// Starts the futures-db program with args, its standard output going to the file output.
pid_t startProgram(const std::vector<std::string> &args, const std::string &output)
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
    pid_t pid = -1;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

} // namespace

TEST(FuturesDbProgram, CheckOfAFifoEndsAtOnceWithAFailure)
{
    QTemporaryDir dir;
    const std::string fifo = dir.filePath("prices.fifo").toStdString();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    // A writer holds the FIFO open, so that even a program that opened it would not wait for one.
    const int writer = open(fifo.c_str(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(writer, 0);
    const std::string output = dir.filePath("output.txt").toStdString();
    const pid_t pid = startProgram({"check", fifo}, output);
    ASSERT_GT(pid, 0);
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    close(writer);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_EQ(readText(output), "file: " + fifo + " is not a regular file; a price database is one\n" + fifo +
                                    ": violations found\n");
}

TEST(FuturesDbProgram, ARunEndedBySigtermLeavesNoTemporaryFile)
{
    QTemporaryDir dir;
    const std::string out = dir.filePath("futures.mdb").toStdString();
    const pid_t pid = startProgram({"sample", out}, dir.filePath("output.txt").toStdString());
    ASSERT_GT(pid, 0);
    // The sample takes a while to write: end it once its temporary file is there.
    int status = 0;
    while (!std::filesystem::exists(out + ".partial")) {
        ASSERT_EQ(waitpid(pid, &status, WNOHANG), 0) << "the program ended before it began to write";
        usleep(1000);
    }
    kill(pid, SIGTERM);
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << status;
    EXPECT_FALSE(std::filesystem::exists(out + ".partial"));
    EXPECT_FALSE(std::filesystem::exists(out));
}
