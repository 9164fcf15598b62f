#pragma once

#include <QString>

namespace tarvello::test {

// Copies the SQLite file at `from` into a new file at `to` that stores its texts in `encoding`
// ("UTF-8", "UTF-16le" or "UTF-16be"): the same tables, indexes, views and rows. The source must not be
// in the middle of a write. Failures are reported to GoogleTest; false then.
bool copyInEncoding(const QString &from, const QString &to, const char *encoding);

} // namespace tarvello::test
