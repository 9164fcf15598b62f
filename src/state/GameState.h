#pragma once

#include "common/GameOptions.h"
#include "common/Instrument.h"
#include "common/Level.h"
#include "state/AccountState.h"
#include "state/ChartOptions.h"
#include "state/InstrumentBook.h"
#include "state/MarketState.h"
#include "state/NewsItem.h"
#include "state/OrderState.h"
#include "state/PriceDatabaseState.h"

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace tarvello {

// The game's options. The options dialog's "&Begin", the level set-up and the settings menus write them.
struct GameSettings {
    Level level = Level::Expert;        // start-up applies the Expert level
    double startDate = 0.0;             // StartDate, a day serial; start-up gives 15 December 1990
    bool gameStarted = false;           // GameStarted: true once "&Begin" has set a game up
    int16_t optionsChosen = 0;          // OptionsChosen: 1 once "&Begin" has been pressed
    int16_t levelChosenFromMenu = 0;    // LevelChosenFromMenu: 1 once the level menu has been used
    DataKind dataType = DataKind::None; // DataType
    GameLengthOption lengthOption = GameLengthOption::None; // the options dialog's length button
    int16_t gameLength = 0; // GameLength: the index of the game's final period
    double endDate = 0.0;   // EndDate, a day serial
    int16_t gameYear = 0;   // GameYear: the year of the historical period; 0 until one is chosen
};

// The game clock; game flow adds the rest of it.
struct GameClock {
    int16_t tradeDay = 0; // TradeDay: the period index, 0 before the first period
    // A game's data is loaded and the game has not ended: only then may "&Forward" be used.
    bool gameDataLoaded = false;
    // RestartMode: 1 once "&Play Again" has restarted the game, until the code that showed the summary
    // window has seen it.
    int16_t restartMode = 0;
    // The End command waits for the end-of-game window's answer: it, not "&Continue", gives the main
    // window back.
    bool endCommandWaiting = false;
    // AdvanceInProgress: true while a "&Forward" click opens the next period, in either kind of game;
    // the click lays out "&Forward", "&Trade" and the reports itself.
    bool advanceInProgress = false;
    // LiquidationOccurred: a forced fill of the margin test happened in this click; the click then
    // stops without opening the next period.
    bool liquidationOccurred = false;
    int16_t tradeDaysInPeriod = 0; // TradeDaysInPeriod: the trading days of the last calendar load
    bool endOfCalendar = false;    // EndOfCalendar: the loaded calendar has no further day
    bool tradingStarted = false;   // TradingStarted: period 1 of some game has begun; never reset
    // Clock texts for a time axis: the eight hours of a Tick game, or the close of a Daily one.
    std::array<QString, 8> timeAxisLabels{};
};

// The news the player has seen; the news subsystem adds the rest of it.
struct NewsState {
    int16_t newsEventCount = 0; // items listed in the news history
    QString notificationText;   // NotificationText: the message of the last notification box
    // NewsItems: the releases shown in the current Tick game, in the order shown; it grows as they come.
    std::vector<NewsItem> newsItems;
    // What the game's load read of the news, so that a game shows its news from memory: the releases
    // of a Tick game's period, in the order the file holds them, and the background stories of the
    // game's days (StoryDays).
    std::vector<NewsRelease> releases;
    std::vector<OverviewStory> stories;
    // Choices of "&Annual" and "&Daily" in the News Reports menu: an odd count shows the check mark.
    int16_t annualNewsClicks = 0;
    int16_t dailyNewsClicks = 0;
    // HintMarker: no helpful hint until the period index has passed it; kept for the whole run.
    int16_t hintMarker = 0;
    // The economic release of a period: its two texts and whether one was issued. No release is ever
    // issued in this game, so the flag stays false; the period advance empties the texts before it
    // asks for one.
    QString economicReleaseTitle;
    QString economicReleaseText;
    bool economicReleaseIssued = false;
};

// Everything the game keeps for the whole run. The application owns one; procedures take what they
// need by reference. Each subsystem's own records are added here as that subsystem is built.
struct GameState {
    std::array<InstrumentBook, kInstrumentCount> books{}; // indexed by slotOf(Instrument)
    AccountState account;
    PendingOrder order;
    TradeHistory trades;
    GameSettings settings;
    GameClock clock;
    NewsState news;
    ChartOptions chart;
    PriceDatabaseState priceDatabase; // holds the open database: the state is move-only
    MarketState market;

    InstrumentBook &book(Instrument i) { return books[slotOf(i)]; }
    const InstrumentBook &book(Instrument i) const { return books[slotOf(i)]; }
};

} // namespace tarvello
