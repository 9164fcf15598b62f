#include "Sample.h"

#include "platform/db/Database.h"

#include <sqlite3.h>

#include <sys/stat.h>

namespace tarvello::futuresdb {

bool isSampleFile(const std::string &path)
{
    // Opening a FIFO would wait for a writer.
    struct stat target {};
    if (stat(path.c_str(), &target) != 0 || !S_ISREG(target.st_mode))
        return false;
    // immutable: SQLite takes no lock and makes no journal or shared-memory file beside it.
    const QByteArray uri = db::immutableFileUri(QString::fromStdString(path));
    sqlite3 *db = nullptr;
    bool sample = false;
    if (sqlite3_open_v2(uri.constData(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr) == SQLITE_OK) {
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
