#pragma once

#include "account/ui/AccountWindow.h"
#include "app/MainWindowEvents.h"
#include "app/WindowConnections.h"
#include "common/Notice.h"
#include "orders/ui/OrderWindow.h"
#include "orders/ui/TradeStage.h"
#include "platform/forms/FormRegistry.h"
#include "state/GameState.h"
#include "support/FixedClock.h"
#include "support/RecordingProgramEnd.h"
#include "support/ScriptedModalHost.h"
#include "support/TradingFixtures.h"
#include "windows/App.h"
#include "windows/Halvern.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include <gtest/gtest.h>

#include <optional>

namespace tarvello::test {

// The real main window over a game in progress: its events connected, modal windows answered by the
// scripted host, the program end recorded and the random draws scripted.
class TradingWindowTest : public ::testing::Test {
protected:
    TradingWindowTest() { connectTradingWindows(app); }

    // Every window connected as the game connects them; the main window starts in its design state,
    // without the program's start-up.
    static void connectTradingWindows(App &app)
    {
        connectWindows(app);
        app.forms.setConnector<Halvern>([&app](Halvern &window) {
            connectMainWindow(window, app);
            window.setLoadHandler({});
        });
    }

    Halvern &w() { return forms.get<Halvern>(); }

    // A game at its `tradeDay`th period with every instrument priced, the panel shown and the order
    // area at rest.
    void startGame(Level level, int16_t tradeDay = 3)
    {
        state.settings.level = level;
        setupAccountForLevel(state, level);
        resetAccountForNewGame(state);
        state.clock.tradeDay = tradeDay;
        state.clock.gameDataLoaded = true;
        for (Instrument i : kAllInstruments)
            tarvello::testing::setPrice(state, i, kPrices[slotOf(i)]);
        UpdateAccountDisplay(app);
        SetTradeStage(app, TradeStage::ChangePeriod);
    }

    // Presses a key in the quantity box, as the player does.
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        QCoreApplication::sendEvent(w().inputUnits, &event);
    }

    // Types a quantity and ends it with Enter.
    void enterQuantity(const QString &text, int key = Qt::Key_Return)
    {
        w().inputUnits->setText(text);
        press(key);
    }

    // "&Trade", the instrument (Expert) and the side, up to the quantity box.
    void chooseOrder(std::optional<Instrument> instrument, OrderSide side)
    {
        w().btnTrade->click();
        if (instrument)
            instrumentButton(w(), *instrument)->click();
        (side == OrderSide::Buy ? w().btnBuy : w().btnSell)->click();
    }

    // A whole order, confirmed and filled; the confirmation window is dismissed with OK.
    void placeOrder(std::optional<Instrument> instrument, OrderSide side, const QString &quantity)
    {
        chooseOrder(instrument, side);
        enterQuantity(quantity);
        host.answerNext(ScriptedModalHost::click(QStringLiteral("Command1")));
        w().btnYes->click();
    }

    // The modal shows of one window, in order.
    std::vector<ModalShow> showsOf(const QString &form) const
    {
        std::vector<ModalShow> found;
        for (const ModalShow &show : host.shows()) {
            if (show.form == form)
                found.push_back(show);
        }
        return found;
    }

    // The notices shown in the notification box, in order: its caption, its message and its code.
    std::vector<Notice> notices() const
    {
        std::vector<Notice> shown;
        for (const ModalShow &show : showsOf(QStringLiteral("frmPlayerNotification")))
            shown.push_back({show.caption, show.text(QStringLiteral("Label1")),
                             static_cast<int16_t>(show.text(QStringLiteral("ColorScheme")).toShort())});
        return shown;
    }

    // Prices in slot order: Cattle, Gold, Oil, SP500, Soybean, TBond.
    static constexpr double kPrices[kInstrumentCount] = {64.5, 385.2, 18.25, 455.6, 6.1225, 110.15625};

    GameState state;
    ScriptedModalHost host;
    RecordingProgramEnd programEnd;
    forms::FormRegistry forms{host};
    tarvello::testing::ScriptedRandom random;
    FixedClock clock;
    App app{state, forms, programEnd, random, clock, QString()};
};

} // namespace tarvello::test
