#include "TradingWindowFixture.h"

#include "windows/frmTradeConfirmation.h"

namespace tarvello::test {
namespace {

using OrderRoad = TradingWindowTest;

// What the main window shows once an order is over: the rest stage, with "&Trade" ready again and the
// order area cleared.
void expectAtRest(Halvern &w)
{
    EXPECT_TRUE(w.btnTrade->visible() && w.btnTrade->enabled());
    EXPECT_TRUE(w.btnChangePeriod->visible() && w.btnChangePeriod->enabled());
    for (forms::Control *hidden :
         std::initializer_list<forms::Control *>{w.btnYes, w.btnNo, w.btnBuy, w.btnSell, w.btnHold,
                                                 w.inputUnits, w.promptUnits, w.lblorderverify})
        EXPECT_FALSE(hidden->visible()) << hidden->name().toStdString();
    EXPECT_EQ(w.lblTraderInput->caption(), "Trader Input:");
    EXPECT_EQ(w.Label8->caption(), "Reports:");
    EXPECT_TRUE(w.enabled());
    for (forms::MenuItem *menu : {w.mnuGame, w.mnuSettings, w.mnuZelk, w.mnuHowtoPlay})
        EXPECT_TRUE(menu->enabled()) << menu->objectName().toStdString();
}

TEST_F(OrderRoad, BuyAndSellAtBothLevels)
{
    struct Case {
        Level level;
        std::optional<Instrument> button; // none at the Novice level
        OrderSide side;
        const char *quantity;
        const char *verification;
        const char *confirmation;
        const char *positionLabel;
        const char *position;
        float units;
        float price;
        float commissions; // after the fill: 20 dollars a fill at the Expert level
    };
    const Case cases[] = {
        {Level::Novice, std::nullopt, OrderSide::Buy, "3", "Is order correct Buy 3 Oil @ $18.25",
         "Transaction Order Filled: 3 Oil Bought @  $18.25", "lblOilPos", "3", 3, 18.25f, 0},
        {Level::Novice, std::nullopt, OrderSide::Sell, "2", "Is order correct Sell 2 Oil @ $18.25",
         "Transaction Order Filled: 2 Oil Sold @  $18.25", "lblOilPos", "-2", -2, 18.25f, 0},
        {Level::Expert, Instrument::Gold, OrderSide::Sell, "3", "Is order correct Sell 3 Gold @ $385.20",
         "Transaction Order Filled: 3 Gold Sold @  $385.20", "lblGoldPos", "-3", -3, 385.2f, 20},
        {Level::Expert, Instrument::TBond, OrderSide::Buy, "3", "Is order correct Buy 3 TBond @ $110.15625",
         "Transaction Order Filled: 3 TBond Bought @  110.15625", "lblTBondPos", "3", 3, 110.15625f, 20},
        {Level::Expert, Instrument::Cattle, OrderSide::Buy, "100", "Is order correct Buy 100 Cattle @ $64.50",
         "Transaction Order Filled: 100 Cattle Bought @  $64.50", "lblCattlePos", "100", 100, 64.5f, 20},
        {Level::Expert, Instrument::Soybean, OrderSide::Sell, "2",
         "Is order correct Sell 2 Soybean @ $6.1225", "Transaction Order Filled: 2 Soybean Sold @  6.1225",
         "lblSoybeanPos", "-2", -2, 6.1225f, 20},
        {Level::Expert, Instrument::SP500, OrderSide::Buy, "2", "Is order correct Buy 2 SP500 @ $455.60",
         "Transaction Order Filled: 2 SP500 Bought @  $455.60", "lblSP500Pos", "2", 2, 455.6f, 20},
        {Level::Expert, Instrument::Oil, OrderSide::Sell, "1", "Is order correct Sell 1 Oil @ $18.25",
         "Transaction Order Filled: 1 Oil Sold @  $18.25", "lblOilPos", "-1", -1, 18.25f, 20},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.confirmation);
        startGame(c.level);
        const size_t shownBefore = showsOf("frmTradeConfirmation").size();

        chooseOrder(c.button, c.side);
        EXPECT_TRUE(w().inputUnits->visible() && w().inputUnits->enabled());
        enterQuantity(QString::fromLatin1(c.quantity));
        EXPECT_EQ(w().lblorderverify->caption(), c.verification);
        EXPECT_TRUE(w().lblorderverify->visible());
        EXPECT_EQ(w().lblTraderInput->caption(), "Order Verification:");
        EXPECT_EQ(w().Label8->caption(), "Order Entry:");
        EXPECT_TRUE(w().btnYes->visible() && w().btnYes->enabled());
        EXPECT_TRUE(w().btnNo->visible() && w().btnNo->enabled());
        EXPECT_EQ(w().focusWidget(), w().btnYes);

        // While the confirmation is up the screen waits in its own stage and nothing is counted yet.
        bool waiting = false;
        QString tradesDuringConfirmation;
        host.answerNext([&](forms::Form &window) {
            waiting = w().btnTrade->visible() && !w().btnTrade->enabled() && !w().btnChangePeriod->enabled();
            tradesDuringConfirmation = w().lblTotTrades->caption();
            static_cast<frmTradeConfirmation &>(window).Command1->click();
        });
        w().btnYes->click();

        const auto confirmations = showsOf("frmTradeConfirmation");
        ASSERT_EQ(confirmations.size(), shownBefore + 1);
        EXPECT_EQ(confirmations.back().text("lblTradeConfirmation"), c.confirmation);
        EXPECT_EQ(confirmations.back().owner, "Halvern");
        EXPECT_TRUE(waiting);
        EXPECT_EQ(tradesDuringConfirmation, "0");

        EXPECT_EQ(w().client()->findChild<forms::Label *>(c.positionLabel)->caption(), c.position);
        EXPECT_EQ(w().lblTotTrades->caption(), "1");
        EXPECT_EQ(state.account.totalCommissions, c.commissions);
        ASSERT_EQ(state.trades.ofGame(state.account.totalTrades).size(), 1u);
        const TradeRecord &record = state.trades.ofGame(1)[0];
        EXPECT_EQ(record.units, c.units);
        EXPECT_EQ(record.price, c.price);
        EXPECT_EQ(record.transaction, sideText(c.side));
        EXPECT_EQ(record.security, c.button.value_or(Instrument::Oil));
        EXPECT_EQ(record.tradeDay, 3);
        EXPECT_EQ(state.order.orderSide, OrderSide::None);
        EXPECT_EQ(state.order.orderUnits, 0.0f);
        EXPECT_EQ(w().lblMaxSelected->caption(), "");
        expectAtRest(w());
    }
}

TEST_F(OrderRoad, ExpertTradeOffersTheInstruments)
{
    startGame(Level::Expert);
    w().btnTrade->click();
    for (Instrument i : kAllInstruments) {
        SCOPED_TRACE(instrumentKey(i));
        EXPECT_TRUE(instrumentButton(w(), i)->visible() && instrumentButton(w(), i)->enabled());
        EXPECT_FALSE(marketLabel(w(), i)->visible());
    }
    EXPECT_EQ(w().lblTraderInput->caption(), "Trader Input: (Select Security)");
    EXPECT_TRUE(w().btnBuy->visible() && !w().btnBuy->enabled());
    EXPECT_TRUE(w().btnSell->visible() && !w().btnSell->enabled());
    EXPECT_TRUE(w().btnHold->visible() && w().btnHold->enabled());
    EXPECT_FALSE(w().btnTrade->visible() || w().btnChangePeriod->visible());
    EXPECT_TRUE(w().shapeTradeCentral->visible() && !w().ShapeNextPeriod->visible());
    EXPECT_EQ(state.order.securitySelected, 1);

    w().btnTBond->click();
    EXPECT_EQ(state.order.selectedSecurity, Instrument::TBond);
    EXPECT_EQ(state.order.securitySelected, 0);
    for (Instrument i : kAllInstruments) {
        EXPECT_FALSE(instrumentButton(w(), i)->visible());
        EXPECT_FALSE(instrumentButton(w(), i)->enabled()); // a second instrument cannot be chosen
        EXPECT_TRUE(marketLabel(w(), i)->visible());
    }
    EXPECT_EQ(w().lblTraderInput->caption(), "Trader Input:");
    for (forms::CommandButton *b : {w().btnBuy, w().btnSell, w().btnHold})
        EXPECT_TRUE(b->visible() && b->enabled()) << b->name().toStdString();
}

TEST_F(OrderRoad, TheChosenMarketIsHighlightedByTheScheme)
{
    const struct {
        forms::VbColor scheme;
        forms::VbColor back, fore;         // the chosen instrument's label
        forms::VbColor restBack, restFore; // every label once the order is over
    } cases[] = {
        {0x000000, 0xFFFF00, 0x000000, 0x000000, 0xFFFFFF},
        {0xC0C0C0, 0x00FFFF, 0x000000, 0xC0C0C0, 0x000000},
        {0xFFFFFF, 0xC0C0C0, 0x000000, 0xFFFFFF, 0x000000},
        {0x123456, 0x000000, 0xFFFFFF, 0x000000, 0xFFFFFF}, // another colour changes nothing
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.scheme);
        startGame(Level::Expert);
        for (Instrument i : kAllInstruments) {
            marketLabel(w(), i)->setBackColor(0);
            marketLabel(w(), i)->setForeColor(0xFFFFFF);
        }
        w().setBackColor(c.scheme);
        w().btnTrade->click();
        w().btnCattle->click();
        EXPECT_EQ(w().LabelCattleMark->backColor(), c.back);
        EXPECT_EQ(w().LabelCattleMark->foreColor(), c.fore);
        EXPECT_EQ(w().LabelGoldMark->backColor(), c.restBack);
        w().btnHold->click();
        for (Instrument i : kAllInstruments) {
            EXPECT_EQ(marketLabel(w(), i)->backColor(), c.restBack);
            EXPECT_EQ(marketLabel(w(), i)->foreColor(), c.restFore);
        }
    }
}

