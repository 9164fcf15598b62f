#pragma once

#include "OutputFile.h"
#include "PriceData.h"

#include <functional>
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

// The same, taking the lock on path for the write; a write already running into path refuses it.
bool writePriceFile(const std::string &path, const PriceData &data, std::string &error,
                    const std::function<void()> &beforeCommit = {});

} // namespace tarvello::futuresdb
