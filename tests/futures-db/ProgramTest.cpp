#include "CsvFixture.h"
#include "ProgramRun.h"

#include <QTemporaryDir>

#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

using namespace futuresdbtest;
using tarvello::futuresdb::kViolationsListedPerRule;

namespace {

// Whether the running program holds the file at path open.
bool holdsOpen(pid_t pid, const std::string &path)
{
    std::error_code ec;
    for (std::filesystem::directory_iterator it("/proc/" + std::to_string(pid) + "/fd", ec), end;
         !ec && it != end; it.increment(ec))
        if (std::filesystem::read_symlink(it->path(), ec) == path)
            return true;
    return false;
}

std::vector<std::string> linesOf(const std::string &text)
{
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = text.find('\n', at);
        lines.push_back(text.substr(at, end - at));
        at = end == std::string::npos ? text.size() : end + 1;
    }
    return lines;
}

std::vector<std::string> importArgs(const CsvFixture &fixture, const std::string &out)
{
    return {"import",  out,
            "--daily", fixture.path("daily"),
            "--ticks", fixture.path("ticks"),
            "--news",  fixture.path("news")};
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

TEST(FuturesDbProgram, ARunEndedByASignalLeavesNoTemporaryFile)
{
    // SIGQUIT ends the program with a core dump, which the test does not want.
    struct rlimit core {};
    getrlimit(RLIMIT_CORE, &core);
    core.rlim_cur = 0;
    setrlimit(RLIMIT_CORE, &core);
    for (const int number : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) {
        SCOPED_TRACE(strsignal(number));
        QTemporaryDir dir;
        const std::string out = dir.filePath("futures.mdb").toStdString();
        const pid_t pid = startProgram({"sample", out}, dir.filePath("output.txt").toStdString());
        ASSERT_GT(pid, 0);
        ASSERT_TRUE(waitUntilWriting(pid, out));
        kill(pid, number);
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == number) << status;
        EXPECT_TRUE(partialFiles(out).empty());
        EXPECT_FALSE(std::filesystem::exists(out + ".lock"));
        EXPECT_FALSE(std::filesystem::exists(out));
    }
}

TEST(FuturesDbProgram, ARunStartedToIgnoreHangupsCompletesThroughOne)
{
    QTemporaryDir dir;
    const std::string out = dir.filePath("futures.mdb").toStdString();
    // As nohup starts it: the program inherits the ignored signal.
    struct sigaction ignore {
    }, previous{};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGHUP, &ignore, &previous);
    const pid_t pid = startProgram({"sample", out}, dir.filePath("output.txt").toStdString());
    sigaction(SIGHUP, &previous, nullptr);
    ASSERT_GT(pid, 0);
    ASSERT_TRUE(waitUntilWriting(pid, out));
    kill(pid, SIGHUP);
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status)) << status;
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(queryRows(out, "SELECT Value FROM DatabaseInfo WHERE Name = 'SchemaVersion'"),
              (std::vector<std::vector<std::string>>{{"1"}}));
    EXPECT_TRUE(partialFiles(out).empty());
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

namespace {

// The sample and an import into out; the import's daily folder is empty, so it fails once it reads.
std::vector<std::vector<std::string>> writingCommands(const std::string &out, const std::string &dailyDir)
{
    std::filesystem::create_directories(dailyDir);
    return {{"sample", out}, {"import", out, "--daily", dailyDir}};
}

void makeSocket(const std::string &path)
{
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(path.size(), sizeof address.sun_path);
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    ASSERT_EQ(bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address), 0) << path;
    close(fd);
}

} // namespace

