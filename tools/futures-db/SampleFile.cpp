#include "Sample.h"

#include <sqlite3.h>

#include <sys/stat.h>

namespace tarvello::futuresdb {

namespace {

// path as an SQLite file name in URI form: the characters that end or escape a URI path are escaped.
std::string fileUri(const std::string &path)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string uri = "file:";
    for (const char c : path) {
        if (c == '%' || c == '?' || c == '#') {
            uri += '%';
            uri += hex[static_cast<unsigned char>(c) >> 4];
            uri += hex[static_cast<unsigned char>(c) & 15];
        } else {
            uri += c;
        }
    }
    return uri;
}

} // namespace

bool isSampleFile(const std::string &path)
{
    // Opening a FIFO would wait for a writer.
    struct stat target {};
    if (stat(path.c_str(), &target) != 0 || !S_ISREG(target.st_mode))
        return false;
    // immutable: SQLite takes no lock and makes no journal or shared-memory file beside it.
    sqlite3 *db = nullptr;
    const std::string uri = fileUri(path) + "?immutable=1";
    bool sample = false;
    if (sqlite3_open_v2(uri.c_str(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr) == SQLITE_OK) {
        sqlite3_stmt *query = nullptr;
        if (sqlite3_prepare_v2(db, "SELECT Value FROM DatabaseInfo WHERE Name = ?", -1, &query, nullptr) ==
            SQLITE_OK) {
            sqlite3_bind_text(query, 1, kOriginInfoName, -1, SQLITE_STATIC);
            if (sqlite3_step(query) == SQLITE_ROW) {
                const auto *value = reinterpret_cast<const char *>(sqlite3_column_text(query, 0));
                sample = value && std::string(value) == kSampleOrigin;
            }
        }
        sqlite3_finalize(query);
    }
    sqlite3_close(db);
    return sample;
}

} // namespace tarvello::futuresdb
