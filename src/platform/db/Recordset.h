#pragma once

#include "platform/db/Result.h"
#include "platform/db/Value.h"

#include <QString>
#include <QStringList>

#include <deque>

namespace tarvello::db {

// A read-only set of rows, taken whole from the database when it is opened, in the query's order.
// Its record count is the rows visited so far (0 when empty, 1 right after a non-empty set is opened,
// every row after moveLast). Moves and reads outside the rows are safe: a move past the end fails with
// a description and changes nothing, a field read with no current row gives null.
class Recordset {
public:
    Recordset() = default; // closed
    // The rows one after the other in one list, each with as many values as there are field names.
    Recordset(QStringList fieldNames, std::deque<Value> values);

    bool isOpen() const { return open_; }
    // True when there is no current row: an empty set, past the last row, or closed.
    bool eof() const { return position_ >= rowCount_; }
    int recordCount() const { return static_cast<int>(visited_); }

    // Harmless on an empty set.
    Status moveFirst();
    Status moveLast();
    // Fails, changing nothing, when there is no current row.
    Status moveNext();

    // The named field of the current row (names are case-insensitive); null when there is no current
    // row or no such field.
    Value field(QStringView name) const;
    bool hasField(QStringView name) const { return fieldIndex(name) >= 0; }
    const QStringList &fieldNames() const { return names_; }
    // The position of a named field (case-insensitive), or -1, and the field at a position of the
    // current row (null when there is none): for readers that walk many rows, so that the names are
    // looked up once. The reference lasts until the next move.
    qsizetype fieldIndex(QStringView name) const;
    const Value &fieldAt(qsizetype index) const;
    // fieldAt(index).toDouble(ok).
    double number(qsizetype index, bool *ok) const { return fieldAt(index).toDouble(ok); }

    void close();

private:
    void visit();

    bool open_ = false;
    QStringList names_;
    std::deque<Value> values_; // row after row, in blocks: no large reallocations
    size_t columns_ = 0;
    size_t rowCount_ = 0;
    size_t position_ = 0;
    size_t visited_ = 0;
};

} // namespace tarvello::db
