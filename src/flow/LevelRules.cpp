#include "flow/LevelRules.h"

#include "account/AccountSetup.h"
#include "account/InstrumentRules.h"

#include <cmath>

namespace tarvello {

void SetupLevelFigures(GameState &state, Level level)
{
    state.settings.level = level;
    setupAccountForLevel(state, level);
    const float capital = state.account.startingCapital;
    for (Instrument i : kAllInstruments) {
        const bool traded = level == Level::Expert || i == Instrument::Oil;
        state.book(i).maxUnits =
            traded ? static_cast<int16_t>(std::floor(capital / rulesOf(i).marginPerContract)) : int16_t{0};
    }
    if (level == Level::Novice)
        state.settings.gameLength = 90;
}

void ResetGameFigures(GameState &state)
{
    state.clock.tradeDay = 0;
    resetAccountForNewGame(state);
    state.order.selectedSecurity.reset();
    state.news.newsEventCount = 0;
}

QString startingTradeTime(DataKind kind)
{
    return kind == DataKind::Tick ? QStringLiteral("8:00 am") : QStringLiteral("4:00 pm");
}

void FillTimeAxisLabels(GameState &state)
{
    auto &labels = state.clock.timeAxisLabels;
    if (state.settings.dataType == DataKind::Tick) {
        const char *hours[] = {"9:00", "10:00", "11:00", "12:00", "1:00", "2:00", "3:00", "4:00"};
        for (size_t i = 0; i < labels.size(); ++i)
            labels[i] = QString::fromLatin1(hours[i]);
    } else if (state.settings.dataType == DataKind::Daily) {
        labels[0] = QStringLiteral("4:00");
    }
}

} // namespace tarvello
