#pragma once

#include <cstdint>
#include <span>

namespace tarvello {

// The nine options of the game options dialog, in its order: level, length, data kind, news reports.
enum class GameOption : uint8_t { Novice, Expert, Month, Quarter, Year, Daily, Tick, Annual, DayReports };
inline constexpr int kGameOptionCount = 9;

// What a step does to an option. Selecting an option that was not selected runs that option's own
// steps at once, before the next step of the procedure that selected it.
enum class OptionAction : uint8_t { None, Select, Clear, Enable, Disable };

// One step of an option's click procedure: one or two actions on one option, taken only when the
// condition holds as the step is reached (after whatever earlier steps have run).
struct OptionStep {
    enum class When : uint8_t { Always, IfSelected, IfNotSelected };

    GameOption option;
    OptionAction first;
    OptionAction second = OptionAction::None;
    When when = When::Always;
    GameOption test = GameOption::Novice; // the option the condition reads

    bool operator==(const OptionStep &) const = default;
};

// The steps that run when `clicked` becomes selected. `novice` is whether the Novice option was
// selected as the procedure began; it is read once, at the start.
//
// At Novice the steps close One Year, Tick and daily reports and choose One Quarter, Daily data and
// annual reports. Expert opens every option and chooses One Year, Daily data and annual reports. At
// Expert the data kind and the news reports move together (Daily with annual reports, Tick with daily
// reports), and Tick data or daily reports close One Year: where that clears a selected One Year, One
// Quarter takes its place, so that a game length is always chosen.
std::span<const OptionStep> optionSteps(GameOption clicked, bool novice);

} // namespace tarvello
