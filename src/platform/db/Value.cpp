#include "platform/db/Value.h"

#include "common/Formats.h"
#include "common/VbMath.h"

#include <cmath>

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
    const int32_t result = vb::CLng(d);
    if (ok)
        *ok = good && static_cast<double>(result) == std::nearbyint(d);
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
