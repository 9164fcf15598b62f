#include "ProgramRun.h"

#include "futures-db/PriceFile.h"
#include "futures-db/Sample.h"

#include <QTemporaryDir>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

using namespace tarvello::futuresdb;
using namespace futuresdbtest;

namespace fs = std::filesystem;

namespace {

// A small price file, as an import writes it (no origin), or marked as a sample.
void writeSmallFile(const std::string &path, const std::string &origin)
{
    PriceData data;
    data.origin = origin;
    data.daily = {{3, 35100, 1, 1, 20, 21, 19, 20.5}};
    std::string error;
    ASSERT_TRUE(writePriceFile(path, data, error)) << error;
}

std::set<std::string> entriesOf(const std::string &folder)
{
    std::set<std::string> names;
    for (const auto &entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

} // namespace

// The build runs "futures-db sample --keep-imported" to make the game's futures.mdb.
TEST(SampleBuild, TheBuildWritesTheSampleOnlyWhereNoFileOrASampleStands)
{
    struct Case {
        const char *name;
        const char *origin; // what stands at OUT: null for nothing, "text" for a file that is no database
        bool keepImported;  // the build's way; without it, the sample is written over anything
        bool replaced;
    };
    const Case cases[] = {
        {"nothing", nullptr, true, true},
        {"an imported file", "", true, false},
        {"a file that is no database", "text", true, false},
        {"a sample of another build", kSampleOrigin, true, true},
        {"an imported file, by the user's own command", "", false, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const std::string out = dir.filePath("futures.mdb").toStdString();
        if (c.origin && std::string(c.origin) == "text")
            writeText(out, "the player's notes");
        else if (c.origin)
            writeSmallFile(out, c.origin);
        const std::string before = readText(out);
        const auto changed = fs::exists(out) ? fs::last_write_time(out) : fs::file_time_type();
        const std::set<std::string> entries = entriesOf(dir.path().toStdString());

        std::vector<std::string> args{"sample", out};
        if (c.keepImported)
            args.insert(args.begin() + 1, "--keep-imported");
        const ProgramRun run = runProgram(args, dir.path().toStdString());
        EXPECT_EQ(run.exitCode, 0) << run.errors;
        if (c.replaced) {
            EXPECT_EQ(queryRows(out, "SELECT count(*) > 20000 FROM DailyData"),
                      (std::vector<std::vector<std::string>>{{"1"}}));
            EXPECT_EQ(queryRows(out, "SELECT Value FROM DatabaseInfo WHERE Name = 'Origin'"),
                      (std::vector<std::vector<std::string>>{{kSampleOrigin}}));
            EXPECT_TRUE(isSampleFile(out));
        } else {
            EXPECT_EQ(run.output, out +
                                      " is not the sample (a price file you imported, or another file): left "
                                      "as it is; to put the sample there, run futures-db sample " +
                                      out + ", or remove it and build again\n");
            EXPECT_TRUE(readText(out) == before); // not the whole file when it fails
            EXPECT_EQ(fs::last_write_time(out), changed);
            EXPECT_EQ(entriesOf(dir.path().toStdString()), entries); // nothing made beside it
        }
        EXPECT_TRUE(partialFiles(out).empty());
        EXPECT_FALSE(fs::exists(out + ".lock"));
    }
}
