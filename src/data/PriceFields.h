#pragma once

#include "platform/db/Recordset.h"
#include "platform/db/Result.h"
#include "platform/db/RowStream.h"

#include <QString>

#include <cstdint>

namespace tarvello {

// The failure for a row whose field is missing (NULL) or is no number.
QString missingValueText(const char *table, QStringView field);
// The same, naming the row: the instrument and when ("on 1/12/1990", "at 2/6/1996 9:05:00 AM").
db::Status missingValue(const char *table, int32_t commodityId, const QString &when, QStringView field);

// Reads the numeric fields of a price table row, from the rows of a recordset or of a row stream. A
// value that is missing (NULL) or is no number ends the read with a failure that names the table and
// the field, instead of a made-up price.
template <typename Rows> class BasicPriceFieldReader {
public:
    BasicPriceFieldReader(const Rows &rows, const char *table) : rows_(rows), table_(table) {}

    // A field of the rows, looked up once by name; a field the table lacks reads as missing.
    struct Field {
        qsizetype index;
        QStringView name;
    };
    Field field(QStringView name) const { return {rows_.fieldIndex(name), name}; }

    // The field's value in the current row, or 0 once the read has failed.
    double required(const Field &field)
    {
        if (failed())
            return 0.0;
        bool ok = false;
        const double value = rows_.number(field.index, &ok);
        if (!ok) {
            failure_ = missingValueText(table_, field.name);
            failedField_ = field.name;
            return 0.0;
        }
        return value;
    }
    // The field's value, or `fallback` when it is NULL (the columns a table may leave empty).
    double optional(const Field &field, double fallback)
    {
        return rows_.fieldAt(field.index).isNull() ? fallback : required(field);
    }

    bool failed() const { return !failure_.isEmpty(); }
    db::Status status() const { return failed() ? db::Status::failure(failure_) : db::Status::success(); }
    // The field whose value ended the read.
    QStringView failedField() const { return failedField_; }

private:
    const Rows &rows_;
    const char *table_;
    QString failure_;
    QStringView failedField_;
};

using PriceFieldReader = BasicPriceFieldReader<db::Recordset>;
using StreamFieldReader = BasicPriceFieldReader<db::RowStream>;

// The failure of a query the loaders run, with the reason the database gave.
db::Status queryFailure(const QString &description);

// How the notices of a load name what they found: "Gold (CommodityID 2)", "1/2/1990",
// "1/2/1990 8:45:00 AM".
QString instrumentLabel(int32_t commodityId);
QString dayText(double serial);
QString momentText(double serial);

// A price the game keeps as a Single: false when the value lies beyond a 32-bit float's range, where
// it would show as "Infinity" and turn every figure it enters into "NaN".
bool fitsSingle(double value);
// The failure for a row whose field holds such a value: the table, the instrument, when, the field and
// the value.
db::Status beyondSingle(const char *table, int32_t commodityId, const QString &when, QStringView field,
                        double value);

} // namespace tarvello
