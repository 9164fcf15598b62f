#pragma once

#include <QDate>
#include <QString>

namespace tarvello::vb {

// Dates are day serials: days since 30 December 1899, with the time of day as the fraction. This is
// how the price database stores them and how the game compares and steps them.
double toSerial(QDate date);
double toSerial(int year, int month, int day);
QDate fromSerial(double serial);            // the whole-day part; invalid for non-finite input
double timeOfDay(double serial);            // the fraction of the day, in [0, 1)
int minutesOfDay(double serial);            // the time of day rounded to the nearest minute

// The short date form is US whatever the machine's locale: "M/d/yyyy" (1/5/1996, 12/31/1997).
QString shortDate(double serial);
QString shortDate(QDate date);
// The short time form, 24-hour: "09:00", "14:30".
QString shortTime(double serial);
// The time form with seconds, US style: "9:00:00 AM", "12:00:00 AM", "2:00:00 PM".
QString longTime(double serial);

// Reads "M/d/yyyy", "M/d/yy" (years 30–99 are 19xx, 00–29 are 20xx), "yyyy-MM-dd" or "yyyy/MM/dd".
// Returns an invalid date for anything else.
QDate parseDate(QStringView text);
// Reads "9:00 am", "11:01 AM", "9:00:00 AM", "14:30". Returns a negative value when it cannot.
double parseTime(QStringView text);

// DateAdd("m", n, d): the day of month is clipped to the target month's length.
double addMonths(double serial, int months);
// Weekday with Sunday = 1 … Saturday = 7.
int weekday(double serial);

} // namespace tarvello::vb
