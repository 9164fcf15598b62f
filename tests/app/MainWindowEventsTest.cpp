#include "support/MainWindowFixture.h"

#include "platform/forms/Controls.h"

#include <QCloseEvent>
#include <QCoreApplication>

namespace tarvello::test {
namespace {

using MainWindowEvents = MainWindowTest;

// Any other window of the program.
class frmDialog : public forms::Form {
public:
    frmDialog() : Form(QStringLiteral("frmDialog"), 2000, 1000) {}
};

const struct {
    const char *first;
    const char *second;
    const char *text;
} kTooltips[] = {
    {"LabelDay", "lblDay", "Current Game Day"},
    {"labelTime", "lblTradeTime", "Current Game Time"},
    {"labelAV", "lblEq", "Current Account Value"},
    {"labelGL", "lblPercentGL", "Percentage Gain or Loss in the Account"},
    {"labelRPL", "lblRPL", "Realized Profit and Loss from Matching Buy and Sell Transactions"},
    {"LabelUPL", "lblUPL", "Unrealized Profit and Loss from Current Positions"},
    {"LabelLiab", "lblLIAB", "Required Amount of Equity Necessary to Maintain Current Account Positions"},
    {"LabelAM", "lblAvailMarg", "Amount of Free Cash in the Account"},
    {"LabelCM", "lblPosMargPercent", "Percentage of Cash in the Account"},
    {"LabelTotTrades", "lblTotTrades", "Number of Trades Executed by the Player During Game"},
    {"LabelMaxiPos", "lblMaxSelected", "Maximum Transaction or Position Allowed for Each Commodity"},
    {"labelOilPos", "lblOilPos", "Current Oil Futures Position"},
    {"LabelGoldPos", "lblGoldPos", "Current Gold Futures Position"},
    {"LabelTBondPos", "lblTBondPos", "Current T-Bond Futures Position"},
    {"LabelSP500Pos", "lblSP500Pos", "Current SP500 Futures Position"},
    {"LabelCattlePos", "lblCattlePos", "Current Cattle Futures Position"},
    {"LabelSoybeanPos", "lblSoybeanPos", "Current Soybean Futures Position"},
    {"btnOil", nullptr, "Press Button to Trade Oil"},
    {"btnGold", nullptr, "Press Button to Trade Gold"},
    {"btnTBond", nullptr, "Press Button to Trade TBond"},
    {"btnSp500", nullptr, "Press Button to Trade SP500"},
    {"btnCattle", nullptr, "Press Button to Trade Cattle"},
    {"btnSoybean", nullptr, "Press Button to Trade Soybean"},
    {"btnBuy", nullptr, "Press Button to Execute a Buy trade"},
    {"btnSell", nullptr, "Press Button to Execute a Sell trade"},
    {"btnHold", nullptr, "Press Button to Cancel Selection"},
    {"btnYes", nullptr, "Execute Transaction"},
    {"btnNo", nullptr, "Cancel Transaction"},
    {"btnNewsHist", nullptr, "Display News History"},
    {"btnTradeHist", nullptr, "Display Trade History"},
    {"cboCommodity", nullptr, "Select Specific Commodity for Graphing Display"},
    {"lblOilCurrMark", "LabelOilMark", "Current Price in the Oil Market"},
    {"lblGoldCurrMark", "LabelGoldMark", "Current Price in the Gold Market"},
    {"lblTBondCurrMark", "LabelTBondMark", "Current Price in the TBond Market"},
    {"lblSP500CurrMark", "LabelSP500Mark", "Current Price in the SP500 Market"},
    {"lblCattleCurrMark", "LabelCattleMark", "Current Price in the Cattle Market"},
    {"lblSoybeanCurrMark", "LabelSoybeanMark", "Current Price in the Soybean Market"},
    {"btnChangePeriod", nullptr, "Forward Button Moves Game Forward One Period in Game Time"},
    {"btnTrade", nullptr, "Trade Button Allows Player to Select and Trade a Specific Commodity"},
    {"LabelPosition", nullptr, "Current Positions held by Player"},
    {"labelscore", nullptr, "Game Score"},
    {"lblScore", nullptr, "Game Score"},
    {"LabelNH", nullptr, "News History Report - A report displaying past news releases"},
    {"LabelTH", nullptr, "Trade History Report - A report of executed transactions"},
};

forms::Control &control(Halvern &w, const char *name)
{
    auto *found = dynamic_cast<forms::Control *>(w.findChild<QWidget *>(QString::fromLatin1(name)));
    EXPECT_NE(found, nullptr) << name;
    return *found;
}

void expectTooltips(Halvern &w)
{
    int controls = 0;
    for (const auto &row : kTooltips) {
        SCOPED_TRACE(row.first);
        EXPECT_EQ(control(w, row.first).toolTipText(), QString::fromLatin1(row.text));
        ++controls;
        if (row.second) {
            EXPECT_EQ(control(w, row.second).toolTipText(), QString::fromLatin1(row.text));
            ++controls;
        }
    }
    EXPECT_EQ(controls, 67);
}

TEST_F(MainWindowEvents, ActivationGivesTheTooltipsHiddenControlsIncluded)
{
    EXPECT_EQ(w().btnOil->toolTipText(), QString());
    w().showModeless();
    expectTooltips(w());
    EXPECT_EQ(w().btnOil->toolTip(), QStringLiteral("Press Button to Trade Oil"));
    w().setVisible(false);
}

TEST_F(MainWindowEvents, TheTooltipsAreSetAgainWhenAModalWindowCloses)
{
    w().showModeless();
    for (const auto &row : kTooltips)
        control(w(), row.first).setToolTipText(QString());
    host.answerNext([](forms::Form &f) { f.setVisible(false); });
    forms.get<frmDialog>().showModal(&w());
    EXPECT_EQ(host.shows().at(0).owner, QStringLiteral("Halvern"));
    expectTooltips(w());
    w().setVisible(false);
}

TEST_F(MainWindowEvents, TheCloseBoxRunsEndAndTheWindowStays)
{
    w().showModeless();
    host.answerNext(ScriptedModalHost::click(QStringLiteral("btnExit")));
    QCloseEvent close;
    QCoreApplication::sendEvent(&w(), &close);
    ASSERT_EQ(host.shows().size(), 1u);
    EXPECT_EQ(host.shows()[0].form, "frmEndofGame");
    EXPECT_EQ(programEnd.calls(), 1);
    EXPECT_TRUE(forms.isLoaded<Halvern>());
    EXPECT_TRUE(w().visible());
    EXPECT_FALSE(close.isAccepted());
    // The program ended inside the command: nothing more was touched.
    EXPECT_FALSE(w().btnChangePeriod->enabled());
    w().setVisible(false);
}

// The close box when the player carries on with "&Continue".
TEST_F(MainWindowEvents, AfterEndTheVisibleButtonsAreEnabledAgain)
{
    const struct {
        const char *what;
        int16_t tradeDay;
        bool gameLoaded;
        bool forward;
        bool trade;
    } cases[] = {
        {"before any game: Forward stays disabled", 0, false, false, false},
        {"during a game", 5, true, true, true},
        {"a game loaded, before its first period", 0, true, true, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        state.clock.tradeDay = c.tradeDay;
        state.clock.gameDataLoaded = c.gameLoaded;
        w().btnYes->setVisible(false);
        host.answerNext(ScriptedModalHost::click(QStringLiteral("btnContinue")));
        int16_t cancel = 0;
        halvern::Form_Unload(app, cancel);
        EXPECT_EQ(cancel, 1);
        EXPECT_FALSE(programEnd.ended());
        EXPECT_EQ(w().btnChangePeriod->enabled(), c.forward);
        EXPECT_EQ(w().btnTrade->enabled(), c.trade);
        EXPECT_EQ(w().btnTradeHist->enabled(), c.tradeDay >= 1);
        EXPECT_FALSE(w().btnYes->visible());
    }
    EXPECT_EQ(host.shows().size(), 3u);
}

} // namespace
} // namespace tarvello::test
