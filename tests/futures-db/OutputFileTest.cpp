#include "FuturesDbTestSupport.h"

#include "futures-db/OutputFile.h"
#include "futures-db/PriceFile.h"

#include <QTemporaryDir>

#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

using namespace tarvello::futuresdb;
using namespace futuresdbtest;

namespace fs = std::filesystem;

namespace {

PriceData oneDay()
{
    PriceData data;
    data.daily = {{3, 35100, 1, 1, 20, 21, 19, 20.5}};
    return data;
}

// What a lock file of futures-db holds.
const std::string kLockFileText = "futures-db lock\n";

} // namespace

TEST(OutputLock, OnlyALockFileOfTheToolIsLockedAndRemoved)
{
    struct Case {
        const char *name;
        std::function<void(const std::string &lock)> make; // what stands at OUT.lock before the run
        const char *kind;                                  // how the refusal names it; null: the run writes
    };
    const Case cases[] = {
        {"nothing", [](const std::string &) {}, nullptr},
        {"a lock file a stopped run left", [](const std::string &lock) { writeText(lock, kLockFileText); },
         nullptr},
        {"a file of the user's", [](const std::string &lock) { writeText(lock, "my notes\n"); },
         "a file that is not a lock file of futures-db"},
        {"an empty file", [](const std::string &lock) { writeText(lock, ""); },
         "a file that is not a lock file of futures-db"},
        {"a folder", [](const std::string &lock) { fs::create_directory(lock); },
         "a folder, not a lock file of futures-db"},
        {"a FIFO", [](const std::string &lock) { ASSERT_EQ(mkfifo(lock.c_str(), 0600), 0); },
         "a FIFO, not a lock file of futures-db"},
        {"a link that leads nowhere",
         [](const std::string &lock) { fs::create_symlink(lock + ".target", lock); },
         "a symbolic link, not a lock file of futures-db"},
        {"a link to a lock file",
         [](const std::string &lock) {
             writeText(lock + ".target", kLockFileText);
             fs::create_symlink(lock + ".target", lock);
         },
         "a symbolic link, not a lock file of futures-db"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const std::string out = dir.filePath("prices.mdb").toStdString();
        const std::string lock = out + ".lock";
        writeText(out, "the previous file");
        c.make(lock);
        const fs::file_type before = fs::symlink_status(lock).type();
        const std::string textBefore = before == fs::file_type::regular ? readText(lock) : std::string();

        std::string error;
        const bool written = writePriceFile(out, oneDay(), error);
        EXPECT_TRUE(partialFiles(out).empty());
        if (!c.kind) {
            EXPECT_TRUE(written) << error;
            EXPECT_FALSE(fs::exists(fs::symlink_status(lock)));
            continue;
        }
        EXPECT_FALSE(written);
        EXPECT_EQ(error, "cannot write " + out + ": " + lock + " is in the way: it is " + c.kind +
                             "; move it away and run again");
        EXPECT_EQ(readText(out), "the previous file");
        EXPECT_EQ(fs::symlink_status(lock).type(), before);
        if (before == fs::file_type::regular) {
            EXPECT_EQ(readText(lock), textBefore);
        }
        if (std::string(c.name) == "a link that leads nowhere") {
            EXPECT_FALSE(fs::exists(fs::symlink_status(lock + ".target")));
        }
        if (std::string(c.name) == "a link to a lock file") {
            EXPECT_EQ(readText(lock + ".target"), kLockFileText);
        }
    }
}

TEST(OutputLock, ALockFileThatLostItsNameIsNotHeld)
{
    // Between the opening of the lock file and its lock, another run ends (removing the name) and a
    // third takes the lock on a new file of that name: the file opened first is locked, but no longer
    // the one the name gives, so it counts for nothing.
    QTemporaryDir dir;
    const std::string out = dir.filePath("prices.mdb").toStdString();
    std::optional<OutputLock> third;
    const OutputLock lock(out, [&] {
        if (third)
            return;
        fs::remove(out + ".lock");
        third.emplace(out);
    });
    ASSERT_TRUE(third && third->held()) << third->error();
    EXPECT_FALSE(lock.held());
    EXPECT_EQ(lock.error(), "cannot write " + out + ": another run of futures-db is writing it (it holds " +
                                out + ".lock); run again once it has ended");
}

TEST(OutputLock, ALockFileReplacedWhileTheRunWritesIsLeftToItsNewOwner)
{
    QTemporaryDir dir;
    const std::string out = dir.filePath("prices.mdb").toStdString();
    const std::string lock = out + ".lock";
    std::string error;
    EXPECT_TRUE(writePriceFile(out, oneDay(), error, [&] {
        fs::remove(lock);
        writeText(lock, "my notes\n");
    })) << error;
    EXPECT_EQ(readText(lock), "my notes\n");
}

TEST(PartialFile, AnOutputThatBecomesAFifoWhileTheRunWritesIsLeftAsItIs)
{
    QTemporaryDir dir;
    const std::string out = dir.filePath("prices.mdb").toStdString();
    std::string error;
    EXPECT_FALSE(writePriceFile(out, oneDay(), error, [&] { ASSERT_EQ(mkfifo(out.c_str(), 0600), 0); }));
    EXPECT_EQ(error,
              "cannot write " + out +
                  ": it is a FIFO, not a regular file, and is left as it is; name a price file to make or "
                  "to replace");
    EXPECT_EQ(fs::symlink_status(out).type(), fs::file_type::fifo);
    EXPECT_TRUE(partialFiles(out).empty());
    EXPECT_FALSE(fs::exists(out + ".lock"));
}
