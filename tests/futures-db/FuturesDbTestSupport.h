#pragma once

#include "futures-db/PriceCheck.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace futuresdbtest {

inline void writeText(const std::string &path, const std::string &text)
{
    std::ofstream(path, std::ios::binary) << text;
}

inline std::string readText(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs SQL on a price file, failing the test when it does not run.
inline void execSql(const std::string &path, const std::string &sql)
{
    sqlite3 *db = nullptr;
    sqlite3_open(path.c_str(), &db);
    char *message = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK)
        ADD_FAILURE() << "SQL failed: " << (message ? message : "") << "\n" << sql;
    sqlite3_free(message);
    sqlite3_close(db);
}

// The rows of a query, each value as its text (null as "NULL").
inline std::vector<std::vector<std::string>> queryRows(const std::string &path, const std::string &sql)
{
    std::vector<std::vector<std::string>> rows;
    sqlite3 *db = nullptr;
    sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt *s = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &s, nullptr) != SQLITE_OK)
        ADD_FAILURE() << "SQL failed: " << sqlite3_errmsg(db) << "\n" << sql;
    while (s && sqlite3_step(s) == SQLITE_ROW) {
        std::vector<std::string> row;
        for (int i = 0; i < sqlite3_column_count(s); ++i) {
            const auto *text = sqlite3_column_text(s, i);
            row.push_back(text ? reinterpret_cast<const char *>(text) : "NULL");
        }
        rows.push_back(row);
    }
    sqlite3_finalize(s);
    sqlite3_close(db);
    return rows;
}

// The temporary files beside an output (OUT.partial-...), by path.
inline std::vector<std::string> partialFiles(const std::string &out)
{
    namespace fs = std::filesystem;
    const std::string prefix = fs::path(out).filename().string() + ".partial";
    std::vector<std::string> found;
    for (const auto &entry : fs::directory_iterator(fs::path(out).parent_path()))
        if (entry.path().filename().string().rfind(prefix, 0) == 0)
            found.push_back(entry.path().string());
    return found;
}

inline std::string listed(const std::vector<tarvello::futuresdb::Violation> &violations)
{
    std::string text;
    for (const auto &v : violations)
        text += "  " + v.rule + ": " + v.message + "\n";
    return text.empty() ? "  (none)\n" : text;
}

inline bool hasViolation(const std::vector<tarvello::futuresdb::Violation> &violations,
                         const std::string &rule, const std::string &fragment)
{
    for (const auto &v : violations)
        if (v.rule == rule && v.message.find(fragment) != std::string::npos)
            return true;
    return false;
}

inline bool hasText(const std::vector<std::string> &lines, const std::string &fragment)
{
    for (const std::string &l : lines)
        if (l.find(fragment) != std::string::npos)
            return true;
    return false;
}

} // namespace futuresdbtest