TEST_F(OrderRoad, HoldGivesTheOrderUp)
{
    for (Level level : {Level::Novice, Level::Expert}) {
        SCOPED_TRACE(level == Level::Novice ? "Novice" : "Expert");
        startGame(level);
        w().btnTrade->click();
        w().btnHold->click(); // at Expert before an instrument is chosen
        expectAtRest(w());
        EXPECT_EQ(state.order.orderStage, OrderStage::GiveUp);
        EXPECT_FALSE(state.order.selectedSecurity.has_value());
        EXPECT_TRUE(w().LabelOilMark->visible());
        // Novice games show Oil's market only; Expert games all six again.
        EXPECT_EQ(w().LabelSP500Mark->visible(), level == Level::Expert);
        for (Instrument i : kAllInstruments) {
            EXPECT_FALSE(instrumentButton(w(), i)->visible());
            EXPECT_TRUE(instrumentButton(w(), i)->enabled()); // ready for the next order
        }
        EXPECT_EQ(state.trades.ofGame(state.account.totalTrades).size(), 0u);
    }
}

TEST_F(OrderRoad, CancelOrderFillsNothing)
{
    startGame(Level::Expert);
    chooseOrder(Instrument::Gold, OrderSide::Buy);
    enterQuantity(QStringLiteral("4"));
    w().btnNo->click();
    expectAtRest(w());
    EXPECT_TRUE(w().Label8->fontBold());
    EXPECT_EQ(w().inputUnits->text(), "");
    EXPECT_EQ(w().lblGoldPos->caption(), "0");
    EXPECT_EQ(state.book(Instrument::Gold).position, 0.0f);
    EXPECT_EQ(state.account.totalTrades, 0);
    EXPECT_TRUE(showsOf("frmTradeConfirmation").empty());
    // The side and quantity stay until the next order overwrites them.
    EXPECT_EQ(state.order.orderSide, OrderSide::Buy);
    EXPECT_FALSE(state.order.selectedSecurity.has_value());
}

