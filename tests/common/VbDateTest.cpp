#include "common/VbDate.h"

#include <gtest/gtest.h>

using namespace tarvello::vb;

TEST(VbDate, SerialsRoundTripThroughTheShortForm)
{
    struct Case { int y, m, d; double serial; const char *text; };
    const Case cases[] = {
        {1899, 12, 30, 0, "12/30/1899"},
        {1900, 1, 1, 2, "1/1/1900"},
        {1965, 10, 17, 24032, "10/17/1965"},
        {1996, 2, 1, 35096, "2/1/1996"},
        {1997, 12, 31, 35795, "12/31/1997"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(toSerial(c.y, c.m, c.d), c.serial);
        EXPECT_EQ(shortDate(c.serial), QString::fromLatin1(c.text));
        EXPECT_EQ(shortDate(c.serial + 0.75), QString::fromLatin1(c.text));
        EXPECT_EQ(toSerial(parseDate(QString::fromLatin1(c.text))), c.serial);
    }
    EXPECT_EQ(parseDate(u"10/17/65"), QDate(1965, 10, 17));
    EXPECT_EQ(parseDate(u"1990/12/15"), QDate(1990, 12, 15));
    EXPECT_FALSE(parseDate(u"13/1/1990").isValid());
    EXPECT_FALSE(parseDate(u"Smarch 1990").isValid());
    EXPECT_FALSE(fromSerial(std::numeric_limits<double>::quiet_NaN()).isValid());
}

TEST(VbDate, TimesOfDay)
{
    struct Case { const char16_t *text; double minutes; };
    const Case cases[] = {
        {u"12:00 am", 0}, {u"9:00 am", 540}, {u"9:00:00 AM", 540}, {u"11:01 am", 661},
        {u"12:00 pm", 720}, {u"2:00 pm", 840}, {u"11:59 pm", 1439}, {u"14:30", 870},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.text).toStdString());
        EXPECT_NEAR(parseTime(c.text) * 1440.0, c.minutes, 1e-9);
    }
    EXPECT_LT(parseTime(u"13:00 pm"), 0);
    EXPECT_LT(parseTime(u"noon"), 0);
    EXPECT_EQ(shortTime(35096 + 9.5 / 24), QStringLiteral("09:30"));
    EXPECT_EQ(shortTime(35096 + 14.0 / 24), QStringLiteral("14:00"));
    struct Long { double serial; const char *text; };
    const Long longs[] = {
        {0, "12:00:00 AM"}, {9.0 / 24, "9:00:00 AM"}, {661.0 / 1440, "11:01:00 AM"}, {0.5, "12:00:00 PM"},
        {14.0 / 24 + 30.0 / 86400, "2:00:30 PM"}, {35096 + 86399.0 / 86400, "11:59:59 PM"},
    };
    for (const Long &c : longs)
        EXPECT_EQ(longTime(c.serial), QString::fromLatin1(c.text));
}

TEST(VbDate, AddMonthsAndWeekday)
{
    EXPECT_EQ(addMonths(toSerial(1996, 12, 1), 1), toSerial(1997, 1, 1));
    EXPECT_EQ(addMonths(toSerial(1996, 1, 31), 1), toSerial(1996, 2, 29));
    EXPECT_EQ(addMonths(toSerial(1990, 1, 1), 12), toSerial(1991, 1, 1));
    EXPECT_EQ(weekday(toSerial(1996, 2, 4)), 1);  // a Sunday
    EXPECT_EQ(weekday(toSerial(1996, 2, 5)), 2);  // Monday
    EXPECT_EQ(weekday(toSerial(1996, 2, 10)), 7); // Saturday
}