TEST(FuturesDbProgram, AnOutputThatIsNotARegularFileIsRefusedAndLeftAsItIs)
{
    namespace fs = std::filesystem;
    struct Case {
        const char *name;
        std::function<void(const std::string &out)> make;
        fs::file_type type; // what stands at OUT, before and after
        const char *kind;
    };
    const Case cases[] = {
        {"FIFO", [](const std::string &out) { ASSERT_EQ(mkfifo(out.c_str(), 0600), 0); }, fs::file_type::fifo,
         "a FIFO"},
        {"folder", [](const std::string &out) { fs::create_directory(out); }, fs::file_type::directory,
         "a folder"},
        {"socket", makeSocket, fs::file_type::socket, "a socket"},
        {"link to a FIFO",
         [](const std::string &out) {
             ASSERT_EQ(mkfifo((out + ".fifo").c_str(), 0600), 0);
             fs::create_symlink(out + ".fifo", out);
         },
         fs::file_type::symlink, "a link to a FIFO"},
    };
    for (const Case &c : cases) {
        QTemporaryDir dir;
        const std::string out = dir.filePath("prices.mdb").toStdString();
        c.make(out);
        for (const std::vector<std::string> &args :
             writingCommands(out, dir.filePath("daily").toStdString())) {
            SCOPED_TRACE(std::string(c.name) + ", " + args[0]);
            const ProgramRun run = runProgram(args, dir.path().toStdString());
            EXPECT_EQ(run.exitCode, 1);
            EXPECT_NE(run.errors.find("cannot write " + out + ": it is " + c.kind +
                                      ", not a regular file, and is left as it is; name a price file to "
                                      "make or to replace\n"),
                      std::string::npos)
                << run.errors;
            EXPECT_EQ(fs::symlink_status(out).type(), c.type);
            EXPECT_FALSE(fs::exists(fs::symlink_status(out + ".lock")));
            EXPECT_TRUE(partialFiles(out).empty());
        }
    }
}

TEST(FuturesDbProgram, OnlyTheTemporaryFilesOfRunsThatAreGoneAreRemoved)
{
    namespace fs = std::filesystem;
    QTemporaryDir dir;
    const std::string out = dir.filePath("prices.mdb").toStdString();
    for (const std::vector<std::string> &args : writingCommands(out, dir.filePath("daily").toStdString())) {
        SCOPED_TRACE(args[0]);
        const std::string gone = out + ".partial-" + std::to_string(gonePid());
        writeText(gone, "a stopped run's file");
        writeText(gone + "-2", "a stopped run's second file");
        // Entries of other names, or of a run that is still there, or not regular files: not the tool's.
        const std::vector<std::string> kept{out + ".partialbackup", out + ".partial-notes",
                                            out + ".partial-" + std::to_string(getpid()), gone + "-2-copy",
                                            gone + "-"};
        for (const std::string &path : kept)
            writeText(path, "the user's own");
        const std::string folder = out + ".partial-" + std::to_string(gonePid());
        fs::create_directory(folder);
        writeText(folder + "/inside.txt", "the user's own");
        const std::string link = out + ".partial-" + std::to_string(gonePid());
        writeText(out + ".target", "the user's own");
        fs::create_symlink(out + ".target", link);

        const ProgramRun run = runProgram(args, dir.path().toStdString());
        EXPECT_EQ(run.exitCode, args[0] == "sample" ? 0 : 1) << run.errors;
        EXPECT_FALSE(fs::exists(gone));
        EXPECT_FALSE(fs::exists(gone + "-2"));
        for (const std::string &path : kept)
            EXPECT_EQ(readText(path), "the user's own") << path;
        EXPECT_EQ(readText(folder + "/inside.txt"), "the user's own");
        EXPECT_EQ(fs::symlink_status(link).type(), fs::file_type::symlink);
        EXPECT_EQ(readText(out + ".target"), "the user's own");
        EXPECT_FALSE(fs::exists(out + ".lock"));
    }
}

