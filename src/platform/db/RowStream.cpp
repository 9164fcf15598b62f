#include "platform/db/RowStream.h"

#include "platform/db/EngineValue.h"

#include <sqlite3.h>

#include <cmath>
#include <utility>

namespace tarvello::db {

RowStream::RowStream(sqlite3_stmt *statement, QStringList names)
    : statement_(statement), names_(std::move(names))
{}

RowStream::RowStream(RowStream &&other) noexcept
    : statement_(std::exchange(other.statement_, nullptr)), names_(std::move(other.names_)),
      onRow_(std::exchange(other.onRow_, false)), status_(std::move(other.status_))
{}

RowStream &RowStream::operator=(RowStream &&other) noexcept
{
    if (this != &other) {
        close();
        statement_ = std::exchange(other.statement_, nullptr);
        names_ = std::move(other.names_);
        onRow_ = std::exchange(other.onRow_, false);
        status_ = std::move(other.status_);
    }
    return *this;
}

RowStream::~RowStream()
{
    close();
}

bool RowStream::next()
{
    onRow_ = false;
    if (!statement_ || !status_.ok())
        return false;
    const int rc = sqlite3_step(statement_);
    if (rc == SQLITE_ROW) {
        onRow_ = true;
        return true;
    }
    if (rc != SQLITE_DONE) {
        status_ = Status::failure(QStringLiteral("Could not read the price database (%1).")
                                      .arg(QString::fromUtf8(sqlite3_errmsg(sqlite3_db_handle(statement_)))));
    }
    // The query is done: its statement lets go of the database now rather than when the reader goes.
    sqlite3_finalize(statement_);
    statement_ = nullptr;
    return false;
}

qsizetype RowStream::fieldIndex(QStringView name) const
{
    for (qsizetype i = 0; i < names_.size(); ++i) {
        if (QStringView(names_[i]).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

Value RowStream::fieldAt(qsizetype index) const
{
    if (!onRow_ || index < 0 || index >= names_.size())
        return {};
    return engineValue(sqlite3_column_value(statement_, static_cast<int>(index)));
}

double RowStream::number(qsizetype index, bool *ok) const
{
    if (onRow_ && index >= 0 && index < names_.size()) {
        sqlite3_value *value = sqlite3_column_value(statement_, static_cast<int>(index));
        switch (sqlite3_value_type(value)) {
        case SQLITE_FLOAT:
            if (const double d = sqlite3_value_double(value); std::isfinite(d)) {
                *ok = true;
                return d;
            }
            break;
        case SQLITE_INTEGER:
            *ok = true;
            return static_cast<double>(sqlite3_value_int64(value));
        default:
            break;
        }
    }
    return fieldAt(index).toDouble(ok);
}

void RowStream::close()
{
    onRow_ = false;
    if (statement_) {
        sqlite3_finalize(statement_);
        statement_ = nullptr;
    }
}

} // namespace tarvello::db
