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

void dateValueFunction(sqlite3_context *context, int, sqlite3_value **args)
{
    sqlite3_value *x = args[0];
    switch (sqlite3_value_type(x)) {
    case SQLITE_INTEGER:
    case SQLITE_FLOAT: {
        const double serial = sqlite3_value_double(x);
        if (std::isfinite(serial))
            sqlite3_result_double(context, std::floor(serial));
        else
            sqlite3_result_null(context);
        return;
    }
    case SQLITE_TEXT: {
        const auto *bytes = reinterpret_cast<const char *>(sqlite3_value_text(x));
        const auto day = dateValueOf(QString::fromUtf8(bytes, sqlite3_value_bytes(x)));
        if (day)
            sqlite3_result_double(context, *day);
        else
            sqlite3_result_null(context);
        return;
    }
    default:
        sqlite3_result_null(context);
        return;
    }
}

void timeValueFunction(sqlite3_context *context, int, sqlite3_value **args)
{
    sqlite3_value *x = args[0];
    switch (sqlite3_value_type(x)) {
    case SQLITE_INTEGER:
    case SQLITE_FLOAT: {
        const double serial = sqlite3_value_double(x);
        if (std::isfinite(serial))
            sqlite3_result_double(context, vb::timeOfDay(serial));
        else
            sqlite3_result_null(context);
        return;
    }
    case SQLITE_TEXT: {
        const auto *bytes = reinterpret_cast<const char *>(sqlite3_value_text(x));
        const auto time = timeValueOf(QString::fromUtf8(bytes, sqlite3_value_bytes(x)));
        if (time)
            sqlite3_result_double(context, *time);
        else
            sqlite3_result_null(context);
        return;
    }
    default:
        sqlite3_result_null(context);
        return;
    }
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
    return sqlite3_create_function_v2(connection, "DateValue", 1, flags, nullptr, dateValueFunction, nullptr,
                                      nullptr, nullptr) == SQLITE_OK &&
           sqlite3_create_function_v2(connection, "timevalue", 1, flags, nullptr, timeValueFunction, nullptr,
                                      nullptr, nullptr) == SQLITE_OK;
}

} // namespace tarvello::db
