#pragma once

#include "PriceData.h"

#include <string>

namespace tarvello::futuresdb {

// Writes a complete price file: the fixed schema, the DatabaseInfo rows (password and schema version)
// and every row of data, in one transaction. The file is written next to path under a temporary name
// and renamed over path only when everything succeeded, so a failed run leaves any earlier file as it
// was. Returns false with a message in error.
bool writePriceFile(const std::string &path, const PriceData &data, std::string &error);

} // namespace tarvello::futuresdb
