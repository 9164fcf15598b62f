#pragma once

#include <QDate>

#include <vector>

namespace tarvello::futuresdb {

// The US exchange calendar of the sample data: weekdays less New Year's Day, Presidents' Day, Good
// Friday, Memorial Day, Independence Day, Labor Day, Thanksgiving and Christmas. A fixed-date holiday
// that falls on a Sunday is kept on the Monday after, one on a Saturday on the Friday before, except
// New Year's Day: the exchanges do not close the last trading day of the old year for it.

QDate easterSunday(int year);
bool isExchangeHoliday(QDate date);
bool isTradingDay(QDate date);

// The trading days from first to last, both included, as day serials.
std::vector<int> tradingDays(QDate first, QDate last);

} // namespace tarvello::futuresdb
