#include "ExchangeCalendar.h"

#include "common/VbDate.h"

namespace tarvello::futuresdb {

namespace {
// The n-th given weekday (Qt numbering, Monday = 1) of a month; n = -1 for the last one.
QDate nthWeekday(int year, int month, int weekday, int n)
{
    if (n < 0) {
        QDate d(year, month, QDate(year, month, 1).daysInMonth());
        return d.addDays(-((d.dayOfWeek() - weekday + 7) % 7));
    }
    QDate d(year, month, 1);
    return d.addDays((weekday - d.dayOfWeek() + 7) % 7 + 7 * (n - 1));
}

// A fixed-date holiday moved off the weekend.
QDate observed(QDate d)
{
    if (d.dayOfWeek() == Qt::Saturday)
        return d.addDays(-1);
    if (d.dayOfWeek() == Qt::Sunday)
        return d.addDays(1);
    return d;
}
} // namespace

QDate easterSunday(int year)
{
    // The Gregorian computus (Meeus/Jones/Butcher).
    const int a = year % 19, b = year / 100, c = year % 100, d = b / 4, e = b % 4;
    const int f = (b + 8) / 25, g = (b - f + 1) / 3, h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4, k = c % 4, l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int month = (h + l - 7 * m + 114) / 31, day = (h + l - 7 * m + 114) % 31 + 1;
    return QDate(year, month, day);
}

bool isExchangeHoliday(QDate date)
{
    const int y = date.year();
    const QDate newYear(y, 1, 1);
    const QDate holidays[] = {
        newYear.dayOfWeek() == Qt::Sunday ? newYear.addDays(1) : newYear,
        nthWeekday(y, 2, Qt::Monday, 3),
        easterSunday(y).addDays(-2),
        nthWeekday(y, 5, Qt::Monday, -1),
        observed(QDate(y, 7, 4)),
        nthWeekday(y, 9, Qt::Monday, 1),
        nthWeekday(y, 11, Qt::Thursday, 4),
        observed(QDate(y, 12, 25)),
    };
    for (const QDate &h : holidays)
        if (h == date)
            return true;
    return false;
}

bool isTradingDay(QDate date)
{
    return date.dayOfWeek() < Qt::Saturday && !isExchangeHoliday(date);
}

std::vector<int> tradingDays(QDate first, QDate last)
{
    std::vector<int> days;
    for (QDate d = first; d <= last; d = d.addDays(1))
        if (isTradingDay(d))
            days.push_back(static_cast<int>(vb::toSerial(d)));
    return days;
}

} // namespace tarvello::futuresdb
