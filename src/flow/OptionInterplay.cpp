#include "flow/OptionInterplay.h"

namespace tarvello {

namespace {

using enum GameOption;
constexpr auto S = OptionAction::Select;
constexpr auto C = OptionAction::Clear;
constexpr auto E = OptionAction::Enable;
constexpr auto D = OptionAction::Disable;
constexpr auto N = OptionAction::None;
using When = OptionStep::When;

constexpr OptionStep ifSelected(GameOption option, OptionAction first, OptionAction second, GameOption test)
{
    return {option, first, second, When::IfSelected, test};
}

constexpr OptionStep ifNotSelected(GameOption option, OptionAction first, OptionAction second,
                                   GameOption test)
{
    return {option, first, second, When::IfNotSelected, test};
}

// Tick data and daily reports cannot run for a year. A selected One Year gives way to One Quarter
// before it is closed, so that the dialog never stands without a game length.
constexpr OptionStep kQuarterForYear = ifSelected(Quarter, S, N, Year);

constexpr OptionStep kNovice[] = {
    {Novice, S, E}, {Expert, C, E}, {Month, C, E},  {Quarter, S, E},    {Year, C, D},
    {Daily, S, E},  {Tick, C, D},   {Annual, S, E}, {DayReports, C, D},
};

constexpr OptionStep kExpert[] = {
    {Novice, E},  {Expert, E}, {Month, E},      {Quarter, E}, {Year, E},   {Daily, E},
    {Tick, E},    {Annual, E}, {DayReports, E}, {Novice, C},  {Expert, S}, {Month, C},
    {Quarter, C}, {Year, S},   {Daily, S},      {Tick, C},    {Annual, S}, {DayReports, C},
};

constexpr OptionStep kMonthNovice[] = {{Month, S, E}, {Quarter, C, E}, {Year, C, D}};
constexpr OptionStep kMonthExpert[] = {
    {Month, S, E},
    {Quarter, C, E},
    ifSelected(Year, C, D, Tick),
    ifNotSelected(Year, C, E, Tick),
};

constexpr OptionStep kQuarter[] = {{Month, C}, {Quarter, S}, {Year, C}};
constexpr OptionStep kYear[] = {{Month, C}, {Quarter, C}, {Year, S}};

constexpr OptionStep kDailyNovice[] = {{Daily, S, E}, {Tick, C, D}};
constexpr OptionStep kDailyExpert[] = {
    {Daily, S, E}, {Tick, C, E}, {Year, E}, {Annual, S, E}, {DayReports, C, E},
};

constexpr OptionStep kTickNovice[] = {{Daily, E}, {Tick, D}, {Daily, S}, {Tick, C}};
constexpr OptionStep kTickExpert[] = {
    {Daily, C},         {Tick, S},      {Annual, C, E},
    kQuarterForYear,    {Year, C, D},   ifSelected(Month, S, E, Quarter),
    {DayReports, S, E}, {Novice, C, E},
};

constexpr OptionStep kAnnualNovice[] = {{Annual, S, E}, {DayReports, C, D}};
constexpr OptionStep kAnnualExpert[] = {{Annual, S, E}, {DayReports, C, E}, {Daily, S, E}, {Tick, C, E}};

constexpr OptionStep kDayReportsNovice[] = {{Annual, C, D}, {DayReports, S, E}};
constexpr OptionStep kDayReportsExpert[] = {
    {Annual, C, E}, {DayReports, E, S}, kQuarterForYear, {Year, D, C}, ifSelected(Quarter, S, N, Month),
    {Daily, C, E},  {Tick, S, E},       {Novice, C, E},
};

} // namespace

std::span<const OptionStep> optionSteps(GameOption clicked, bool novice)
{
    switch (clicked) {
    case Novice:
        return kNovice;
    case Expert:
        return kExpert;
    case Month:
        return novice ? std::span<const OptionStep>(kMonthNovice) : kMonthExpert;
    case Quarter:
        return kQuarter;
    case Year:
        return kYear;
    case Daily:
        return novice ? std::span<const OptionStep>(kDailyNovice) : kDailyExpert;
    case Tick:
        return novice ? std::span<const OptionStep>(kTickNovice) : kTickExpert;
    case Annual:
        return novice ? std::span<const OptionStep>(kAnnualNovice) : kAnnualExpert;
    case DayReports:
        return novice ? std::span<const OptionStep>(kDayReportsNovice) : kDayReportsExpert;
    }
    return {};
}

} // namespace tarvello
