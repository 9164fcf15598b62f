#include "data/PriceFields.h"

#include "common/Formats.h"
#include "common/Instrument.h"
#include "common/VbDate.h"

#include <cmath>
#include <limits>

namespace tarvello {

QString missingValueText(const char *table, QStringView field)
{
    return QStringLiteral("The price database has a %1 row without a valid %2 value.")
        .arg(QString::fromLatin1(table), field.toString());
}

db::Status missingValue(const char *table, int32_t commodityId, const QString &when, QStringView field)
{
    return db::Status::failure(
        QStringLiteral("The price database has a %1 row of %2 %3 without a valid %4 value.")
            .arg(QString::fromLatin1(table), instrumentLabel(commodityId), when, field.toString()));
}

db::Status queryFailure(const QString &description)
{
    return db::Status::failure(QStringLiteral("The price database could not be read: %1").arg(description));
}

QString instrumentLabel(int32_t commodityId)
{
    if (commodityId < 1 || commodityId > kInstrumentCount)
        return QStringLiteral("CommodityID %1").arg(commodityId);
    const std::string_view name = displayName(static_cast<Instrument>(commodityId));
    return QStringLiteral("%1 (CommodityID %2)")
        .arg(QLatin1String(name.data(), static_cast<qsizetype>(name.size())))
        .arg(commodityId);
}

QString dayText(double serial)
{
    return vb::shortDate(serial);
}

QString momentText(double serial)
{
    return vb::shortDate(serial) + QLatin1Char(' ') + vb::longTime(serial);
}

bool fitsSingle(double value)
{
    return std::isfinite(value) && std::fabs(value) <= std::numeric_limits<float>::max();
}

db::Status beyondSingle(const char *table, int32_t commodityId, const QString &when, QStringView field,
                        double value)
{
    return db::Status::failure(
        QStringLiteral("The price database has a %1 row of %2 %3 whose %4 (%5) is beyond any price the "
                       "game can hold.")
            .arg(QString::fromLatin1(table), instrumentLabel(commodityId), when, field.toString(),
                 vb::str(value)));
}

} // namespace tarvello
