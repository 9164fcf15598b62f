#pragma once

#include "common/VbDate.h"
#include "state/GameState.h"
#include "support/FixtureDb.h"

#include <QDate>
#include <QTime>

#include <vector>

namespace tarvello::test {

// A game state pointed at a fixture database, with the game's kind, length option and dates.
inline void pointAt(GameState &state, const FixtureDb &fixture)
{
    state.priceDatabase.DbPath = fixture.path();
    state.priceDatabase.DbUser = QStringLiteral("admin");
}

inline void describeGame(GameState &state, DataKind kind, GameLengthOption length, Day start, Day end)
{
    state.settings.dataType = kind;
    state.settings.lengthOption = length;
    state.settings.startDate = start.serial;
    state.settings.endDate = end.serial;
}

// Both: a game over the fixture's prices.
inline void describeGame(GameState &state, const FixtureDb &fixture, DataKind kind, GameLengthOption length,
                         Day start, Day end)
{
    pointAt(state, fixture);
    describeGame(state, kind, length, start, end);
}

// `count` weekdays from `first` on (`first` included when it is one).
inline std::vector<QDate> weekdays(QDate first, int count)
{
    std::vector<QDate> days;
    for (QDate d = first; static_cast<int>(days.size()) < count; d = d.addDays(1)) {
        if (d.dayOfWeek() <= 5)
            days.push_back(d);
    }
    return days;
}

// The fixture's price of instrument `id` (1..6) on the `n`th trading day: a level of its own that
// climbs a little each day, in the units the database keeps (Soybean in cents).
inline double fixturePrice(int id, int n)
{
    static constexpr double kLevels[] = {0.0, 70.0, 380.0, 20.0, 450.0, 600.0, 100.0};
    return kLevels[id] + 0.25 * n;
}

// A daily close of each of the six instruments on each day.
inline void addDailyCloses(FixtureDb &fixture, const std::vector<QDate> &days)
{
    for (size_t n = 0; n < days.size(); ++n)
        for (int id = 1; id <= 6; ++id)
            fixture.addDailyClose(id, days[n], fixturePrice(id, static_cast<int>(n)));
}

// The tick quote of instrument `id` on the `n`th trading day, as the tick table keeps it: a tenth of
// the price for Cattle, Gold, Oil and SP500, whole cents for Soybean, points and 32nds for T-Bond.
inline double fixtureTickQuote(int id, int n)
{
    switch (id) {
    case 5:
        return 600.0 + n;
    case 6:
        return 100.0 + 0.01 * n;
    default:
        return fixturePrice(id, n) / 10.0;
    }
}

// Trading days of the tick calendar, each with one early tick per instrument.
inline void addTickDays(FixtureDb &fixture, const std::vector<QDate> &days)
{
    for (size_t n = 0; n < days.size(); ++n) {
        fixture.addCalendarDay(days[n]);
        for (int id = 1; id <= 6; ++id)
            fixture.addTick(id, days[n], QTime(9, 5), fixtureTickQuote(id, static_cast<int>(n)));
    }
}

} // namespace tarvello::test
