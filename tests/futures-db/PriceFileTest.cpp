#include "ProgramRun.h"

#include "futures-db/CsvImport.h"
#include "futures-db/OutputFile.h"
#include "futures-db/PriceFile.h"

#include <QTemporaryDir>

#include <filesystem>
#include <string>
#include <vector>

using namespace tarvello::futuresdb;
using namespace futuresdbtest;

namespace {

// Records the calls that put a file in place, each made for real unless it is the one to fail.
class RecordingFileSystem : public FileSystem {
public:
    std::vector<std::string> calls;
    std::string failing; // "sync-file", "rename" or "sync-folder"
    std::vector<std::vector<std::string>> rowsWhenSynced;

    std::string syncFile(const std::string &path) override
    {
        // What the flush makes durable: the file must be complete by then.
        rowsWhenSynced = queryRows(path, "SELECT Name, Value FROM DatabaseInfo ORDER BY Name");
        return call("sync-file " + path, "sync-file", [&] { return FileSystem::syncFile(path); });
    }
    std::string rename(const std::string &from, const std::string &to) override
    {
        return call("rename " + from + " " + to, "rename", [&] { return FileSystem::rename(from, to); });
    }
    std::string syncFolder(const std::string &path) override
    {
        return call("sync-folder " + path, "sync-folder", [&] { return FileSystem::syncFolder(path); });
    }

private:
    template <typename Real> std::string call(const std::string &record, const std::string &name, Real real)
    {
        calls.push_back(record);
        return name == failing ? std::string("the disk is on fire") : real();
    }
};

PriceData oneDay()
{
    PriceData data;
    data.daily = {{3, 35100, 1, 1, 20, 21, 19, 20.5}};
    return data;
}

} // namespace

TEST(PriceFile, TheNewFileIsFlushedBeforeItsRenameAndTheFolderAfter)
{
    QTemporaryDir dir;
    const std::string out = dir.filePath("futures.mdb").toStdString();
    writeText(out, "the previous file");
    RecordingFileSystem fileSystem;
    std::string error;
    std::vector<std::string> partial;
    {
        const OutputLock lock(out);
        ASSERT_TRUE(lock.held()) << lock.error();
        ASSERT_TRUE(writePriceFile(
            lock, oneDay(), error, [&] { partial = partialFiles(out); }, &fileSystem))
            << error;
    }
    ASSERT_EQ(partial.size(), 1u);
    EXPECT_EQ(fileSystem.calls,
              (std::vector<std::string>{"sync-file " + partial[0], "rename " + partial[0] + " " + out,
                                        "sync-folder " + dir.path().toStdString()}));
    EXPECT_EQ(fileSystem.rowsWhenSynced,
              (std::vector<std::vector<std::string>>{{"Password", "kxq"}, {"SchemaVersion", "1"}}));
    EXPECT_EQ(queryRows(out, "SELECT [Close] FROM DailyData"),
              (std::vector<std::vector<std::string>>{{"20.5"}}));
    EXPECT_TRUE(partialFiles(out).empty());
    EXPECT_FALSE(std::filesystem::exists(out + ".lock"));
}

TEST(PriceFile, AFailedFlushOrRenameKeepsThePreviousFile)
{
    struct Case {
        const char *failing;
        const char *error;     // how the message starts, after the path it names
        bool replaced;         // whether the new file is in place
        std::size_t callCount; // the calls made, up to the failing one
    };
    const Case cases[] = {
        {"sync-file", " to disk: the disk is on fire", false, 1},
        {"rename", ": the disk is on fire", false, 2},
        {"sync-folder", " to disk (", true, 3},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.failing);
        QTemporaryDir dir;
        const std::string out = dir.filePath("futures.mdb").toStdString();
        writeText(out, "the previous file");
        RecordingFileSystem fileSystem;
        fileSystem.failing = c.failing;
        std::string error;
        {
            const OutputLock lock(out);
            EXPECT_FALSE(writePriceFile(lock, oneDay(), error, {}, &fileSystem));
        }
        EXPECT_NE(error.find(c.error), std::string::npos) << error;
        EXPECT_EQ(fileSystem.calls.size(), c.callCount);
        if (c.replaced)
            EXPECT_EQ(queryRows(out, "SELECT count(*) FROM DailyData"),
                      (std::vector<std::vector<std::string>>{{"1"}}));
        else
            EXPECT_EQ(readText(out), "the previous file");
        EXPECT_TRUE(partialFiles(out).empty());
    }
}

TEST(PriceFile, AWriteIntoAnOutputAnotherRunHoldsIsRefusedAndTouchesNothing)
{
    QTemporaryDir dir;
    for (const char *sub : {"daily", "ticks", "news"})
        std::filesystem::create_directories(dir.filePath(sub).toStdString());
    const std::string out = dir.filePath("futures.mdb").toStdString();
    writeText(out, "the previous file");
    const std::string refusal = "cannot write " + out +
                                ": another run of futures-db is writing it (it holds " + out +
                                ".lock); run again once it has ended";
    {
        const OutputLock first(out);
        ASSERT_TRUE(first.held()) << first.error();
        // The temporary file of a run that has stopped, which the second must leave alone while the first
        // holds the lock.
        const std::string stopped = out + ".partial-" + std::to_string(gonePid());
        writeText(stopped, "being written");

        const OutputLock second(out);
        EXPECT_FALSE(second.held());
        EXPECT_EQ(second.error(), refusal);

        std::string error;
        EXPECT_FALSE(writePriceFile(out, oneDay(), error));
        EXPECT_EQ(error, refusal);

        const ImportSources sources{dir.filePath("daily").toStdString(), {}, {}};
        EXPECT_EQ(importCsvToFile(sources, out), std::vector<std::string>{refusal});

        EXPECT_EQ(readText(out), "the previous file");
        EXPECT_EQ(readText(stopped), "being written");
        EXPECT_TRUE(std::filesystem::exists(out + ".lock"));
    }
    // Once the first run has ended, the next one may write; the file the stopped run left goes.
    std::string error;
    EXPECT_TRUE(writePriceFile(out, oneDay(), error)) << error;
    EXPECT_TRUE(partialFiles(out).empty());
    EXPECT_FALSE(std::filesystem::exists(out + ".lock"));
}
