#include "flow/ClockLabels.h"

#include "common/VbDate.h"
#include "data/TickData.h"

#include <algorithm>
#include <array>

namespace tarvello {

namespace {

const QString kDatePrefix = QStringLiteral("Date: ");
// The close, the one trading time of a Daily game.
const QString kDailyTime = QStringLiteral("4:00 pm");

// By period mod 6: the sixth slot first.
constexpr std::array<const char *, 6> kTickTimes = {"2:00 pm",  "9:00 am",  "10:00 am",
                                                    "11:00 am", "12:00 pm", "1:00 pm"};

constexpr std::array<const char *, 7> kWeekdays = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                   "Thursday", "Friday", "Saturday"};

// Calendar day `index`, kept inside the calendar; none on an empty calendar.
std::optional<double> calendarDay(const TradingCalendar &calendar, int index)
{
    if (calendar.Count < 1)
        return std::nullopt;
    return calendar.Days[static_cast<size_t>(std::clamp(index, 0, calendar.Count - 1))];
}

// The day a Daily game shows: Days(Position - 1), or Days(0) before the calendar has moved.
std::optional<double> shownDailyDay(const TradingCalendar &calendar)
{
    return calendarDay(calendar, calendar.Position == 0 ? 0 : calendar.Position - 1);
}

// The tick day of period `tradeDay` (the first day for period 0 and below); none past the records.
std::optional<double> tickDay(const MarketState &market, int16_t tradeDay)
{
    const auto index = static_cast<size_t>(TickDayIndex(tradeDay).value_or(0.0f));
    if (index >= market.TickDays.size())
        return std::nullopt;
    return market.TickDays[index].Date;
}

QString dateCaption(double day)
{
    return kDatePrefix + vb::shortDate(day);
}

GameDate dailyDate(const GameState &state)
{
    const TradingCalendar &calendar = state.market.GameCalendar;
    GameDate result;
    if (calendar.Count > 0 && !state.clock.endOfCalendar) {
        result.date = shownDailyDay(calendar);
        if (*result.date < state.settings.endDate) {
            result.labelDay = dateCaption(*result.date);
            result.lblDay = GetWeekdayName(state);
        } else if (state.settings.lengthOption == GameLengthOption::OneMonth ||
                   state.settings.lengthOption == GameLengthOption::OneQuarter) {
            // The year loaded runs past a shorter game's end: the label stays on the game's last day.
            result.labelDay = dateCaption(*calendarDay(calendar, calendar.Position - 2));
        }
        return result;
    }
    // No calendar, or its end reached: the last trading day stays on show.
    if (state.clock.tradeDay == 0 || calendar.Count < 1)
        return result;
    result.labelDay = dateCaption(*calendarDay(calendar, calendar.Count - 1));
    result.date = calendarDay(calendar, calendar.Position);
    return result;
}

GameDate tickDate(const GameState &state)
{
    GameDate result;
    result.date =
        state.clock.tradeDay > 0 ? tickDay(state.market, state.clock.tradeDay) : state.settings.startDate;
    if (!result.date)
        return result;
    result.labelDay = dateCaption(*result.date);
    result.lblDay = GetWeekdayName(state);
    return result;
}

} // namespace

std::optional<QString> tickTimeText(int16_t period)
{
    const int remainder = period % 6;
    if (remainder < 0)
        return std::nullopt;
    return QString::fromLatin1(kTickTimes[static_cast<size_t>(remainder)]);
}

std::optional<QString> TraderTickTime(DataKind kind, int16_t index)
{
    if (kind != DataKind::Tick)
        return std::nullopt;
    return tickTimeText(index);
}

std::optional<QString> tickTimeCaption(DataKind kind, int16_t period)
{
    switch (kind) {
    case DataKind::Tick:
        return tickTimeText(period);
    case DataKind::Daily:
        if (period == 0)
            return kDailyTime;
        return std::nullopt;
    case DataKind::None:
        break;
    }
    return std::nullopt;
}

QString weekdayName(double day)
{
    const int weekday = vb::weekday(day);
    if (weekday < 1 || weekday > 7)
        return {};
    return QString::fromLatin1(kWeekdays[static_cast<size_t>(weekday - 1)]);
}

QString GetWeekdayName(const GameState &state)
{
    std::optional<double> day;
    switch (state.settings.dataType) {
    case DataKind::Daily:
        day = shownDailyDay(state.market.GameCalendar);
        break;
    case DataKind::Tick:
        day = tickDay(state.market, state.clock.tradeDay);
        break;
    case DataKind::None:
        break;
    }
    return day ? weekdayName(*day) : QString();
}

QString GameDate::text() const
{
    return date ? vb::shortDate(*date) : QString();
}

GameDate ShowGameDate(const GameState &state)
{
    switch (state.settings.dataType) {
    case DataKind::Daily:
        return dailyDate(state);
    case DataKind::Tick:
        return tickDate(state);
    case DataKind::None:
        break;
    }
    return {};
}

} // namespace tarvello
