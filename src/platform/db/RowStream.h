#pragma once

#include "platform/db/Result.h"
#include "platform/db/Value.h"

#include <QString>
#include <QStringList>

struct sqlite3_stmt;

namespace tarvello::db {

// The rows of one read-only query, read one at a time as the engine finds them: for a reader that
// walks every row once, in the query's order, and needs no record count, so that no row is copied.
// Move-only; the query ends with close() or when the object goes, and must end before its database
// closes.
class RowStream {
public:
    RowStream() = default; // closed, no rows
    RowStream(RowStream &&other) noexcept;
    RowStream &operator=(RowStream &&other) noexcept;
    ~RowStream();

    // Moves to the next row; the first call moves to the first. False once there is no row left, or
    // when the engine failed to give the next one: status() tells which.
    bool next();
    // Success until stepping fails; then the failure, with the engine's reason.
    const Status &status() const { return status_; }

    const QStringList &fieldNames() const { return names_; }
    // The position of a named field (case-insensitive), or -1.
    qsizetype fieldIndex(QStringView name) const;
    // The field at a position of the current row; null when there is no current row or no such field.
    Value fieldAt(qsizetype index) const;
    // fieldAt(index).toDouble(ok), without making the value first: what readers of many rows ask.
    double number(qsizetype index, bool *ok) const;

    void close();

private:
    friend class Database;
    RowStream(sqlite3_stmt *statement, QStringList names);

    sqlite3_stmt *statement_ = nullptr;
    QStringList names_;
    bool onRow_ = false;
    Status status_ = Status::success();
};

} // namespace tarvello::db
