#pragma once

#include "OutputFile.h"
#include "PriceData.h"

#include <functional>
#include <memory>
#include <string>

namespace tarvello::futuresdb {

// Writes a complete price file: the fixed schema, the DatabaseInfo rows (password, schema version and origin)
// and every row of data, in one transaction. The file is written beside the output under a temporary
// name of this run's own (see PartialFile), flushed to disk and renamed over the output only when
// everything succeeded, and the folder flushed after it (through fileSystem, the real one when null), so
// a failed run, or a power loss, leaves any earlier file as it was. The caller holds the output's lock.
// Returns false with a message in error. beforeCommit, when given, runs once every row is in the
// temporary file and before it is committed (a test ends the process there).
bool writePriceFile(const OutputLock &lock, const PriceData &data, std::string &error,
                    const std::function<void()> &beforeCommit = {}, FileSystem *fileSystem = nullptr);

// A price file written one row at a time, so that an import of any size holds no more than a row in
// memory: the rows go into the temporary file of writePriceFile as they come, and finish() commits the
// file and puts it in place as writePriceFile does. Ended without finish(), the temporary file is
// removed and any earlier file is left as it was. The caller holds the output's lock throughout.
class PriceFileWriter {
public:
    // origin, when not empty, is written as the DatabaseInfo Origin row (the sample's mark).
    explicit PriceFileWriter(const OutputLock &lock, const std::string &origin = {});
    ~PriceFileWriter();
    PriceFileWriter(const PriceFileWriter &) = delete;
    PriceFileWriter &operator=(const PriceFileWriter &) = delete;

    // False once a step failed; error() says why, and nothing more is written.
    bool ok() const { return m_error.empty(); }
    const std::string &error() const { return m_error; }

    // Each adds one row and returns 0, or, for a row whose key (instrument and day, instrument and
    // moment, day and instrument, release day, time and title) is already in the file, leaves it out and
    // returns the source line of the row that holds the key. line is the row's line in its source, 1 or
    // more; with 0 such a row fails the write instead.
    int add(const DailyRow &row, int line = 0);
    int add(const TickRow &row, int line = 0);
    int add(const StoryRow &row, int line = 0);
    int add(const ReleaseRow &row, int line = 0);
    void addTickDay(int day);

    const PriceCounts &counts() const { return m_counts; }

    // Commits the rows and puts the file in place (through fileSystem, the real one when null); see
    // writePriceFile for beforeCommit. Returns false with a message in error().
    bool finish(const std::function<void()> &beforeCommit = {}, FileSystem *fileSystem = nullptr);

private:
    struct Database;
    template <typename... Values> int insert(int table, int line, const Values &...values);

    std::unique_ptr<PartialFile> m_temporary;
    std::unique_ptr<Database> m_db;
    std::string m_error;
    PriceCounts m_counts;
};

// The same, taking the lock on path for the write; a write already running into path refuses it.
bool writePriceFile(const std::string &path, const PriceData &data, std::string &error,
                    const std::function<void()> &beforeCommit = {});

} // namespace tarvello::futuresdb
