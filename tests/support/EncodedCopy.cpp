#include "support/EncodedCopy.h"

#include <QFile>

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <string>
#include <vector>

namespace tarvello::test {

namespace {

bool run(sqlite3 *db, const std::string &sql)
{
    char *message = nullptr;
    const bool ok = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message) == SQLITE_OK;
    if (!ok)
        ADD_FAILURE() << "encoded copy: " << (message ? message : "") << "\n" << sql;
    sqlite3_free(message);
    return ok;
}

std::string quoted(const std::string &text, char quote)
{
    std::string result(1, quote);
    for (char c : text) {
        result += c;
        if (c == quote)
            result += c;
    }
    return result + quote;
}

// Every row of `table` from `source` into the same table of `target`, value by value: SQLite converts
// each text into the target's encoding as it binds it.
bool copyRows(sqlite3 *source, sqlite3 *target, const std::string &table)
{
    sqlite3_stmt *read = nullptr, *write = nullptr;
    bool ok = sqlite3_prepare_v2(source, ("SELECT * FROM " + quoted(table, '"')).c_str(), -1, &read,
                                 nullptr) == SQLITE_OK;
    const int columns = ok ? sqlite3_column_count(read) : 0;
    std::string insert = "INSERT INTO " + quoted(table, '"') + " VALUES (";
    for (int i = 0; i < columns; ++i)
        insert += i ? ", ?" : "?";
    ok = ok && sqlite3_prepare_v2(target, (insert + ")").c_str(), -1, &write, nullptr) == SQLITE_OK;
    while (ok && sqlite3_step(read) == SQLITE_ROW) {
        for (int i = 0; i < columns; ++i)
            sqlite3_bind_value(write, i + 1, sqlite3_column_value(read, i));
        ok = sqlite3_step(write) == SQLITE_DONE && sqlite3_reset(write) == SQLITE_OK;
    }
    if (!ok)
        ADD_FAILURE() << "encoded copy of " << table << ": " << sqlite3_errmsg(target);
    sqlite3_finalize(read);
    sqlite3_finalize(write);
    return ok;
}

} // namespace

bool copyInEncoding(const QString &from, const QString &to, const char *encoding)
{
    sqlite3 *source = nullptr, *target = nullptr;
    bool ok = sqlite3_open_v2(QFile::encodeName(from).constData(), &source, SQLITE_OPEN_READONLY, nullptr) ==
                  SQLITE_OK &&
              sqlite3_open_v2(QFile::encodeName(to).constData(), &target,
                              SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) == SQLITE_OK;
    // The encoding is fixed by the first table made.
    ok = ok && run(target, std::string("PRAGMA encoding = '") + encoding + "'");
    struct Object {
        std::string type, name, sql;
    };
    std::vector<Object> objects;
    sqlite3_stmt *s = nullptr;
    // Tables first, so that indexes and views find them.
    if (ok && sqlite3_prepare_v2(source,
                                 "SELECT type, name, sql FROM sqlite_master WHERE sql IS NOT NULL "
                                 "ORDER BY type <> 'table', rowid",
                                 -1, &s, nullptr) == SQLITE_OK) {
        while (sqlite3_step(s) == SQLITE_ROW) {
            objects.push_back({reinterpret_cast<const char *>(sqlite3_column_text(s, 0)),
                               reinterpret_cast<const char *>(sqlite3_column_text(s, 1)),
                               reinterpret_cast<const char *>(sqlite3_column_text(s, 2))});
        }
    }
    sqlite3_finalize(s);
    ok = ok && run(target, "BEGIN");
    for (const Object &o : objects) {
        ok = ok && run(target, o.sql);
        if (o.type == "table")
            ok = ok && copyRows(source, target, o.name);
    }
    ok = ok && run(target, "COMMIT");
    if (!ok)
        ADD_FAILURE() << "encoded copy of " << from.toStdString() << " into " << to.toStdString()
                      << " failed";
    sqlite3_close(source);
    sqlite3_close(target);
    return ok;
}

} // namespace tarvello::test
