#include "FlowFixture.h"

#include "common/VbDate.h"
#include "flow/GamePeriod.h"

namespace tarvello::test {
namespace {

using enum GameOption;
using vb::toSerial;

TEST(GamePeriod, MonthNamesMatchExactly)
{
    EXPECT_EQ(monthNumber(u"January"), 1);
    EXPECT_EQ(monthNumber(u"December"), 12);
    for (const char16_t *text : {u"january", u"JANUARY", u"Febuary", u"", u" March", u"13"})
        EXPECT_EQ(monthNumber(text), 0) << QString::fromUtf16(text).toStdString();
    EXPECT_EQ(monthName(0), QString());
    EXPECT_EQ(monthName(4), QStringLiteral("April"));
}

TEST(GamePeriod, StartAndEndDates)
{
    const struct {
        int year, month;
        GameLengthOption length;
        QDate start, end;
    } cases[] = {
        {1997, 1, GameLengthOption::OneYear, {1997, 1, 1}, {1998, 1, 1}},
        {1996, 12, GameLengthOption::OneMonth, {1996, 12, 1}, {1997, 1, 1}},
        {1996, 4, GameLengthOption::OneQuarter, {1996, 4, 1}, {1996, 7, 1}},
        {1997, 10, GameLengthOption::OneQuarter, {1997, 10, 1}, {1998, 1, 1}},
        {1984, 1, GameLengthOption::OneMonth, {1984, 1, 1}, {1984, 2, 1}},
    };
    for (const auto &c : cases) {
        const std::optional<double> start = periodStart(c.year, c.month);
        ASSERT_TRUE(start);
        EXPECT_EQ(*start, toSerial(c.start));
        EXPECT_EQ(periodEnd(*start, c.length), toSerial(c.end));
    }
    EXPECT_EQ(periodEnd(toSerial(1990, 3, 1), GameLengthOption::None), toSerial(1990, 3, 1));
    // A month that names none, or a year read from an empty text, gives no date.
    EXPECT_FALSE(periodStart(1996, 0));
    EXPECT_FALSE(periodStart(0, 1));
    EXPECT_FALSE(periodStart(1996, 13));
}

// Every draw stays in its range, at the lowest draw and at the highest below 1.
TEST(GamePeriod, DrawsStayInTheirRanges)
{
    tarvello::testing::ScriptedRandom random;
    const struct {
        float r;
        int dailyYear, tickYear, month, quarterStart, commodity;
    } cases[] = {
        {0.0f, 1984, 1996, 1, 1, 1},
        {0.5f, 1991, 1997, 7, 7, 4},
        {kTopDraw, 1997, 1997, 12, 10, 6},
    };
    for (const auto &c : cases) {
        random.afterScript = c.r;
        EXPECT_EQ(drawYear(random, DataKind::Daily), c.dailyYear);
        EXPECT_EQ(drawYear(random, DataKind::Tick), c.tickYear);
        EXPECT_EQ(drawMonth(random), c.month);
        EXPECT_EQ(drawQuarterStart(random), c.quarterStart);
        EXPECT_EQ(drawTickStartMonth(random, GameLengthOption::OneMonth), c.month);
        EXPECT_EQ(drawTickStartMonth(random, GameLengthOption::OneQuarter), c.quarterStart);
        EXPECT_EQ(drawCommodityId(random), c.commodity);
    }
}

using TimePeriod = FlowTest;

QStringList items(const forms::ComboBox &list)
{
    QStringList result;
    for (int i = 0; i < list.listCount(); ++i)
        result << list.list(i);
    return result;
}

QStringList dailyYears()
{
    QStringList years;
    for (int y = 1997; y >= 1984; --y)
        years << QString::number(y);
    return years;
}

TEST_F(TimePeriod, SelectTimeperiodWithDailyDataAsksForAYear)
{
    random.afterScript = 0.25f;
    frmTimePeriod &f = dialog();
    f.optSelect[0]->click();
    EXPECT_EQ(f.labeltime->caption(), QString::fromLatin1(timeperiod::kSelectYear));
    EXPECT_TRUE(f.Combo1->visible());
    EXPECT_FALSE(f.Combo2->visible());
    EXPECT_EQ(items(*f.Combo1), dailyYears());
    EXPECT_EQ(f.Combo1->text(), QStringLiteral("1987")); // 1983 + Int(14 * 0.25 + 1)
    EXPECT_EQ(f.Combo1->twipTop(), 3000);
    EXPECT_EQ(f.optSelect[0]->caption(), QStringLiteral("Select Timeperiod"));
    EXPECT_TRUE(f.enabled());
}

TEST_F(TimePeriod, SelectTimeperiodWithTickDataAsksForAMonthAndAYear)
{
    const struct {
        std::vector<GameOption> clicks;
        QStringList months;
    } cases[] = {
        {{Tick}, {"January", "April", "July", "October"}},
        {{Tick, Month},
         {"January", "February", "March", "April", "May", "June", "July", "August", "September", "October",
          "November", "December"}},
    };
    random.afterScript = 0.5f;
    for (const auto &c : cases) {
        forms.unload<frmTimePeriod>();
        for (GameOption o : c.clicks)
            option(o).click();
        frmTimePeriod &f = dialog();
        f.optSelect[0]->click();
        EXPECT_EQ(f.labeltime->caption(), QString::fromLatin1(timeperiod::kSelectMonthAndYear));
        EXPECT_TRUE(f.Combo1->visible());
        EXPECT_TRUE(f.Combo2->visible());
        EXPECT_EQ(items(*f.Combo1), (QStringList{"1996", "1997"}));
        EXPECT_EQ(f.Combo1->text(), QStringLiteral("1997"));
        EXPECT_EQ(f.Combo1->twipTop(), 3360);
        EXPECT_EQ(items(*f.Combo2), c.months);
        EXPECT_EQ(f.Combo2->text(), QStringLiteral("July")); // the seventh month, or the third quarter
    }
}

TEST_F(TimePeriod, RandomTimeperiodHidesTheListsAndEmptiesTheYears)
{
    frmTimePeriod &f = dialog();
    option(Tick).click();
    f.optSelect[0]->click();
    f.optSelect[1]->click();
    EXPECT_FALSE(f.Combo1->visible());
    EXPECT_FALSE(f.Combo2->visible());
    EXPECT_EQ(f.Combo1->listCount(), 0);
    EXPECT_EQ(f.labeltime->caption(), QString::fromLatin1(timeperiod::kHint));
    EXPECT_EQ(f.optSelect[0]->caption(), QStringLiteral("Select Timeperiod"));
}

// Switching the data kind while a period is being selected refreshes the lists and the prompt.
TEST_F(TimePeriod, DataKindFollowsIntoTheLists)
{
    frmTimePeriod &f = dialog();
    f.optSelect[0]->click();
    option(Tick).click();
    EXPECT_EQ(f.labeltime->caption(), QString::fromLatin1(timeperiod::kSelectMonthAndYear));
    EXPECT_TRUE(f.Combo2->visible());
    EXPECT_EQ(items(*f.Combo1), (QStringList{"1997", "1996"}));
    option(Annual).click();
    EXPECT_EQ(f.labeltime->caption(), QString::fromLatin1(timeperiod::kSelectYear));
    EXPECT_FALSE(f.Combo2->visible());
    EXPECT_EQ(items(*f.Combo1), dailyYears());
    EXPECT_EQ(f.Combo2->text(), QStringLiteral("January"));
}

TEST_F(TimePeriod, OneYearKeepsTheMonthListItHad)
{
    frmTimePeriod &f = dialog();
    option(Quarter).click();
    option(Year).click();
    EXPECT_EQ(items(*f.Combo2), (QStringList{"January", "April", "July", "October"}));
    option(Month).click();
    option(Year).click();
    EXPECT_EQ(f.Combo2->listCount(), 12);
}

// The month list offers its entries only: a typed name cannot stand for a month.
TEST_F(TimePeriod, MonthListTakesOnlyItsOwnEntries)
{
    frmTimePeriod &f = dialog();
    option(Tick).click();
    f.optSelect[0]->click();
    EXPECT_EQ(f.Combo2->style(), forms::ComboStyle::DropDownList);
    const QString before = f.Combo2->text();
    f.Combo2->setText(QStringLiteral("Febuary"));
    EXPECT_EQ(f.Combo2->text(), before);
    EXPECT_NE(monthNumber(f.Combo2->text()), 0);
}

} // namespace
} // namespace tarvello::test
