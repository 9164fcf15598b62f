#include "platform/db/Value.h"

#include <cmath>
#include <limits>

namespace tarvello::db {

double Value::toDouble(bool *ok) const
{
    bool good = true;
    double result = 0.0;
    switch (kind()) {
    case Kind::Null:
        good = false;
        break;
    case Kind::Integer:
        result = static_cast<double>(std::get<int64_t>(data_));
        break;
    case Kind::Real:
        result = std::get<double>(data_);
        break;
    case Kind::Text:
        result = std::get<QString>(data_).trimmed().toDouble(&good);
        break;
    }
    if (!good || !std::isfinite(result)) {
        good = false;
        result = 0.0;
    }
    if (ok)
        *ok = good;
    return result;
}

int32_t Value::toInt(bool *ok) const
{
    bool good = false;
    const double d = toDouble(&good);
    // nearbyint rounds half to even under the default rounding mode, as the old conversion did.
    const double rounded = std::nearbyint(d);
    constexpr double lo = std::numeric_limits<int32_t>::min();
    constexpr double hi = std::numeric_limits<int32_t>::max();
    int32_t result = 0;
    if (rounded < lo) {
        result = std::numeric_limits<int32_t>::min();
        good = false;
    } else if (rounded > hi) {
        result = std::numeric_limits<int32_t>::max();
        good = false;
    } else {
        result = static_cast<int32_t>(rounded);
    }
    if (ok)
        *ok = good;
    return result;
}

QString Value::toString() const
{
    switch (kind()) {
    case Kind::Null:
        return {};
    case Kind::Integer:
        return QString::number(std::get<int64_t>(data_));
    case Kind::Real:
        return QString::number(std::get<double>(data_), 'g', 15);
    case Kind::Text:
        return std::get<QString>(data_);
    }
    return {};
}

} // namespace tarvello::db
