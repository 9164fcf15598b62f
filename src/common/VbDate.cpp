#include "common/VbDate.h"

#include <QRegularExpression>
#include <QTime>

#include <cmath>

namespace tarvello::vb {

namespace {
const QDate kEpoch(1899, 12, 30);
}

double toSerial(QDate date)
{
    return date.isValid() ? static_cast<double>(kEpoch.daysTo(date)) : 0.0;
}

double toSerial(int year, int month, int day)
{
    return toSerial(QDate(year, month, day));
}

QDate fromSerial(double serial)
{
    if (!std::isfinite(serial) || std::fabs(serial) > 3.0e6)
        return {};
    return kEpoch.addDays(static_cast<qint64>(std::floor(serial)));
}

double timeOfDay(double serial)
{
    if (!std::isfinite(serial))
        return 0.0;
    return serial - std::floor(serial);
}

int minutesOfDay(double serial)
{
    int minutes = static_cast<int>(std::lround(timeOfDay(serial) * 1440.0));
    return minutes >= 1440 ? 1439 : minutes;
}

QString shortDate(QDate date)
{
    if (!date.isValid())
        return {};
    return QStringLiteral("%1/%2/%3").arg(date.month()).arg(date.day()).arg(date.year());
}

QString shortDate(double serial)
{
    return shortDate(fromSerial(serial));
}

QString shortTime(double serial)
{
    const int m = minutesOfDay(serial);
    return QStringLiteral("%1:%2").arg(m / 60, 2, 10, QLatin1Char('0')).arg(m % 60, 2, 10, QLatin1Char('0'));
}

QString longTime(double serial)
{
    int seconds = static_cast<int>(std::lround(timeOfDay(serial) * 86400.0));
    seconds = seconds >= 86400 ? 86399 : seconds;
    const int h = seconds / 3600;
    const int h12 = h % 12 == 0 ? 12 : h % 12;
    return QStringLiteral("%1:%2:%3 %4")
        .arg(h12)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'))
        .arg(h < 12 ? QLatin1String("AM") : QLatin1String("PM"));
}

QDate parseDate(QStringView text)
{
    static const QRegularExpression us(QStringLiteral(R"(^\s*(\d{1,2})/(\d{1,2})/(\d{2}|\d{4})\s*$)"));
    static const QRegularExpression iso(QStringLiteral(R"(^\s*(\d{4})[-/](\d{1,2})[-/](\d{1,2})\s*$)"));
    const QString s = text.toString();
    if (auto m = us.match(s); m.hasMatch()) {
        int year = m.captured(3).toInt();
        if (m.captured(3).size() == 2)
            year += year >= 30 ? 1900 : 2000;
        return QDate(year, m.captured(1).toInt(), m.captured(2).toInt());
    }
    if (auto m = iso.match(s); m.hasMatch())
        return QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    return {};
}

double parseTime(QStringView text)
{
    static const QRegularExpression re(
        QStringLiteral(R"(^\s*(\d{1,2}):(\d{2})(?::(\d{2}))?\s*([AaPp][Mm])?\s*$)"));
    const auto m = re.match(text.toString());
    if (!m.hasMatch())
        return -1.0;
    int h = m.captured(1).toInt();
    const int min = m.captured(2).toInt();
    const int sec = m.captured(3).isEmpty() ? 0 : m.captured(3).toInt();
    const QString ampm = m.captured(4).toLower();
    if (!ampm.isEmpty()) {
        if (h < 1 || h > 12)
            return -1.0;
        if (ampm == QLatin1String("am"))
            h = h == 12 ? 0 : h;
        else
            h = h == 12 ? 12 : h + 12;
    }
    if (h > 23 || min > 59 || sec > 59)
        return -1.0;
    return (h * 3600 + min * 60 + sec) / 86400.0;
}

double addMonths(double serial, int months)
{
    const QDate d = fromSerial(serial);
    if (!d.isValid())
        return serial;
    return toSerial(d.addMonths(months)) + timeOfDay(serial);
}

int weekday(double serial)
{
    const QDate d = fromSerial(serial);
    return d.isValid() ? d.dayOfWeek() % 7 + 1 : 0;
}

} // namespace tarvello::vb
