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

// Starts the futures-db program with args, its standard output going to the file output and its errors
// to the file errors, when given.
pid_t startProgram(const std::vector<std::string> &args, const std::string &output,
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

// Waits until the running program has begun to write out, when its temporary file is there. False when
// it ended first.
bool waitUntilWriting(pid_t pid, const std::string &out)
{
    int status = 0;
    while (partialFiles(out).empty()) {
        if (waitpid(pid, &status, WNOHANG) != 0)
            return false;
        usleep(1000);
    }
    return true;
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
    ASSERT_TRUE(waitUntilWriting(pid, out));
    kill(pid, SIGTERM);
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << status;
    EXPECT_TRUE(partialFiles(out).empty());
    EXPECT_FALSE(std::filesystem::exists(out + ".lock"));
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST(FuturesDbProgram, ASecondRunIntoOneOutputIsRefusedAndTouchesNothing)
{
    QTemporaryDir dir;
    const std::string out = dir.filePath("futures.mdb").toStdString();
    writeText(out, "the previous file");
    const pid_t first = startProgram({"sample", out}, dir.filePath("first.txt").toStdString());
    ASSERT_GT(first, 0);
    // Held still while it writes, so the second run meets it there however fast either is.
    ASSERT_TRUE(waitUntilWriting(first, out));
    ASSERT_EQ(kill(first, SIGSTOP), 0);
    const std::vector<std::string> partial = partialFiles(out);

    for (const char *command : {"sample", "import"}) {
        SCOPED_TRACE(command);
        const std::string errors = dir.filePath("errors.txt").toStdString();
        std::vector<std::string> args{command, out};
        if (std::string(command) == "import")
            args.insert(args.end(), {"--daily", dir.path().toStdString()});
        const pid_t second = startProgram(args, dir.filePath("second.txt").toStdString(), errors);
        ASSERT_GT(second, 0);
        int status = 0;
        ASSERT_EQ(waitpid(second, &status, 0), second);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 1);
        EXPECT_NE(readText(errors).find("cannot write " + out +
                                        ": another run of futures-db is writing it (it holds " + out +
                                        ".lock); run again once it has ended"),
                  std::string::npos)
            << readText(errors);
        EXPECT_TRUE(readText(out) == "the previous file"); // not the whole file when it fails
        EXPECT_EQ(partialFiles(out), partial);
        EXPECT_TRUE(std::filesystem::exists(out + ".lock"));
    }

    ASSERT_EQ(kill(first, SIGCONT), 0);
    int status = 0;
    ASSERT_EQ(waitpid(first, &status, 0), first);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(queryRows(out, "SELECT Value FROM DatabaseInfo WHERE Name = 'SchemaVersion'"),
              (std::vector<std::vector<std::string>>{{"1"}}));
    EXPECT_TRUE(partialFiles(out).empty());
    EXPECT_FALSE(std::filesystem::exists(out + ".lock"));
}
