#include "common/Formats.h"

#include "common/VbDate.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <type_traits>

namespace tarvello::vb {

namespace {

// A number as the formats see it: its decimal digits, never the binary value, so that 2.675 rounds
// like the 2.675 the player reads. value = 0.d1d2d3... x 10^point; the digits carry no leading or
// trailing zeros and are empty for zero.
struct Decimal {
    bool negative = false;
    std::string digits;
    int point = 0;
};

void trimZeros(Decimal &d)
{
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    const auto lead = d.digits.find_first_not_of('0');
    if (lead == std::string::npos) {
        d = {};
        return;
    }
    d.digits.erase(0, lead);
    d.point -= static_cast<int>(lead);
}

// Half away from zero on the decimal digits.
void roundTo(Decimal &d, int places)
{
    const int keep = d.point + places;
    if (keep >= static_cast<int>(d.digits.size()))
        return;
    if (keep < 0) {
        d = {};
        return;
    }
    const bool up = d.digits[keep] >= '5';
    d.digits.resize(keep);
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[i] == '9')
            d.digits[i--] = '0';
        if (i >= 0) {
            ++d.digits[i];
        } else {
            d.digits.insert(d.digits.begin(), '1');
            ++d.point;
        }
    }
    trimZeros(d);
}

// A Single's shortest decimal form never needs more than 9 significant digits: cutting to 9 keeps it
// whole.
constexpr int kSingleShortest = 9;
// The general number text cuts a Single to 7 digits, a Double to 15.
constexpr int kSingleGeneral = 7;
constexpr int kDoubleDigits = 15;

// A named format or a digit pattern starts from the Single's own shortest form, so 100951.25 keeps
// its cents; only the general number text (no pattern) is cut to 7 digits.
int singleDigits(QStringView pattern)
{
    return pattern.trimmed().isEmpty() ? kSingleGeneral : kSingleShortest;
}

// The digits and the point of a positive value written by to_chars in scientific form ("d.ddde±x"):
// its shortest form, or `precision` digits after the first. to_chars ignores the locale that Qt
// installs, so the point is always ".".
template <typename T> Decimal scientificDigits(T x, std::optional<int> precision = std::nullopt)
{
    char buf[800]; // a Double's exact expansion has at most 767 significant digits
    const auto end =
        precision ? std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, *precision).ptr
                  : std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific).ptr;
    const std::string_view text(buf, end - buf);
    const auto e = text.find('e');
    Decimal d;
    for (char c : text.substr(0, e))
        if (c != '.')
            d.digits += c;
    int exponent = 0;
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+'), end, exponent);
    d.point = exponent + 1;
    return d;
}

// A value's decimal cut to `significant` digits half away from zero. A Single starts from its
// shortest form (the shortest decimal that reads back as the same Single), so the Single 110.15625 cut
// to 7 is 110.1563. A Double's digits are rounded once, from its exact value: -0.87999999999999545
// is -0.8799999999999954525…, which is -0.879999999999995 at 15 digits.
template <typename T> Decimal toDecimal(T x, int significant)
{
    if (x == 0 || !std::isfinite(x))
        return {};
    Decimal d;
    if constexpr (std::is_same_v<T, double>) {
        // Two digits more, rounded from the exact value, decide the cut, unless they read "50": the
        // exact value may lie either side of the half, and only its whole expansion tells.
        d = scientificDigits(std::fabs(x), significant + 1);
        if (d.digits.compare(significant, 2, "50") == 0)
            d = scientificDigits(std::fabs(x), 766);
    } else {
        d = scientificDigits(std::fabs(x));
    }
    d.negative = x < 0;
    trimZeros(d);
    roundTo(d, significant - d.point);
    return d;
}

char digitAt(const Decimal &d, int index) // index 0 is the first digit after the point
{
    const int i = d.point + index;
    return i >= 0 && i < static_cast<int>(d.digits.size()) ? d.digits[i] : '0';
}

QString integerDigits(const Decimal &d)
{
    QString out;
    for (int i = 0; i < d.point; ++i)
        out += QLatin1Char(i < static_cast<int>(d.digits.size()) ? d.digits[i] : '0');
    return out;
}

QString nonFinite(double x)
{
    return std::isnan(x) ? QStringLiteral("NaN")
           : x < 0       ? QStringLiteral("-Infinity")
                         : QStringLiteral("Infinity");
}

// The general number text. Beyond 15 integer digits, or below 0.00001, a plain form would be
// unreadable, so those take the exponent form ("1E+16", "1.5E-07").
QString generalText(const Decimal &d)
{
    if (d.digits.empty())
        return QStringLiteral("0");
    QString out = d.negative ? QStringLiteral("-") : QString();
    const int exponent = d.point - 1;
    if (exponent >= 15 || exponent < -5) {
        out += QLatin1Char(d.digits[0]);
        if (d.digits.size() > 1)
            out += QLatin1Char('.') + QString::fromLatin1(d.digits.substr(1));
        return out + QStringLiteral("E%1%2")
                         .arg(QLatin1Char(exponent < 0 ? '-' : '+'))
                         .arg(std::abs(exponent), 2, 10, QLatin1Char('0'));
    }
    out += d.point > 0 ? integerDigits(d) : QStringLiteral("0");
    if (static_cast<int>(d.digits.size()) > d.point) {
        out += QLatin1Char('.');
        for (int i = 0; d.point + i < static_cast<int>(d.digits.size()); ++i)
            out += QLatin1Char(digitAt(d, i));
    }
    return out;
}

