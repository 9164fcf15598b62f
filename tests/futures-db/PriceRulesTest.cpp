#include "futures-db/Excerpt.h"
#include "futures-db/ExchangeCalendar.h"
#include "futures-db/PriceEncoding.h"
#include "futures-db/TradingTimes.h"

#include "common/VbDate.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace tarvello;
using namespace tarvello::futuresdb;

TEST(ExchangeCalendar, HolidaysAndTheirWeekendRules)
{
    struct Case {
        QDate date;
        bool trading;
        const char *why;
    };
    const Case cases[] = {
        {{1996, 1, 1}, false, "New Year's Day"},
        {{1989, 1, 2}, false, "New Year's Day on a Sunday moves to Monday"},
        {{1993, 12, 31}, true, "New Year's Day on a Saturday closes nothing"},
        {{1996, 2, 19}, false, "Presidents' Day, third Monday of February"},
        {{1996, 4, 5}, false, "Good Friday 1996"},
        {{1997, 3, 28}, false, "Good Friday 1997"},
        {{1996, 5, 27}, false, "Memorial Day, last Monday of May"},
        {{1992, 7, 3}, false, "Independence Day on a Saturday moves to Friday"},
        {{1993, 7, 5}, false, "Independence Day on a Sunday moves to Monday"},
        {{1996, 9, 2}, false, "Labor Day"},
        {{1996, 11, 28}, false, "Thanksgiving"},
        {{1996, 11, 29}, true, "the day after Thanksgiving"},
        {{1993, 12, 24}, false, "Christmas on a Saturday moves to Friday"},
        {{1994, 12, 26}, false, "Christmas on a Sunday moves to Monday"},
        {{1996, 12, 24}, true, "Christmas Eve on a weekday"},
        {{1996, 2, 10}, false, "a Saturday"},
        {{1996, 2, 5}, true, "a plain Monday"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(isTradingDay(c.date), c.trading);
    }
    EXPECT_EQ(easterSunday(1983), QDate(1983, 4, 3));
    EXPECT_EQ(easterSunday(1990), QDate(1990, 4, 15));
    EXPECT_EQ(easterSunday(1998), QDate(1998, 4, 12));
}

TEST(ExchangeCalendar, EveryGamePeriodFitsTheGame)
{
    for (int year = 1983; year <= 1997; ++year) {
        SCOPED_TRACE(year);
        const auto days = tradingDays(QDate(year, 1, 1), QDate(year, 12, 31));
        EXPECT_GE(days.size(), 252u);
        EXPECT_LE(days.size(), 254u);
    }
    // A tick game holds at most 91 trading days; a quarter from any first of the month stays well under.
    for (QDate start(1996, 1, 1); start <= QDate(1997, 12, 1); start = start.addMonths(1)) {
        SCOPED_TRACE(start.toString(Qt::ISODate).toStdString());
        const auto month = tradingDays(start, start.addMonths(1).addDays(-1));
        const auto quarter = tradingDays(start, start.addMonths(3).addDays(-1));
        EXPECT_GE(month.size(), 19u);
        EXPECT_LE(month.size(), 23u);
        EXPECT_LE(quarter.size(), 66u);
    }
}

namespace {
// The game's own conversions of a stored tick: the value is read as a 32-bit float and the fraction
// goes through the two-decimal "standard" format.
double standard(double x)
{
    return std::round(x * 100.0) / 100.0;
}
double gameTenth(double stored)
{
    const float r = static_cast<float>(stored);
    return standard(static_cast<float>(r * 10.0f));
}
double gameTBond(double stored)
{
    const float p = static_cast<float>(stored);
    const float f = p - std::floor(p);
    return std::floor(p) + standard(f) * 100.0 / 32.0;
}
double gameSoybeanCents(double stored)
{
    const float p = static_cast<float>(stored);
    const float f = p - std::floor(p);
    return std::floor(p) + standard(f) / 0.8;
}
} // namespace

TEST(PriceEncoding, TicksReadBackThroughTheGamesConversions)
{
    struct Case {
        Instrument instrument;
        double price, stored;
    };
    const Case cases[] = {
        {Instrument::Oil, 20.50, 2.05},       {Instrument::Gold, 401.30, 40.13},
        {Instrument::SP500, 353.45, 35.345},  {Instrument::Cattle, 75.25, 7.525},
        {Instrument::Soybean, 580.5, 580.4},  {Instrument::Soybean, 582.25, 582.2},
        {Instrument::Soybean, 600.0, 600.0},  {Instrument::TBond, 98.5, 98.16},
        {Instrument::TBond, 98.96875, 98.31}, {Instrument::TBond, 101.0, 101.0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(instrumentKey(c.instrument)) + " " + std::to_string(c.price));
        EXPECT_NEAR(encodeTick(c.instrument, c.price), c.stored, 1e-12);
        ASSERT_TRUE(decodeTick(c.instrument, c.stored).has_value());
        EXPECT_NEAR(*decodeTick(c.instrument, c.stored), c.price, 1e-9);
    }

    // Every step of every sample price range survives the game's 32-bit reading and its rounding.
    for (long n = 68 * 32; n <= 126 * 32; ++n)
        ASSERT_NEAR(gameTBond(encodeTick(Instrument::TBond, n / 32.0)), n / 32.0, 1e-9) << n;
    for (long n = 440 * 4; n <= 820 * 4; ++n)
        ASSERT_NEAR(gameSoybeanCents(encodeTick(Instrument::Soybean, n / 4.0)), n / 4.0, 1e-6) << n;
    for (Instrument i : {Instrument::Oil, Instrument::Gold, Instrument::SP500, Instrument::Cattle}) {
        const int grid = sampleGrid(i);
        for (long n = 10 * grid; n <= 1100 * grid; n += 7)
            ASSERT_NEAR(gameTenth(encodeTick(i, static_cast<double>(n) / grid)),
                        static_cast<double>(n) / grid, 1e-4)
                << instrumentKey(i) << " " << n;
    }
}

TEST(PriceEncoding, MalformedTicksAreRefused)
{
    struct Case {
        Instrument instrument;
        double stored;
    };
    const Case cases[] = {
        {Instrument::Soybean, 580.9},  // a ninth eighth
        {Instrument::Soybean, 580.45}, // a second digit
        {Instrument::TBond, 98.32},    // 32/32
        {Instrument::TBond, 98.165},   // a third digit
        {Instrument::Oil, -2.05},      {Instrument::Gold, std::nan("")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(instrumentKey(c.instrument)) + " " + std::to_string(c.stored));
        EXPECT_FALSE(decodeTick(c.instrument, c.stored).has_value());
    }
    EXPECT_TRUE(onGrid(98.53125, dailyGrid(Instrument::TBond)));
    EXPECT_FALSE(onGrid(98.16, dailyGrid(Instrument::TBond)));
    EXPECT_TRUE(onGrid(581.125, dailyGrid(Instrument::Soybean)));
    EXPECT_FALSE(onGrid(5.81, dailyGrid(Instrument::Soybean)));
    EXPECT_TRUE(onGrid(17.123, dailyGrid(Instrument::Oil)));
    EXPECT_DOUBLE_EQ(gamePrice(Instrument::Soybean, 612.25), 6.1225);
}

TEST(TradingTimes, ATickBelongsToTheFirstWindowThatHoldsIt)
{
    auto at = [](int h, int m) { return h * 60 + m; };
    struct Case {
        Instrument instrument;
        int minute;
        int slot;
    };
    const Case cases[] = {
        {Instrument::Gold, at(7, 20), 1},     {Instrument::Gold, at(7, 50), 1},
        {Instrument::Gold, at(7, 51), 0},     {Instrument::Gold, at(12, 5), 4},
        {Instrument::Cattle, at(11, 50), 4},  {Instrument::Cattle, at(11, 51), 5},
        {Instrument::Soybean, at(12, 50), 5}, {Instrument::Soybean, at(13, 0), 5},
        {Instrument::Soybean, at(13, 1), 6},  {Instrument::Soybean, at(13, 15), 6},
        {Instrument::Soybean, at(13, 16), 0}, {Instrument::SP500, at(14, 45), 6},
        {Instrument::TBond, at(7, 19), 0},    {Instrument::Oil, at(13, 45), 6},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(instrumentKey(c.instrument)) + " minute " + std::to_string(c.minute));
        EXPECT_EQ(slotOfMinute(c.instrument, c.minute), c.slot);
    }
}

TEST(Excerpt, PrintableTextStaysAndTheRestIsEscapedOrCut)
{
    struct Case {
        std::string text;
        std::string shown;
    };
    const Case cases[] = {
        {"20.50", "20.50"},
        {"", ""},
        {"\xC3\x96l und \xE2\x82\xAC", "\xC3\x96l und \xE2\x82\xAC"}, // UTF-8 text stays as it is
        {std::string("a\0b", 3), "a\\x00b"},
        {"tab\there\r\n\x7F", "tab\\x09here\\x0d\\x0a\\x7f"},
        {"\xC3(\xFF", "\\xc3(\\xff"}, // broken UTF-8
        {"\xC2\x85", "\\xc2\\x85"},   // a control character of UTF-8
        {"\xE2\x82", "\\xe2\\x82"},   // a sequence cut short
        {std::string(40, '9'), std::string(40, '9')},
        {std::string(41, '9'), std::string(40, '9') + "... (41 bytes)"},
        {std::string(39, '9') + "\xC3\x96" + "9", std::string(39, '9') + "\xC3\x96... (42 bytes)"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.shown);
        EXPECT_EQ(excerpt(c.text), c.shown);
    }
}
