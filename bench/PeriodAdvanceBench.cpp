// The cost of one "&Forward" on the real main window (offscreen), in a Daily and in a Tick game over the
// sample price database the build makes next to the executables (futures.mdb), next to the cost of
// repainting the main window alone. Every modal window is answered at once: notices with OK, the
// options dialog with the game's options and "&Begin". A game is started again, with the clock
// stopped, before the click that would end it, so every timed click plays a period.
#include "app/MainWindowEvents.h"
#include "app/WindowConnections.h"
#include "common/Random.h"
#include "common/SystemServices.h"
#include "data/PriceDatabase.h"
#include "flow/OptionInterplay.h"
#include "flow/PeriodAdvance.h"
#include "flow/ui/LevelSetup.h"
#include "flow/ui/TimePeriodDialog.h"
#include "platform/forms/Controls.h"
#include "platform/forms/FormRegistry.h"
#include "platform/forms/ModalHost.h"
#include "state/GameState.h"
#include "windows/App.h"
#include "windows/Halvern.h"
#include "windows/frmEndofGame.h"
#include "windows/frmTimePeriod.h"

#include <QApplication>
#include <QPixmap>

#include <benchmark/benchmark.h>

#include "BenchSupport.h"

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace tarvello;

namespace {

// Answers each modal window at once, as a player who only ever goes on would.
class AnsweringHost final : public forms::ModalHost {
public:
    std::vector<GameOption> options; // the options dialog's clicks before "&Begin"

    void showModal(forms::Form &form, forms::Form *) override
    {
        form.setVisible(true);
        const QString name = form.objectName();
        if (name == QStringLiteral("frmTimePeriod")) {
            auto &dialog = static_cast<frmTimePeriod &>(form);
            for (GameOption o : options)
                optionButton(dialog, o).click();
            dialog.cmdBegin->click();
        } else if (name == QStringLiteral("frmPlayerNotification")) {
            press(form, QStringLiteral("btnOkay"));
        } else {
            press(form, QStringLiteral("btnPlayAgain"));
        }
        if (form.loaded())
            form.setVisible(false);
    }

private:
    static void press(forms::Form &form, const QString &button)
    {
        if (auto *b = form.findChild<forms::CommandButton *>(button))
            b->click();
    }
};

// The main window in its design state over the sample database, every window connected.
class Game {
public:
    explicit Game(std::vector<GameOption> options)
    {
        host.options = std::move(options);
        connectWindows(app);
        forms.setConnector<Halvern>([this](Halvern &w) {
            connectMainWindow(w, app);
            w.setLoadHandler({}); // no About or Disclaimer
        });
        state.priceDatabase.DbPath = bench::priceFile();
        state.priceDatabase.DbUser = QStringLiteral("admin");
        SetupGameLevel(app, Level::Expert);
        w().showModeless();
    }
    ~Game() { CloseDatabase(state.priceDatabase); }

    Halvern &w() { return forms.get<Halvern>(); }

    // Game > "&Start" (or, during a game, its end-of-game window's "&Play Again" first).
    bool start()
    {
        if (state.clock.tradeDay >= 1) {
            w().mnuNewGame->click(); // the summary during a game
            forms.get<frmEndofGame>().btnRestartGame->click();
        }
        w().mnuNewGame->click();
        return state.clock.gameDataLoaded && w().btnChangePeriod->enabled();
    }

    // Whether the next click may end the game: the Daily calendar's last day or the end date, the Tick
    // game's final period.
    bool nearTheEnd() const
    {
        const GameClock &clock = state.clock;
        if (state.settings.dataType == DataKind::Tick)
            return clock.tradeDay + 2 >= tickGameLength(clock.tradeDaysInPeriod);
        const TradingCalendar &calendar = state.market.GameCalendar;
        const int next = std::min<int>(clock.tradeDay + 1, calendar.Count - 1);
        return clock.tradeDay + 2 >= calendar.Count ||
               calendar.Days[static_cast<size_t>(next)] >= state.settings.endDate;
    }

    GameState state;
    AnsweringHost host;
    bench::NoEnd programEnd;
    forms::FormRegistry forms{host};
    DefaultRandomSource random{20240611};
    SystemClock clock;
    App app{state, forms, programEnd, random, clock, QString()};
};

void forward(benchmark::State &run, std::vector<GameOption> options)
{
    Game game(std::move(options));
    if (!game.start()) {
        run.SkipWithError("the game did not start");
        return;
    }
    for (auto _ : run) {
        if (game.nearTheEnd()) {
            run.PauseTiming();
            game.start();
            run.ResumeTiming();
        }
        game.w().btnChangePeriod->click();
        if (game.programEnd.ended()) {
            run.SkipWithError("the program ended");
            break;
        }
    }
}

void BM_ForwardDaily(benchmark::State &run)
{
    forward(run, {GameOption::Expert, GameOption::Daily, GameOption::Year});
}

void BM_ForwardTick(benchmark::State &run)
{
    forward(run, {GameOption::Expert, GameOption::Tick, GameOption::Quarter});
}

void BM_RepaintMainWindow(benchmark::State &run)
{
    Game game({GameOption::Expert, GameOption::Daily, GameOption::Year});
    game.start();
    game.w().btnChangePeriod->click();
    for (auto _ : run) {
        QPixmap image = game.w().grab();
        benchmark::DoNotOptimize(image.cacheKey());
    }
}

#define ADVANCE_BENCHMARK(name) BENCHMARK(name)->Apply(bench::repeated<benchmark::kMicrosecond>)

ADVANCE_BENCHMARK(BM_ForwardDaily);
ADVANCE_BENCHMARK(BM_ForwardTick);
ADVANCE_BENCHMARK(BM_RepaintMainWindow);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    bench::RatioReporter reporter(
        {{"BM_ForwardDaily", "BM_RepaintMainWindow"}, {"BM_ForwardTick", "BM_RepaintMainWindow"}}, "repaint",
        "us");
    return bench::runBenchmarks(argc, argv, reporter);
}
