#pragma once

#include <QString>
#include <QStringView>

#include <concepts>

namespace tarvello::vb {

// The named number formats and format patterns the game shows amounts in, with fixed US conventions
// ("," thousands, "." decimals) whatever the machine's locale. Names are case-insensitive:
//   "standard"  1234.5 -> "1,234.50", -0.5 -> "-0.50"
//   "currency"  1234.5 -> "$1,234.50", -1234.5 -> "($1,234.50)" (amounts are rounded to cents through it)
//   "percent"   0.0525 -> "5.25%"
//   patterns    "#,##0", "#,###", "#,###.#0", "#,##.#0##", "#,###.#####", "#,###.######", "#,###.#0##",
//               "#,##0.#####", "#,###.0##", "#,###.###0", "#,###.#0#####", "#.###", ...
// Rounding is half away from zero on the decimal value: a Single is first taken to its shortest
// decimal form (the shortest text that reads back as the same Single, so 100951.25 stays 100951.25),
// a Double to its 15 digits rounded from its exact value, and that decimal is rounded. Only the
// general text (an empty pattern) cuts a Single to 7 digits.
QString format(double value, QStringView pattern);
QString format(float value, QStringView pattern);
// Named formats also cover "fixed" (no separators, two decimals) and, for day serials, "short date"
// and "short time" (see VbDate.h). An empty pattern gives the general number text.
// Whole numbers (counts, 16- and 32-bit values) format as the Double they widen to; without this an
// int would be ambiguous between the two overloads above.
template <std::integral T> QString format(T value, QStringView pattern)
{
    return format(static_cast<double>(value), pattern);
}

// The general number-to-text form ("$" & x & " Last"): Single to at most 7 significant digits, Double
// to at most 15, no trailing zeros, no separators, leading "-", "0." below one (20.5 -> "20.5").
QString str(float value);
QString str(double value);
template <std::integral T> QString str(T value)
{
    return str(static_cast<double>(value));
}

// Reads a formatted text back to a number: accepts blanks, a sign, "$", "%" (divides by 100),
// thousands separators, a decimal part and "(…)" for a negative amount. Returns 0 for text with no
// number, such as the "" or "." a pattern prints for zero.
double readBack(QStringView text);

// Round by formatting and reading back, as the game's figures are rounded.
double roundFormat(double value, QStringView pattern);
double roundFormat(float value, QStringView pattern);

// IsNumeric: blanks around, a sign, digits with thousands separators, a decimal part, an exponent.
// A currency sign, brackets or a value beyond a Double's range ("1e400") are not numeric.
bool isNumeric(QStringView text);
// The value of a text that isNumeric accepts, read with the same grammar ("1,000" -> 1000).
// Returns 0 for text that is not numeric.
double numericValue(QStringView text);

} // namespace tarvello::vb