// A digit pattern: "0" a digit always shown, "#" a digit shown when there is one, "," thousands
// grouping, "." the decimal point, "%" times 100, "\x" and "..." literal text; any other character is
// literal too. Literals before the first digit place lead the number; the rest follow it.
struct Pattern {
    QString prefix, suffix;
    bool hasPlaces = false, grouping = false, hasPoint = false, percent = false;
    int minInteger = 0, minDecimals = 0, maxDecimals = 0;
};

Pattern parsePattern(QStringView text)
{
    Pattern p;
    int integerPlaces = 0, firstIntegerZero = -1;
    auto literal = [&p](QStringView s) { (p.hasPlaces ? p.suffix : p.prefix) += s; };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'0' || c == u'#') {
            p.hasPlaces = true;
            if (p.hasPoint) {
                ++p.maxDecimals;
                if (c == u'0') // every place up to the last "0" is shown, even a "#" before it
                    p.minDecimals = p.maxDecimals;
            } else {
                if (c == u'0' && firstIntegerZero < 0)
                    firstIntegerZero = integerPlaces;
                ++integerPlaces;
            }
        } else if (c == u'.' && !p.hasPoint) {
            p.hasPoint = true;
            p.hasPlaces = true;
        } else if (c == u',' && !p.hasPoint) {
            p.grouping = true;
        } else if (c == u'\\' && i + 1 < text.size()) {
            literal(text.sliced(++i, 1));
        } else if (c == u'"') {
            const qsizetype close = text.indexOf(u'"', i + 1);
            const qsizetype stop = close < 0 ? text.size() : close;
            literal(text.sliced(i + 1, stop - i - 1));
            i = stop;
        } else {
            p.percent = p.percent || c == u'%';
            literal(text.sliced(i, 1));
        }
    }
    p.minInteger = firstIntegerZero < 0 ? 0 : integerPlaces - firstIntegerZero;
    return p;
}

QString applyPattern(Decimal d, const Pattern &p)
{
    if (!p.hasPlaces)
        return p.prefix;
    if (p.percent && !d.digits.empty())
        d.point += 2;
    roundTo(d, p.maxDecimals);
    QString integer = integerDigits(d);
    if (integer.size() < p.minInteger)
        integer.prepend(QString(p.minInteger - integer.size(), u'0'));
    if (p.grouping)
        for (qsizetype i = integer.size() - 3; i > 0; i -= 3)
            integer.insert(i, u',');
    QString out = d.negative && !d.digits.empty() ? QStringLiteral("-") : QString();
    out += p.prefix + integer;
    if (p.hasPoint) {
        QString decimals;
        for (int i = 0; i < p.maxDecimals; ++i)
            decimals += QLatin1Char(digitAt(d, i));
        while (decimals.size() > p.minDecimals && decimals.endsWith(u'0'))
            decimals.chop(1);
        out += u'.' + decimals;
    }
    return out + p.suffix;
}

QString formatDecimal(const Decimal &d, double value, QStringView pattern)
{
    if (!std::isfinite(value))
        return nonFinite(value);
    const QString name = pattern.trimmed().toString().toLower();
    if (name.isEmpty())
        return generalText(d);
    if (name == u"standard")
        return applyPattern(d, parsePattern(u"#,##0.00"));
    if (name == u"fixed")
        return applyPattern(d, parsePattern(u"0.00"));
    if (name == u"percent")
        return applyPattern(d, parsePattern(u"0.00%"));
    if (name == u"currency") {
        const QString amount = applyPattern(d, parsePattern(u"$#,##0.00"));
        return amount.startsWith(u'-') ? u'(' + amount.mid(1) + u')' : amount;
    }
    if (name == u"short date")
        return shortDate(value);
    if (name == u"short time")
        return shortTime(value);
    return applyPattern(d, parsePattern(pattern));
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

// [blanks] [sign] digits with "," between them [. digits] [E [sign] digits] [blanks]; at least one
// mantissa digit. Values beyond a Double's range are refused.
std::optional<double> parseNumber(QStringView text)
{
    std::string plain;
    const qsizetype n = text.size();
    qsizetype i = 0;
    auto at = [&](qsizetype k) { return k < n ? text[k].unicode() : char16_t(0); };
    auto isDigit = [&](qsizetype k) { return at(k) >= u'0' && at(k) <= u'9'; };
    auto takeDigits = [&] {
        const auto start = plain.size();
        while (isDigit(i))
            plain += static_cast<char>(at(i++));
        return plain.size() > start;
    };
    while (i < n && isBlank(text[i]))
        ++i;
    if (at(i) == u'+' || at(i) == u'-')
        plain += static_cast<char>(at(i++));
    bool digits = false;
    while (takeDigits()) {
        digits = true;
        if (at(i) == u',' && isDigit(i + 1))
            ++i;
    }
    if (at(i) == u'.') {
        plain += '.';
        ++i;
        digits = takeDigits() || digits;
    }
    if (!digits)
        return {};
    if (at(i) == u'e' || at(i) == u'E') {
        plain += 'e';
        ++i;
        if (at(i) == u'+' || at(i) == u'-')
            plain += static_cast<char>(at(i++));
        if (!takeDigits())
            return {};
    }
    while (i < n && isBlank(text[i]))
        ++i;
    if (i != n)
        return {};
    const char *first = plain.data() + (plain.front() == '+');
    double value = 0;
    const auto [end, error] = std::from_chars(first, plain.data() + plain.size(), value);
    if (error != std::errc() || end != plain.data() + plain.size() || !std::isfinite(value))
        return {};
    return value;
}

} // namespace

