#include "common/SystemServices.h"

#include "common/VbDate.h"

#include <QDateTime>

namespace tarvello {

double SystemClock::now() const
{
    const QDateTime t = QDateTime::currentDateTime();
    return vb::toSerial(t.date()) + t.time().msecsSinceStartOfDay() / 86400000.0;
}

} // namespace tarvello
