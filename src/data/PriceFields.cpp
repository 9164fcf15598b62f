#include "data/PriceFields.h"

namespace tarvello {

double PriceFieldReader::required(const Field &field)
{
    if (failed())
        return 0.0;
    bool ok = false;
    const double value = rows_.fieldAt(field.index).toDouble(&ok);
    if (!ok) {
        failure_ = QStringLiteral("The price database has a %1 row without a valid %2 value.")
                       .arg(QString::fromLatin1(table_), field.name.toString());
        return 0.0;
    }
    return value;
}

double PriceFieldReader::optional(const Field &field, double fallback)
{
    const db::Value &value = rows_.fieldAt(field.index);
    return value.isNull() ? fallback : required(field);
}

db::Status queryFailure(const QString &description)
{
    return db::Status::failure(QStringLiteral("The price database could not be read: %1").arg(description));
}

} // namespace tarvello