QString format(double value, QStringView pattern)
{
    return formatDecimal(toDecimal(value, kDoubleDigits), value, pattern);
}

QString format(float value, QStringView pattern)
{
    return formatDecimal(toDecimal(value, singleDigits(pattern)), value, pattern);
}

QString str(float value)
{
    return std::isfinite(value) ? generalText(toDecimal(value, kSingleGeneral)) : nonFinite(value);
}

QString str(double value)
{
    return std::isfinite(value) ? generalText(toDecimal(value, kDoubleDigits)) : nonFinite(value);
}

double readBack(QStringView text)
{
    QString s = text.trimmed().toString();
    bool negative = false;
    if (s.startsWith(u'(') && s.endsWith(u')')) {
        negative = true;
        s = s.mid(1, s.size() - 2);
    }
    const bool percent = s.endsWith(u'%');
    if (percent)
        s.chop(1);
    s.remove(u'$').remove(u' ');
    // What a pattern prints for zero: "" ("#,###") or a lone point ("#.###").
    if (s.isEmpty() || s == u".")
        return 0.0;
    double value = parseNumber(s).value_or(0.0);
    if (percent)
        value /= 100.0;
    return negative ? -value : value;
}

namespace {

// The decimal places of a pattern whose text reads back as the rounded number: the two-decimal named
// formats, and patterns made only of digit places, grouping and one point. None for any other.
std::optional<int> readBackPlaces(QStringView pattern)
{
    const QStringView name = pattern.trimmed();
    if (name.isEmpty())
        return std::nullopt;
    // Only a named format starts with a letter; digit patterns skip the name comparisons, which
    // otherwise dominate the rounding of every tick quote.
    if (name.front().isLetter()) {
        if (name.compare(u"standard", Qt::CaseInsensitive) == 0 ||
            name.compare(u"currency", Qt::CaseInsensitive) == 0 ||
            name.compare(u"fixed", Qt::CaseInsensitive) == 0)
            return 2;
        return std::nullopt;
    }
    bool point = false;
    int places = 0;
    for (const QChar c : name) {
        if (c == u'#' || c == u'0')
            places += point ? 1 : 0;
        else if (c == u'.' && !point)
            point = true;
        else if (c != u',' || point)
            return std::nullopt;
    }
    return places;
}

// What readBack gives for the text of `d` rounded to `places`, computed without the text: the
// rounded digits as a whole number, scaled by one exact power of ten, so the result is the double
// nearest the decimal, as reading the text gives. None where that would not be exact.
std::optional<double> roundedValue(Decimal d, int places)
{
    static constexpr double kPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                         1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                         1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    roundTo(d, places);
    if (d.digits.empty())
        return 0.0;
    const int exponent = d.point - static_cast<int>(d.digits.size());
    if (d.digits.size() > 15 || exponent < -22 || exponent > 22)
        return std::nullopt;
    uint64_t whole = 0;
    for (const char c : d.digits)
        whole = whole * 10 + static_cast<uint64_t>(c - '0');
    const double value = exponent < 0 ? static_cast<double>(whole) / kPowers[-exponent]
                                      : static_cast<double>(whole) * kPowers[exponent];
    return d.negative ? -value : value;
}

// Prices are rounded by the thousand while a game loads: the patterns whose text reads back as the
// rounded number skip the text.
template <typename T> double roundThroughFormat(T value, QStringView pattern, int significant)
{
    if (!std::isfinite(value))
        return value;
    if (const auto places = readBackPlaces(pattern)) {
        if (const auto rounded = roundedValue(toDecimal(value, significant), *places))
            return *rounded;
    }
    return readBack(format(value, pattern));
}

} // namespace

double roundFormat(double value, QStringView pattern)
{
    return roundThroughFormat(value, pattern, kDoubleDigits);
}

double roundFormat(float value, QStringView pattern)
{
    return roundThroughFormat(value, pattern, singleDigits(pattern));
}

bool isNumeric(QStringView text)
{
    return parseNumber(text).has_value();
}

double numericValue(QStringView text)
{
    return parseNumber(text).value_or(0.0);
}

} // namespace tarvello::vb