TEST(FuturesDbProgram, ImportRefusesAnInputThatIsNoRegularFileAtOnce)
{
    struct Case {
        const char *name;
        const char *says;
    };
    const Case cases[] = {
        {"a link to /dev/zero",
         " (a link to /dev/zero) is a device, which the import does not read; save the "
         "data as a CSV file and name that file instead"},
        {"a FIFO nobody writes",
         " is a FIFO (a named pipe), which the import does not read; save the data as "
         "a CSV file and name that file instead"},
        {"a folder", " is a folder, not a CSV file; put the CSV file itself there under that name"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        CsvFixture fixture;
        const std::string oil = fixture.path("daily/Oil.csv");
        std::filesystem::remove(oil);
        int fifoEnd = -1;
        if (std::string(c.name).find("FIFO") != std::string::npos) {
            ASSERT_EQ(mkfifo(oil.c_str(), 0600), 0);
            // The test's end never writes: it only lets a program that opened the FIFO go on to read.
            fifoEnd = open(oil.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
            ASSERT_GE(fifoEnd, 0);
        } else if (std::string(c.name).find("folder") != std::string::npos) {
            std::filesystem::create_directory(oil);
        } else {
            std::filesystem::create_symlink("/dev/zero", oil);
        }
        const std::string out = fixture.path("futures.mdb"), errors = fixture.path("errors.txt");
        const pid_t pid = startProgram(importArgs(fixture, out), fixture.path("output.txt"), errors);
        ASSERT_GT(pid, 0);
        // A program that read the FIFO would wait on it for ever: once it holds it open, the test's end is
        // closed, so that it meets the end of the file, ends, and fails below.
        int status = 0;
        while (waitpid(pid, &status, WNOHANG) == 0) {
            if (fifoEnd >= 0 && holdsOpen(pid, oil)) {
                close(fifoEnd);
                fifoEnd = -1;
            }
            usleep(1000);
        }
        if (fifoEnd >= 0)
            close(fifoEnd);
        ASSERT_TRUE(WIFEXITED(status)) << status;
        EXPECT_EQ(WEXITSTATUS(status), 1);
        EXPECT_EQ(
            linesOf(readText(errors)),
            (std::vector<std::string>{oil + c.says, "futures-db: 1 errors; " + out + " was not written"}))
            << readText(errors);
        EXPECT_FALSE(std::filesystem::exists(out));
        EXPECT_FALSE(std::filesystem::exists(out + ".lock"));
        EXPECT_TRUE(partialFiles(out).empty());
    }
}

TEST(FuturesDbProgram, ImportNamesEachFileItLeavesAndListsItsErrorsAsTheCheckDoes)
{
    CsvFixture fixture;
    const std::string copper = fixture.path("daily/Copper.csv");
    writeText(copper, "Date,Open,High,Low,Close,Volume,OpenInterest\n1996-02-05,1,1,1,1,,\n");
    const std::string out = fixture.path("futures.mdb"), errors = fixture.path("errors.txt");
    const std::string warning =
        "futures-db: warning: " + copper + " is not imported: the import reads only " +
        "Cattle.csv, Gold.csv, Oil.csv, SP500.csv, Soybean.csv, TBond.csv from " + fixture.path("daily");
    const auto run = [&] {
        const pid_t pid = startProgram(importArgs(fixture, out), fixture.path("output.txt"), errors);
        int status = 0;
        waitpid(pid, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(linesOf(readText(errors)), std::vector<std::string>{warning});
    EXPECT_TRUE(std::filesystem::exists(out));

    std::string rows = futuresdbtest::kDailyHeader;
    for (int day = 1; day <= 500; ++day)
        rows += "1990-01-01,x,1,1,1,,\n";
    writeText(fixture.path("daily/Gold.csv"), rows);
    EXPECT_EQ(run(), 1);
    const std::vector<std::string> lines = linesOf(readText(errors));
    ASSERT_EQ(lines.size(), 1u + kViolationsListedPerRule + 2) << readText(errors);
    EXPECT_EQ(lines[0], warning);
    EXPECT_EQ(lines[1], fixture.path("daily/Gold.csv") + ":2: Open 'x' is not a number");
    EXPECT_EQ(lines[kViolationsListedPerRule + 1], "... and 480 more number errors");
    EXPECT_EQ(lines.back(), "futures-db: 500 errors; " + out + " was not written");
}
