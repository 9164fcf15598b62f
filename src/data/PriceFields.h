#pragma once

#include "platform/db/Recordset.h"
#include "platform/db/Result.h"

#include <QString>

namespace tarvello {

// Reads the numeric fields of a price table row. A value that is missing (NULL) or is no number ends
// the read with a failure that names the table and the field, instead of a made-up price.
class PriceFieldReader {
public:
    PriceFieldReader(const db::Recordset &rows, const char *table) : rows_(rows), table_(table) {}

    // A field of the rows, looked up once by name; a field the table lacks reads as missing.
    struct Field {
        qsizetype index;
        QStringView name;
    };
    Field field(QStringView name) const { return {rows_.fieldIndex(name), name}; }

    // The field's value in the current row, or 0 once the read has failed.
    double required(const Field &field);
    // The field's value, or `fallback` when it is NULL (the columns a table may leave empty).
    double optional(const Field &field, double fallback);

    bool failed() const { return !failure_.isEmpty(); }
    db::Status status() const { return failed() ? db::Status::failure(failure_) : db::Status::success(); }

private:
    const db::Recordset &rows_;
    const char *table_;
    QString failure_;
};

// The failure of a query the loaders run, with the reason the database gave.
db::Status queryFailure(const QString &description);

} // namespace tarvello
