#include "SoakGame.h"

#include "app/MainWindowEvents.h"
#include "app/WindowConnections.h"
#include "data/PriceDatabase.h"
#include "data/PriceSchema.h"
#include "flow/OptionInterplay.h"
#include "flow/ui/TimePeriodDialog.h"
#include "orders/ui/TradeStage.h"
#include "support/WindowInput.h"
#include "windows/AboutWindow.h"
#include "windows/DisclaimerWindow.h"
#include "windows/Halvern.h"
#include "windows/NewsWindow.h"
#include "windows/NotificationBox.h"
#include "windows/ScreenColorWindow.h"
#include "windows/frmEndofGame.h"
#include "windows/frmGameOver.h"
#include "windows/frmTimePeriod.h"
#include "windows/frmTradeConfirmation.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>

namespace tarvello::test {

namespace {

// Quantities a player should not type, each refused or read as the game reads it.
const std::vector<QString> &hostileQuantities()
{
    static const std::vector<QString> texts = {
        QString(),
        QStringLiteral(" "),
        QStringLiteral("0"),
        QStringLiteral("-1"),
        QStringLiteral("-0"),
        QStringLiteral("+2"),
        QStringLiteral("1.5"),
        QStringLiteral("2."),
        QStringLiteral(".5"),
        QStringLiteral("1e3"),
        QStringLiteral("1E2"),
        QStringLiteral("&H10"),
        QStringLiteral("0x10"),
        QStringLiteral("abc"),
        QStringLiteral("3a"),
        QStringLiteral("a3"),
        QStringLiteral("1,000"),
        QStringLiteral("$5"),
        QStringLiteral("5 "),
        QStringLiteral(" 5"),
        QStringLiteral("99999"),
        QStringLiteral("32767"),
        QStringLiteral("32768"),
        QStringLiteral("65536"),
        QStringLiteral("2147483648"),
        QStringLiteral("99999999999999999999"),
        QString(300, QLatin1Char('9')),
        QStringLiteral("NaN"),
        QStringLiteral("Infinity"),
        QStringLiteral("-Infinity"),
        QString::fromUtf8("\u0663"),       // an Arabic-Indic three
        QString::fromUtf8("\uFF11\uFF12"), // full-width 12
        QStringLiteral("1\t2"),
        QStringLiteral("&"),
        QStringLiteral("%d%s%n"),
        QStringLiteral("'; DROP TABLE DailyData; --"),
        QString(QChar(0x7F)),
        QString(QChar(0)) + QStringLiteral("3"),
    };
    return texts;
}

std::string text(const QString &s)
{
    return s.toStdString();
}

bool usable(const Halvern &m, const forms::Control *control)
{
    return m.enabled() && control->visible() && control->enabled();
}

// A fill the confirmation window told the player of.
struct ConfirmedFill {
    float units = 0.0f; // signed
    QString instrument;
    double price = 0.0;
};

std::optional<ConfirmedFill> parseConfirmation(const QString &confirmation)
{
    static const QRegularExpression pattern(
        QStringLiteral(R"(^Transaction Order Filled: (\d+) (\w+) (Bought|Sold) @\s+\$?([0-9,.]+)$)"));
    const QRegularExpressionMatch match = pattern.match(confirmation);
    if (!match.hasMatch())
        return std::nullopt;
    const float units = match.captured(1).toFloat();
    return ConfirmedFill{match.captured(3) == QStringLiteral("Bought") ? units : -units, match.captured(2),
                         match.captured(4).remove(QLatin1Char(',')).toDouble()};
}

QString describe(const TradeRecord &r)
{
    return QStringLiteral("#%1 day %2 %3 %4 %5 @ %6")
        .arg(r.tradeNumber)
        .arg(r.tradeDay)
        .arg(r.transaction)
        .arg(r.units)
        .arg(QString::fromLatin1(instrumentKey(r.security).data(), instrumentKey(r.security).size()))
        .arg(r.price);
}

} // namespace

ReplayableRandom::ReplayableRandom(std::mt19937_64 &sequence)
    : sequence_(sequence), inner_(static_cast<uint32_t>(sequence()))
{}

void ReplayableRandom::randomize()
{
    inner_.seed(static_cast<uint32_t>(sequence_()));
}

SoakGame::SoakGame(uint64_t seed, const QString &programDirectory)
    : sequence_(seed), app_{state_, forms_, programEnd_, random_, clock_, programDirectory}
{
    databasePath_ = QDir(programDirectory).filePath(QString::fromLatin1(kPriceFileName));
    const QFileInfo info(databasePath_);
    databaseSize_ = info.size();
    databaseModified_ = info.lastModified();

    connectWindows(app_);
    forms_.setConnector<Halvern>([this](Halvern &window) { connectMainWindow(window, app_); });
    host_.setDefaultAnswer([this](forms::Form &form) { answer(form); });
}

SoakGame::~SoakGame()
{
    CloseDatabase(state_.priceDatabase);
}

Halvern &SoakGame::w()
{
    return forms_.get<Halvern>();
}

bool SoakGame::chance(double p)
{
    return std::uniform_real_distribution<double>(0.0, 1.0)(sequence_) < p;
}

int SoakGame::below(int n)
{
    return std::uniform_int_distribution<int>(0, n - 1)(sequence_);
}

bool SoakGame::play(int actionLimit)
{
    actionLimit_ = actionLimit;
    log_.push_back("start-up");
    w(); // its Load is the program's start-up: the About window, the database, the Disclaimer
    if (!programEnd_.ended())
        checkAll();
    while (!failed_ && !programEnd_.ended() && actionsTaken_ < actionLimit_) {
        const std::vector<Action> actions = availableActions();
        if (actions.empty()) {
            fail("nothing on the screen can be used");
            break;
        }
        int total = 0;
        for (const Action &a : actions)
            total += a.weight;
        int draw = below(total);
        for (const Action &a : actions) {
            if (draw < a.weight) {
                a.run();
                break;
            }
            draw -= a.weight;
        }
    }
    return !failed_;
}

void SoakGame::beginAction()
{
    ++actionsTaken_;
    confirmations_.clear();
    restarted_ = false;
    for (Instrument i : kAllInstruments)
        positionsBefore_[static_cast<size_t>(slotOf(i))] = state_.book(i).position;
}

void SoakGame::take(const Action &action)
{
    log_.push_back(action.name);
    beginAction();
    action.run();
    if (!programEnd_.ended())
        checkAll();
}

std::vector<SoakGame::Action> SoakGame::availableActions()
{
    std::vector<Action> actions;
    Halvern &m = w();
    const auto add = [&](std::string name, int weight, std::function<void()> run) {
        Action inner{name, weight, std::move(run)};
        actions.push_back({name, weight, [this, inner] { take(inner); }});
    };
    std::vector<forms::CommandButton *> offered;
    const auto button = [&](forms::CommandButton *b, int weight) {
        if (!usable(m, b))
            return;
        offered.push_back(b);
        add(text(b->objectName()), weight, [this, b] {
            ++tally_[text(b->objectName())];
            b->click();
        });
    };

    if (usable(m, m.btnChangePeriod)) {
        // Mostly one period at a time, so that the player trades between them; now and then a run of
        // periods, or all of them to the end of the game.
        static const int counts[] = {1, 1, 1, 1, 1, 1, 1, 1, 2, 3, 5, 10, 0};
        const int clicks = counts[below(static_cast<int>(std::size(counts)))];
        actions.push_back({"Forward", 30, [this, clicks] { forward(clicks); }});
    }
    button(m.btnTrade, 30);
    for (Instrument i : kAllInstruments)
        button(instrumentButton(m, i), 6);
    button(m.btnBuy, 16);
    button(m.btnSell, 16);
    button(m.btnHold, 3);
    if (usable(m, m.inputUnits))
        actions.push_back({"quantity", 30, [this] { enterQuantity(); }});
    button(m.btnYes, 30);
    button(m.btnNo, 4);
    button(m.btnTradeHist, 2);
    button(m.btnNewsHist, 2);
    button(m.btnCloseTradeHistory, 8);
    button(m.btnCloseNewsHist, 8);
    if (usable(m, m.btnChangePeriod))
        offered.push_back(m.btnChangePeriod);
    if (offered.size() >= 2 && m.isVisible())
        actions.push_back({"quick input", 8, [this, offered] { quickInput(offered); }});
    if (m.enabled() && m.isVisible())
        actions.push_back({"queued input", 6, [this] { queuedInput(); }});

    const auto menu = [&](forms::MenuItem *item, int weight) {
        if (item->reachable())
            add(text(item->objectName()) + " " + text(item->caption()), weight, [this, item] {
                ++tally_[text(item->objectName()) + " " + text(item->caption())];
                item->click();
            });
    };
    menu(m.mnuNewGame, state_.clock.tradeDay == 0 ? 20 : 1);
    menu(m.mnuEnd, 1);
    menu(m.mnuScreenColor, 1);
    menu(m.mnuLevel[0], 1);
    menu(m.mnuLevel[2], 1);

    // The end-of-game window Game > "&Restart" shows without waiting: the game goes on behind it.
    if (forms_.isLoaded<frmEndofGame>() && forms_.get<frmEndofGame>().visible()) {
        frmEndofGame &summary = forms_.get<frmEndofGame>();
        const auto summaryButton = [&](forms::CommandButton *b, int weight, bool restarts) {
            if (b->visible() && b->enabled() && summary.enabled())
                add("end-of-game window: " + text(b->objectName()), weight, [this, b, restarts] {
                    if (restarts)
                        playAgainClicked();
                    b->click();
                });
        };
        summaryButton(summary.btnContinue, 6, false);
        summaryButton(summary.btnRestartGame, 4, true);
        summaryButton(summary.btnExit, 2, false);
    }
    return actions;
}

// "&Forward" `clicks` times (0: until the game ends), each click an action of its own, for as long as
// the button can be used and the run has actions left. Every click must move the game: a period, a window, a
// fill or the end.
void SoakGame::forward(int clicks)
{
    for (int n = 0;
         (clicks == 0 || n < clicks) && actionsTaken_ < actionLimit_ && !failed_ && !programEnd_.ended();
         ++n) {
        Halvern &m = w();
        if (!usable(m, m.btnChangePeriod))
            return;
        const int16_t day = state_.clock.tradeDay;
        const size_t shows = host_.shows().size();
        const int32_t trades = state_.account.totalTrades;
        log_.push_back("Forward from period " + std::to_string(day));
        beginAction();
        m.btnChangePeriod->click();
        ++tally_["Forward"];
        if (programEnd_.ended())
            return;
        if (state_.clock.tradeDay == day && host_.shows().size() == shows &&
            state_.account.totalTrades == trades) {
            fail("\"&Forward\" was enabled but its click moved nothing");
            return;
        }
        checkAll();
    }
}

// Two to four of the offered buttons pressed, by a click or by the access key, faster than the screen
// answers: all of it queued for the main window before any of it runs. Each acts on what the screen
// offers when it reaches the window.
void SoakGame::quickInput(const std::vector<forms::CommandButton *> &offered)
{
    Halvern &m = w();
    std::string name = "quick input:";
    std::vector<std::function<void()>> inputs;
    for (int n = 2 + below(3); n > 0; --n) {
        forms::CommandButton *b = pickOf(offered);
        const qsizetype amp = b->caption().indexOf(QLatin1Char('&'));
        const QChar letter =
            amp >= 0 && amp + 1 < b->caption().size() ? b->caption()[amp + 1].toUpper() : QChar();
        if (letter.isLetter() && chance(0.5)) {
            name += " Alt+" + text(QString(letter));
            const auto key = static_cast<Qt::Key>(Qt::Key_A + (letter.unicode() - u'A'));
            inputs.push_back([&m, key] { postKey(m, key, Qt::AltModifier); });
        } else {
            name += " click " + text(b->objectName());
            inputs.push_back([b] { postClick(*b); });
        }
    }
    take({name, 0, [&m, inputs] {
              m.activateWindow(); // the player's keys go to the main window
              QCoreApplication::processEvents();
              for (const auto &input : inputs)
                  input();
              QCoreApplication::processEvents();
          }});
    ++tally_["quick input"];
}

void SoakGame::enterQuantity()
{
    Halvern &m = w();
    QString quantity;
    if (chance(0.6)) {
        const int16_t most = state_.book(state_.order.instrument()).maxUnits;
        quantity = QString::number(1 + below(std::max<int>(most, 1) + 3));
    } else {
        quantity = pickOf(hostileQuantities());
        ++tally_["hostile quantity"];
    }
    static const std::pair<int, const char *> keys[] = {
        {Qt::Key_Return, "Return"}, {Qt::Key_Enter, "keypad Enter"}, {Qt::Key_Tab, "Tab"}};
    const auto &[key, keyName] = keys[below(3)];
    QString shown = quantity.left(20);
    shown.replace(QChar(0), QStringLiteral("\\0"));
    take({"quantity \"" + text(shown) + (quantity.size() > 20 ? "...\"" : "\"") + " + " + keyName, 0,
          [&m, quantity, key = key] {
              m.inputUnits->setText(quantity);
              QKeyEvent event(QEvent::KeyPress, key,
                              key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
              QCoreApplication::sendEvent(m.inputUnits, &event);
          }});
}

// Every modal window is answered here, as a player would answer it.
void SoakGame::answer(forms::Form &form)
{
    const QString name = form.objectName();
    if (name == QStringLiteral("frmAboutHalvern")) {
        static_cast<frmAboutHalvern &>(form).cmdOK->click();
    } else if (name == QStringLiteral("frmDisclaimer")) {
        static_cast<frmDisclaimer &>(form).btnClose->click();
    } else if (name == QStringLiteral("frmPlayerNotification")) {
        auto &box = static_cast<frmPlayerNotification &>(form);
        checkOneNotice(box);
        box.btnOkay->click();
    } else if (name == QStringLiteral("frmNewsDisplay")) {
        static_cast<frmNewsDisplay &>(form).btnclose->click();
    } else if (name == QStringLiteral("frmTradeConfirmation")) {
        auto &confirmation = static_cast<frmTradeConfirmation &>(form);
        confirmations_.push_back(confirmation.lblTradeConfirmation->caption());
        ++tally_["fill"];
        confirmation.Command1->click();
    } else if (name == QStringLiteral("frmTimePeriod")) {
        answerOptions(static_cast<frmTimePeriod &>(form));
    } else if (name == QStringLiteral("frmScreenColor")) {
        auto &dialog = static_cast<frmScreenColor &>(form);
        forms::OptionButton *options[] = {dialog.optBlack, dialog.optGray, dialog.optMono};
        forms::OptionButton *chosen = options[below(3)];
        log_.push_back("  scheme " + text(chosen->objectName()));
        ++tally_["scheme"];
        chosen->click();
        if (chance(0.8))
            dialog.Command1->click();
        else
            dialog.unload();
    } else if (name == QStringLiteral("frmGameOver") || name == QStringLiteral("frmEndofGame")) {
        answerSummary(form);
    } else {
        fail("a modal window the soak does not know: " + text(name));
        form.unload();
    }
}

// The game options dialog: a level, data kind, length and period drawn at random, clicked in the
// order a player might, then "&Begin"; now and then "&Cancel" or the close box instead.
void SoakGame::answerOptions(frmTimePeriod &dialog)
{
    if (chance(0.08)) {
        log_.push_back("  options: cancelled");
        if (chance(0.5))
            dialog.cmdReset->click();
        else
            dialog.unload();
        return;
    }
    std::vector<GameOption> clicks;
    clicks.push_back(chance(0.35) ? GameOption::Novice : GameOption::Expert);
    clicks.push_back(chance(0.6) ? GameOption::Daily : GameOption::Tick);
    static const GameOption lengths[] = {GameOption::Month, GameOption::Month, GameOption::Quarter,
                                         GameOption::Year};
    clicks.push_back(lengths[below(4)]);
    if (chance(0.2))
        clicks.push_back(chance(0.5) ? GameOption::Annual : GameOption::DayReports);
    if (chance(0.2))
        std::swap(clicks[static_cast<size_t>(below(static_cast<int>(clicks.size())))], clicks.back());
    std::string chosen = "  options:";
    for (GameOption o : clicks) {
        chosen += " " + text(optionButton(dialog, o).objectName());
        optionButton(dialog, o).click();
    }
    if (chance(0.5)) {
        dialog.optSelect[0]->click();
        if (dialog.Combo1->listCount() > 0)
            dialog.Combo1->setListIndex(below(dialog.Combo1->listCount()));
        if (dialog.Combo2->listCount() > 0)
            dialog.Combo2->setListIndex(below(dialog.Combo2->listCount()));
        chosen += " period " + text(dialog.Combo2->text()) + " " + text(dialog.Combo1->text());
    } else {
        dialog.optSelect[1]->click();
        chosen += " random period";
    }
    log_.push_back(chosen);
    dialog.cmdBegin->click();
    if (dialog.loaded() && dialog.visible()) {
        // "&Begin" refused the choice with a notice: give up this time.
        log_.push_back("  options: refused, cancelled");
        dialog.cmdReset->click();
        return;
    }
    restarted_ = true;
    ++tally_[state_.settings.dataType == DataKind::Tick ? "Tick game" : "Daily game"];
    ++tally_[state_.settings.level == Level::Novice ? "Novice game" : "Expert game"];
}

// The game-over window (a game's end, or a lost account) and the end-of-game window (Game > "&End").
void SoakGame::answerSummary(forms::Form &form)
{
    const bool gameOver = form.objectName() == QStringLiteral("frmGameOver");
    const auto restart = [this] { playAgainClicked(); };
    if (gameOver) {
        ++tally_["game over"];
        auto &summary = static_cast<frmGameOver &>(form);
        const double draw = std::uniform_real_distribution<double>(0.0, 1.0)(sequence_);
        if (draw < 0.55) {
            log_.push_back("  game over: Play Again");
            restart();
            summary.btnPlayAgain->click();
        } else if (draw < 0.85) {
            log_.push_back("  game over: End");
            ++tally_["End"];
            summary.btnEnd->click();
        } else {
            log_.push_back("  game over: close box");
            restart();
            summary.unload();
        }
        return;
    }
    auto &summary = static_cast<frmEndofGame &>(form);
    const bool playAgain = summary.btnRestartGame->enabled();
    const double draw = std::uniform_real_distribution<double>(0.0, 1.0)(sequence_);
    if (draw < 0.25 && playAgain) {
        log_.push_back("  end of game: Play Again");
        restart();
        summary.btnRestartGame->click();
    } else if (draw < 0.35) {
        log_.push_back("  end of game: End");
        ++tally_["End"];
        summary.btnExit->click();
    } else if (draw < 0.5) {
        log_.push_back("  end of game: close box");
        summary.unload();
    } else {
        log_.push_back("  end of game: Continue");
        ++tally_["Continue"];
        summary.btnContinue->click();
    }
}

bool SoakGame::fail(const std::string &what)
{
    if (!failed_)
        ADD_FAILURE() << what;
    failed_ = true;
    return false;
}

bool SoakGame::checkAll()
{
    return checkDatabaseFile() && checkMainWindow() && checkForward() && checkWayOn() && checkAccount() &&
           checkLots() && checkHistory() && checkBooking();
}

// The account value is the capital plus the realized and unrealized profit and loss, to the precision
// of the Single it is kept in.
bool SoakGame::checkAccount()
{
    const AccountState &a = state_.account;
    const double expected = static_cast<double>(a.startingCapital) + a.realizedPL + a.unrealizedPL;
    const double tolerance =
        std::max(std::abs(expected) * 2.0 * std::numeric_limits<float>::epsilon(), 0.005);
    if (std::abs(static_cast<double>(a.accountValue) - expected) <= tolerance)
        return true;
    std::ostringstream os;
    os.precision(17);
    os << "account value " << a.accountValue << " is not capital " << a.startingCapital << " + realized "
       << a.realizedPL << " + unrealized " << a.unrealizedPL << " = " << expected;
    return fail(os.str());
}

// Each instrument's open lots add up to its position, and there are at most 100 of them.
bool SoakGame::checkLots()
{
    for (Instrument i : kAllInstruments) {
        const InstrumentBook &book = state_.book(i);
        if (book.lotCount < 0 || book.lotCount > kMaxLots)
            return fail(std::string(instrumentKey(i)) + " holds " + std::to_string(book.lotCount) + " lots");
        double units = 0.0;
        for (int n = 1; n <= book.lotCount; ++n)
            units += book.lots[static_cast<size_t>(n)].units;
        if (units != static_cast<double>(book.position))
            return fail(std::string(instrumentKey(i)) + " lots hold " + std::to_string(units) +
                        " contracts, the position is " + std::to_string(book.position));
    }
    return true;
}

// The trade history holds exactly the fills made: the records of the game numbered from 1, the ones
// seen before unchanged, each new record of the player's a fill that was confirmed (in order), each
// new margin-call record a fill that brings its position closer to flat, and every position the sum
// of its instrument's records.
bool SoakGame::checkHistory()
{
    const int32_t total = state_.account.totalTrades;
    const auto game = state_.trades.ofGame(total);
    if (static_cast<int32_t>(game.size()) != total)
        return fail("the trade count is " + std::to_string(total) + " but the history holds " +
                    std::to_string(game.size()) + " records of this game");
    for (size_t n = 0; n < game.size(); ++n) {
        if (game[n].tradeNumber != static_cast<int32_t>(n + 1))
            return fail("record " + std::to_string(n + 1) + " is numbered " +
                        std::to_string(game[n].tradeNumber));
    }

    if (restarted_) {
        // A game began afresh during the action: whatever was confirmed before belongs to the old game.
        if (total != 0)
            return fail("a new game begins with " + std::to_string(total) + " trades");
    } else {
        if (game.size() < recorded_.size())
            return fail("the history lost records: " + std::to_string(recorded_.size()) + " before, " +
                        std::to_string(game.size()) + " now");
        for (size_t n = 0; n < recorded_.size(); ++n) {
            if (!(game[n] == recorded_[n]))
                return fail("record changed: " + text(describe(recorded_[n])) + " is now " +
                            text(describe(game[n])));
        }
        size_t confirmed = 0;
        std::array<double, kInstrumentCount> position{};
        for (size_t n = 0; n < recorded_.size(); ++n)
            position[static_cast<size_t>(slotOf(game[n].security))] += game[n].units;
        for (size_t n = recorded_.size(); n < game.size(); ++n) {
            const TradeRecord &r = game[n];
            double &held = position[static_cast<size_t>(slotOf(r.security))];
            if (r.transaction.endsWith(QStringLiteral(" - Margin Call"))) {
                ++tally_["margin-call fill"];
                if (!(std::abs(held + r.units) < std::abs(held)) || held * (held + r.units) < 0.0)
                    return fail("a margin-call fill that does not reduce the position: " + text(describe(r)));
            } else {
                if (confirmed >= confirmations_.size())
                    return fail("a fill in the history that was never confirmed: " + text(describe(r)));
                const QString &confirmation = confirmations_[confirmed++];
                const auto fill = parseConfirmation(confirmation);
                if (!fill)
                    return fail("an unreadable confirmation: " + text(confirmation));
                const QString side = fill->units > 0 ? QStringLiteral("Buy") : QStringLiteral("Sell");
                if (r.transaction != side || r.units != fill->units ||
                    fill->instrument !=
                        QLatin1String(instrumentKey(r.security).data(),
                                      static_cast<qsizetype>(instrumentKey(r.security).size())) ||
                    std::abs(r.price - fill->price) > 0.006)
                    return fail("the confirmation \"" + text(confirmation) + "\" was recorded as " +
                                text(describe(r)));
            }
            held += r.units;
        }
        if (confirmed != confirmations_.size())
            return fail("a confirmed fill is missing from the history: " + text(confirmations_[confirmed]));
    }
    recorded_.assign(game.begin(), game.end());

    std::array<double, kInstrumentCount> sums{};
    for (const TradeRecord &r : game)
        sums[static_cast<size_t>(slotOf(r.security))] += r.units;
    for (Instrument i : kAllInstruments) {
        if (sums[static_cast<size_t>(slotOf(i))] != static_cast<double>(state_.book(i).position))
            return fail(std::string(instrumentKey(i)) + " position " +
                        std::to_string(state_.book(i).position) + " is not the sum of its fills, " +
                        std::to_string(sums[static_cast<size_t>(slotOf(i))]));
    }
    return true;
}

// A fill confirmed to the player is booked as its confirmation reads: the position of the instrument it
// names moves by its contracts, no other position moves, and a fill that opens a position or adds to
// it opens a lot of its contracts at its price. (An action with a confirmation has no margin-call fill.)
bool SoakGame::checkBooking()
{
    if (restarted_ || confirmations_.empty())
        return true;
    std::array<double, kInstrumentCount> confirmed{};
    for (const QString &confirmation : confirmations_) {
        const auto fill = parseConfirmation(confirmation);
        if (!fill)
            return fail("an unreadable confirmation: " + text(confirmation));
        for (Instrument i : kAllInstruments) {
            if (fill->instrument ==
                QLatin1String(instrumentKey(i).data(), static_cast<qsizetype>(instrumentKey(i).size())))
                confirmed[static_cast<size_t>(slotOf(i))] += fill->units;
        }
    }
    for (Instrument i : kAllInstruments) {
        const size_t slot = static_cast<size_t>(slotOf(i));
        const InstrumentBook &book = state_.book(i);
        const double before = positionsBefore_[slot];
        const double moved = static_cast<double>(book.position) - before;
        if (moved != confirmed[slot])
            return fail(std::string(instrumentKey(i)) + " position moved by " + std::to_string(moved) +
                        " where the confirmations \"" + text(confirmations_.front()) + "\" say " +
                        std::to_string(confirmed[slot]));
        if (confirmations_.size() != 1 || moved == 0.0 || book.lotCount == kMaxLots)
            continue;
        const double after = book.position;
        const bool adds = (before >= 0.0 && moved > 0.0) || (before <= 0.0 && moved < 0.0);
        if (!adds && before * after >= 0.0)
            continue; // it closes lots and opens none
        const PositionLot &newest = book.lots[static_cast<size_t>(book.lotCount)];
        const double price = parseConfirmation(confirmations_.front())->price;
        if (book.lotCount < 1 || newest.units != (adds ? moved : after) ||
            std::abs(newest.price - price) > 0.006)
            return fail("the fill \"" + text(confirmations_.front()) + "\" was booked as a lot of " +
                        std::to_string(newest.units) + " " + std::string(instrumentKey(i)) + " @ " +
                        std::to_string(newest.price));
    }
    return true;
}

// While a game is under way and the main window can be used, it offers a way on: "&Forward" or a step
// of the order road, or the button that closes a report.
bool SoakGame::checkWayOn()
{
    Halvern &m = w();
    if (!m.enabled() || !state_.clock.gameDataLoaded || state_.clock.tradeDay == 0)
        return true;
    std::vector<forms::Control *> ways = {m.btnChangePeriod, m.btnTrade, m.inputUnits};
    for (forms::CommandButton *b :
         {m.btnBuy, m.btnSell, m.btnHold, m.btnYes, m.btnNo, m.btnCloseTradeHistory, m.btnCloseNewsHist})
        ways.push_back(b);
    for (Instrument i : kAllInstruments)
        ways.push_back(instrumentButton(m, i));
    for (const forms::Control *c : ways) {
        if (usable(m, c))
            return true;
    }
    return fail("the main window offers no way on: no \"&Forward\", no step of the order road");
}

// "&Forward" can be used only when its click moves a game: one with a data kind whose data is loaded.
bool SoakGame::checkForward()
{
    Halvern &m = w();
    if (!usable(m, m.btnChangePeriod))
        return true;
    const DataKind kind = state_.settings.dataType;
    if ((kind == DataKind::Daily || kind == DataKind::Tick) && state_.clock.gameDataLoaded)
        return true;
    return fail(std::string("\"&Forward\" is enabled with ") +
                (kind == DataKind::None ? "no data kind" : "no game data loaded"));
}

// The main window is disabled only while another window is in front of it.
bool SoakGame::checkMainWindow()
{
    Halvern &m = w();
    if (m.enabled())
        return true;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        const auto *form = qobject_cast<const forms::Form *>(widget);
        if (form && form != &m && form->visible() && form->isVisible())
            return true;
    }
    return fail("the main window is disabled and no window is in front of it");
}

// The game writes nothing: the database file keeps its size and time, and nothing appears beside it.
bool SoakGame::checkDatabaseFile()
{
    const QFileInfo info(databasePath_);
    if (info.size() != databaseSize_ || info.lastModified() != databaseModified_)
        return fail("the price database file was written");
    const QStringList beside =
        info.dir().entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    if (beside != QStringList{info.fileName()})
        return fail("files appeared beside the price database: " + text(beside.join(QStringLiteral(", "))));
    return true;
}

} // namespace tarvello::test
