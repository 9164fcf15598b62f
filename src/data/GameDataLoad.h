#pragma once

#include <QString>

#include <cstdint>

namespace tarvello {

struct GameState;
class MarketHooks;

// How a game load ended.
enum class LoadOutcome : uint8_t {
    Loaded,
    OpenFailed,    // the database could not be opened: show the notice titled "Tarvello", then end
    NoTradingDays, // the chosen period holds no trading day: show the notice, leave the game idle
    ReadFailed,    // the database could not be read (a missing table, a row without a value, a price
                   // beyond a Single, two rows for one moment)
    BadData,       // the data read cannot be played right (CheckGameData): nothing is left loaded
};

struct GameDataLoad {
    LoadOutcome outcome = LoadOutcome::Loaded;
    QString description;      // what the notice says; empty when loaded
    bool reusedTicks = false; // the tick records in memory served this Tick game

    bool ok() const { return outcome == LoadOutcome::Loaded; }
};

// The title of the notice that reports a failed load.
inline constexpr const char *kLoadFailureTitle = "Tarvello";

// Loads the data of the game the settings describe (DataType, StartDate, EndDate, LengthOption): the
// database is opened again, the calendar loaded, then each instrument's daily series or, in a Tick
// game, its ticks. The ticks of the last tick load are kept and serve a later Tick game over the same
// start, end and span. Every Tick game starts a fresh news list. Only a completed load reports
// Loaded; any other outcome leaves nothing to play, and the caller shows `description`.
GameDataLoad LoadGameData(GameState &state, MarketHooks &hooks);

// The game's own load: LoadGameData, then CheckGameData on what it read (and, when the period came back
// empty, a look for rows whose date could not be read). Data that fails a check is reported as
// BadData with the check's text, and its ticks are not kept for a later game. Whatever the load
// reports but Loaded, the calendar and the series are left empty, so the game stands as after a period
// without trading days.
GameDataLoad LoadPlayableGameData(GameState &state, MarketHooks &hooks);

} // namespace tarvello
