#pragma once

#include "PriceData.h"

#include <functional>
#include <string>

namespace tarvello::futuresdb {

// Writes a complete price file: the fixed schema, the DatabaseInfo rows (password and schema version)
// and every row of data, in one transaction. The file is written next to path under a temporary name
// and renamed over path only when everything succeeded, so a failed run leaves any earlier file as it
// was. Returns false with a message in error. beforeCommit, when given, runs once every row is in the
// temporary file and before it is committed (a test ends the process there).
bool writePriceFile(const std::string &path, const PriceData &data, std::string &error,
                    const std::function<void()> &beforeCommit = {});

// Makes SIGINT and SIGTERM remove the temporary file of a write in progress before the process ends as
// the signal would, so that an interrupted run leaves nothing behind. A program calls it once.
void removePartialFileOnSignal();

} // namespace tarvello::futuresdb
