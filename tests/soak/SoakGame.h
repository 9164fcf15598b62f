#pragma once

#include "common/Random.h"
#include "common/Services.h"
#include "platform/forms/FormRegistry.h"
#include "state/GameState.h"
#include "support/FixedClock.h"
#include "support/RecordingProgramEnd.h"
#include "support/ScriptedModalHost.h"
#include "windows/App.h"

#include <QDateTime>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace tarvello {
namespace forms {
class CommandButton;
}
class Halvern;
class frmTimePeriod;
class frmEndofGame;
class frmPlayerNotification;
} // namespace tarvello

namespace tarvello::test {

// The game's draws: a reseed from the clock takes the next number of the soak's own sequence
// instead, so that one seed always plays the same game.
class ReplayableRandom final : public RandomSource {
public:
    explicit ReplayableRandom(std::mt19937_64 &sequence);
    void randomize() override;
    void seed(uint32_t value) override { inner_.seed(value); }
    float rnd() override { return inner_.rnd(); }

private:
    std::mt19937_64 &sequence_;
    DefaultRandomSource inner_;
};

// One randomized run of the real game from start-up, over the price database in `programDirectory`:
// the player's choices and every modal window's answer drawn from `seed`. After every action it checks
// what must always hold (the account, the lots, the trade history, "&Forward", the main window and the
// database file) and stops at the first broken one, which it reports as a test failure.
class SoakGame {
public:
    SoakGame(uint64_t seed, const QString &programDirectory);
    ~SoakGame();
    SoakGame(const SoakGame &) = delete;
    SoakGame &operator=(const SoakGame &) = delete;

    // Plays until the program ends, or `actionLimit` actions have been taken. False when an
    // invariant broke.
    bool play(int actionLimit);

    // The actions taken so far, one line each.
    const std::vector<std::string> &log() const { return log_; }
    // How often each kind of step was taken: what a run of seeds has covered.
    const std::map<std::string, int> &tally() const { return tally_; }

private:
    struct Action {
        std::string name;
        int weight;
        std::function<void()> run;
    };

    Halvern &w();
    bool chance(double p);
    int below(int n);
    template <class T> const T &pickOf(const std::vector<T> &items)
    {
        return items[below(static_cast<int>(items.size()))];
    }

    std::vector<Action> availableActions();
    void beginAction();
    void take(const Action &action);
    void forward(int clicks);
    void enterQuantity();
    void quickInput(const std::vector<forms::CommandButton *> &offered);
    void queuedInput();
    void answer(forms::Form &form);
    void answerOptions(frmTimePeriod &dialog);
    void answerSummary(forms::Form &form);
    void answerModelessSummary(frmEndofGame &summary);
    void playAgainClicked()
    {
        restarted_ = true;
        ++tally_["Play Again"];
    }

    // The invariants; each reports its failure and returns false.
    bool checkAll();
    bool checkAccount();
    bool checkLots();
    bool checkHistory();
    bool checkBooking();
    bool checkForward();
    bool checkWayOn();
    bool checkMainWindow();
    bool checkDatabaseFile();
    bool checkOneNotice(const frmPlayerNotification &shown);
    bool fail(const std::string &what);

    std::mt19937_64 sequence_;
    GameState state_;
    ScriptedModalHost host_;
    RecordingProgramEnd programEnd_;
    forms::FormRegistry forms_{host_};
    ReplayableRandom random_{sequence_};
    FixedClock clock_;
    App app_;

    QString databasePath_;
    qint64 databaseSize_ = 0;
    QDateTime databaseModified_;

    std::vector<std::string> log_;
    std::vector<TradeRecord> recorded_;  // the history as the last check saw it
    std::vector<QString> confirmations_; // fills confirmed to the player during the current action
    bool restarted_ = false;             // the current action began a game afresh
    // The positions as the current action began.
    std::array<float, kInstrumentCount> positionsBefore_{};
    bool failed_ = false;
    int actionsTaken_ = 0;
    int actionLimit_ = 0;
    std::map<std::string, int> tally_;
};

} // namespace tarvello::test