// Whatever runs while the confirmation is up (here the order area put back to rest, which forgets the
// instrument, and the quantity changed), the fill books the order the player confirmed.
TEST_F(OrderRoad, TheFillBooksTheOrderAsConfirmed)
{
    startGame(Level::Expert);
    chooseOrder(Instrument::Gold, OrderSide::Buy);
    enterQuantity(QStringLiteral("4"));
    host.answerNext([this](forms::Form &window) {
        SetTradeStage(app, TradeStage::ChangePeriod);
        state.order.orderUnits = 7.0f;
        static_cast<frmTradeConfirmation &>(window).Command1->click();
    });
    w().btnYes->click();
    ASSERT_EQ(showsOf("frmTradeConfirmation").size(), 1u);
    EXPECT_EQ(showsOf("frmTradeConfirmation")[0].text("lblTradeConfirmation"),
              "Transaction Order Filled: 4 Gold Bought @  $385.20");
    ASSERT_EQ(state.account.totalTrades, 1);
    EXPECT_EQ(state.trades.ofGame(1)[0], (TradeRecord{1, 3, Instrument::Gold, "Buy", 4.0f, 385.2f}));
    EXPECT_EQ(w().lblGoldPos->caption(), "4");
    EXPECT_EQ(w().lblOilPos->caption(), "0");
    EXPECT_EQ(state.book(Instrument::Gold).lotCount, 1);
    EXPECT_EQ(state.book(Instrument::Gold).lots[1].price, 385.2f);
}

