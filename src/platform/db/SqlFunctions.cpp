#include "platform/db/SqlFunctions.h"

#include "common/VbDate.h"

#include <QString>

#include <sqlite3.h>

#include <cmath>

namespace tarvello::db {

namespace {

// Splits "2/1/1996 9:00 AM" into its date and its time; either may be missing.
struct DateTimeParts {
    std::optional<double> day;
    std::optional<double> time;
};

DateTimeParts splitDateTime(QStringView text)
{
    const QStringView t = text.trimmed();
    DateTimeParts parts;
    if (const QDate d = vb::parseDate(t); d.isValid()) {
        parts.day = vb::toSerial(d);
        return parts;
    }
    if (const double time = vb::parseTime(t); time >= 0.0) {
        parts.time = time;
        return parts;
    }
    const qsizetype blank = t.indexOf(QLatin1Char(' '));
    if (blank < 0)
        return parts;
    const QDate d = vb::parseDate(t.left(blank));
    const double time = vb::parseTime(t.mid(blank + 1));
    if (d.isValid() && time >= 0.0) {
        parts.day = vb::toSerial(d);
        parts.time = time;
    }
    return parts;
}

// One conversion function: how it reads a number and how it reads a text.
struct Conversion {
    double (*fromSerial)(double);
    std::optional<double> (*fromText)(QStringView);
};

double wholeDay(double serial)
{
    return std::floor(serial);
}

const Conversion kDateValue{wholeDay, dateValueOf};
const Conversion kTimeValue{vb::timeOfDay, timeValueOf};

void conversionFunction(sqlite3_context *context, int, sqlite3_value **args)
{
    const auto *conversion = static_cast<const Conversion *>(sqlite3_user_data(context));
    sqlite3_value *x = args[0];
    std::optional<double> result;
    switch (sqlite3_value_type(x)) {
    case SQLITE_INTEGER:
    case SQLITE_FLOAT:
        if (const double serial = sqlite3_value_double(x); std::isfinite(serial))
            result = conversion->fromSerial(serial);
        break;
    case SQLITE_TEXT: {
        const auto *bytes = reinterpret_cast<const char *>(sqlite3_value_text(x));
        result = conversion->fromText(QString::fromUtf8(bytes, sqlite3_value_bytes(x)));
        break;
    }
    default:
        break;
    }
    if (result)
        sqlite3_result_double(context, *result);
    else
        sqlite3_result_null(context);
}

} // namespace

std::optional<double> dateValueOf(QStringView text)
{
    return splitDateTime(text).day;
}

std::optional<double> timeValueOf(QStringView text)
{
    const DateTimeParts parts = splitDateTime(text);
    if (parts.time)
        return parts.time;
    if (parts.day)
        return 0.0; // a date alone is midnight
    return std::nullopt;
}

bool registerDateFunctions(sqlite3 *connection)
{
    constexpr int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    auto add = [connection](const char *name, const Conversion &conversion) {
        return sqlite3_create_function_v2(connection, name, 1, flags, const_cast<Conversion *>(&conversion),
                                          conversionFunction, nullptr, nullptr, nullptr) == SQLITE_OK;
    };
    return add("DateValue", kDateValue) && add("timevalue", kTimeValue);
}

} // namespace tarvello::db