TEST_F(OrderRoad, OnlyEnterAndTabEndTheQuantity)
{
    const struct {
        const char *name;
        int key;
        Qt::KeyboardModifiers modifiers;
        bool ends;
    } keys[] = {
        {"Enter", Qt::Key_Return, Qt::NoModifier, true},
        {"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier, true},
        {"Tab", Qt::Key_Tab, Qt::NoModifier, true},
        {"Shift+Tab", Qt::Key_Backtab, Qt::ShiftModifier, true},
        {"digit", Qt::Key_7, Qt::NoModifier, false},
        {"Backspace", Qt::Key_Backspace, Qt::NoModifier, false},
        {"letter", Qt::Key_A, Qt::NoModifier, false},
    };
    for (const auto &k : keys) {
        SCOPED_TRACE(k.name);
        startGame(Level::Expert);
        chooseOrder(Instrument::Oil, OrderSide::Buy);
        EXPECT_EQ(w().focusWidget(), w().inputUnits);
        w().inputUnits->setText(QStringLiteral("25"));
        w().inputUnits->end(false);
        press(k.key, k.modifiers);
        if (k.ends) {
            EXPECT_EQ(w().lblorderverify->caption(), "Is order correct Buy 25 Oil @ $18.25");
            EXPECT_FALSE(w().inputUnits->visible());
            // Tab does not carry the focus past the button the verification gave it to.
            EXPECT_EQ(w().focusWidget(), w().btnYes);
            w().btnNo->click();
        } else {
            EXPECT_TRUE(w().inputUnits->visible() && w().inputUnits->enabled());
            EXPECT_FALSE(w().lblorderverify->visible());
            EXPECT_TRUE(w().inputUnits->text().startsWith(QStringLiteral("2")));
        }
    }
}

TEST_F(OrderRoad, BadQuantitiesAreToldAndChangeNothing)
{
    const struct {
        const char *text;
        const char *notice; // nullptr: an empty or zero entry goes back quietly
        bool askedAgain;    // the quantity is asked for again; otherwise back to the choice of side
    } cases[] = {
        {"", nullptr, false},
        {"0", nullptr, false},
        {"0.4", nullptr, false},
        {"-3", "You cannot transact a negative amount for any commodity", false},
        {"12a", "Please Enter Only Numbers", true},
        {"abc", "Please Enter Only Numbers", true},
        {"999999", "Oil Position Limit is  200  Contracts:  Maximum Allowed Buy = 49", true},
        {"50", "Not Enough Account Equity: Maximum Allowed Buy = 49 Contracts", true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        startGame(Level::Expert);
        const size_t noticesBefore = notices().size();
        const QString accountValue = w().lblEq->caption();
        chooseOrder(Instrument::Oil, OrderSide::Buy);
        enterQuantity(QString::fromLatin1(c.text));

        const std::vector<Notice> shown = notices();
        if (c.notice) {
            ASSERT_EQ(shown.size(), noticesBefore + 1);
            EXPECT_EQ(shown.back(), (Notice{"Trader Notification", c.notice, 1}));
        } else {
            EXPECT_EQ(shown.size(), noticesBefore);
        }
        EXPECT_EQ(w().inputUnits->text(), "");
        EXPECT_FALSE(w().lblorderverify->visible());
        EXPECT_FALSE(w().btnYes->visible());
        if (c.askedAgain) {
            EXPECT_TRUE(w().inputUnits->visible() && w().inputUnits->enabled());
            EXPECT_EQ(w().focusWidget(), w().inputUnits);
            EXPECT_EQ(w().lblMaxSelected->caption(), "49");
        } else {
            EXPECT_FALSE(w().inputUnits->visible() || w().promptUnits->visible());
            EXPECT_TRUE(w().btnBuy->visible() && w().btnBuy->enabled());
        }
        EXPECT_EQ(state.order.orderStage, OrderStage::BackToSide);
        EXPECT_EQ(state.order.orderUnits, 0.0f);
        EXPECT_EQ(state.book(Instrument::Oil).position, 0.0f);
        EXPECT_EQ(state.account.totalTrades, 0);
        EXPECT_EQ(w().lblEq->caption(), accountValue);
        EXPECT_TRUE(showsOf("frmTradeConfirmation").empty());
        EXPECT_TRUE(w().enabled());
    }
}

TEST_F(OrderRoad, APositionAtItsLimitTakesNoMore)
{
    startGame(Level::Expert);
    tarvello::testing::fill(state, Instrument::SP500, 25, 455.6);
    state.account.accountValue = 1e6f;
    UpdateAccountDisplay(app);
    chooseOrder(Instrument::SP500, OrderSide::Buy);
    enterQuantity(QStringLiteral("1"));
    ASSERT_FALSE(notices().empty());
    EXPECT_EQ(notices().back(),
              (Notice{"Trader Notification",
                      "SP500 Position Limit is  25  Contracts:  No More Purchases Allowed", 1}));
    // Back to the choice of side, the order still open.
    EXPECT_TRUE(w().btnBuy->visible() && w().btnSell->visible());
    EXPECT_FALSE(w().inputUnits->visible());
    EXPECT_EQ(w().lblSP500Pos->caption(), "25");
}

TEST_F(OrderRoad, TheLargestQuantityAndItsReading)
{
    startGame(Level::Expert);
    // Long 150 Oil (303,750 of margin) in an account worth 500,000: the free 196,250 carries 96 more.
    tarvello::testing::fill(state, Instrument::Oil, 150, 18.25);
    state.account.accountValue = 500000.0f;
    UpdateAccountDisplay(app);
    chooseOrder(Instrument::Oil, OrderSide::Sell);
    // A sale closes the 150 first, which frees their margin: 2 x 150 + 96 = 396, held to 150 + 200 by
    // the position limit.
    EXPECT_EQ(w().LabelMaxiPos->caption(), "Maximum Transaction:");
    EXPECT_EQ(w().lblMaxSelected->caption(), "350");

    w().mnuMaximum[1]->click();
    EXPECT_FALSE(w().mnuMaximum[0]->checked());
    EXPECT_TRUE(w().mnuMaximum[1]->checked());
    EXPECT_EQ(w().LabelMaxiPos->caption(), "Maximum Position:");
    EXPECT_EQ(w().lblMaxSelected->caption(), "200");

    w().mnuMaximum[0]->click();
    EXPECT_TRUE(w().mnuMaximum[0]->checked());
    EXPECT_FALSE(w().mnuMaximum[1]->checked());
    EXPECT_EQ(w().LabelMaxiPos->caption(), "Maximum Transaction:");
    EXPECT_EQ(w().lblMaxSelected->caption(), "350");

    // "&Hold" (back at the choice of side) blanks the figure; the reading can still be changed between
    // orders.
    enterQuantity(QString());
    w().btnHold->click();
    EXPECT_EQ(w().lblMaxSelected->caption(), "");
    w().mnuMaximum[1]->click();
    EXPECT_EQ(w().lblMaxSelected->caption(), "");
    EXPECT_EQ(w().LabelMaxiPos->caption(), "Maximum Position:");
}

TEST_F(OrderRoad, BeforeTheFirstPeriodTheMenuOnlyChangesTheReading)
{
    startGame(Level::Expert, 0);
    state.order.orderSide = OrderSide::Buy;
    w().lblMaxSelected->setCaption(QStringLiteral("7"));
    w().mnuMaximum[1]->click();
    EXPECT_EQ(w().LabelMaxiPos->caption(), "Maximum Position:");
    EXPECT_EQ(w().lblMaxSelected->caption(), "7");
    EXPECT_FALSE(w().btnTrade->enabled()); // and no order can be started yet
}

TEST_F(OrderRoad, AHundredLotsOnTheSideOfThePositionRefuseAnother)
{
    startGame(Level::Novice);
    for (int lot = 0; lot < kMaxLots; ++lot)
        tarvello::testing::fill(state, Instrument::Oil, 1, 18.25);
    state.account.accountValue = 1e7f;
    UpdateAccountDisplay(app);

    chooseOrder(std::nullopt, OrderSide::Buy);
    enterQuantity(QStringLiteral("1"));
    ASSERT_EQ(notices().size(), 1u);
    EXPECT_EQ(
        notices()[0],
        (Notice{"* Trader Notification *",
                "No Additional Oil Purchases Allowed - Current Oil Inventory to Large: Try Selling", 1}));
    // Refused before any check: the order is given up and the box keeps what was typed.
    EXPECT_FALSE(w().lblorderverify->visible());
    EXPECT_TRUE(w().btnTrade->visible() && w().btnTrade->enabled());
    EXPECT_EQ(w().inputUnits->text(), "1");
    EXPECT_FALSE(w().inputUnits->visible());
    EXPECT_EQ(state.order.orderSide, OrderSide::Buy);

    // The opposite side goes on to the check.
    chooseOrder(std::nullopt, OrderSide::Sell);
    EXPECT_EQ(w().inputUnits->text(), "");
    enterQuantity(QStringLiteral("1"));
    EXPECT_EQ(w().lblorderverify->caption(), "Is order correct Sell 1 Oil @ $18.25");
    EXPECT_EQ(notices().size(), 1u);
}

} // namespace
} // namespace tarvello::test
