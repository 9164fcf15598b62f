#include "windows/Halvern.h"

#include <type_traits>

namespace tarvello::halvern {

void Form_Activate(Halvern &w)
{
    // Each member is reached as a Control, whatever its kind.
    const auto row = [&w](auto first, auto second, const char *text) {
        forms::Control *a = w.*first;
        a->setToolTipText(QString::fromLatin1(text));
        if constexpr (!std::is_same_v<decltype(second), std::nullptr_t>) {
            forms::Control *b = w.*second;
            b->setToolTipText(a->toolTipText());
        }
    };
    using H = Halvern;
    row(&H::LabelDay, &H::lblDay, "Current Game Day");
    row(&H::labelTime, &H::lblTradeTime, "Current Game Time");
    row(&H::labelAV, &H::lblEq, "Current Account Value");
    row(&H::labelGL, &H::lblPercentGL, "Percentage Gain or Loss in the Account");
    row(&H::labelRPL, &H::lblRPL, "Realized Profit and Loss from Matching Buy and Sell Transactions");
    row(&H::LabelUPL, &H::lblUPL, "Unrealized Profit and Loss from Current Positions");
    row(&H::LabelLiab, &H::lblLIAB,
        "Required Amount of Equity Necessary to Maintain Current Account Positions");
    row(&H::LabelAM, &H::lblAvailMarg, "Amount of Free Cash in the Account");
    row(&H::LabelCM, &H::lblPosMargPercent, "Percentage of Cash in the Account");
    row(&H::LabelTotTrades, &H::lblTotTrades, "Number of Trades Executed by the Player During Game");
    row(&H::LabelMaxiPos, &H::lblMaxSelected, "Maximum Transaction or Position Allowed for Each Commodity");
    row(&H::labelOilPos, &H::lblOilPos, "Current Oil Futures Position");
    row(&H::LabelGoldPos, &H::lblGoldPos, "Current Gold Futures Position");
    row(&H::LabelTBondPos, &H::lblTBondPos, "Current T-Bond Futures Position");
    row(&H::LabelSP500Pos, &H::lblSP500Pos, "Current SP500 Futures Position");
    row(&H::LabelCattlePos, &H::lblCattlePos, "Current Cattle Futures Position");
    row(&H::LabelSoybeanPos, &H::lblSoybeanPos, "Current Soybean Futures Position");
    row(&H::btnOil, nullptr, "Press Button to Trade Oil");
    row(&H::btnGold, nullptr, "Press Button to Trade Gold");
    row(&H::btnTBond, nullptr, "Press Button to Trade TBond");
    row(&H::btnSp500, nullptr, "Press Button to Trade SP500");
    row(&H::btnCattle, nullptr, "Press Button to Trade Cattle");
    row(&H::btnSoybean, nullptr, "Press Button to Trade Soybean");
    row(&H::btnBuy, nullptr, "Press Button to Execute a Buy trade");
    row(&H::btnSell, nullptr, "Press Button to Execute a Sell trade");
    row(&H::btnHold, nullptr, "Press Button to Cancel Selection");
    row(&H::btnYes, nullptr, "Execute Transaction");
    row(&H::btnNo, nullptr, "Cancel Transaction");
    row(&H::btnNewsHist, nullptr, "Display News History");
    row(&H::btnTradeHist, nullptr, "Display Trade History");
    row(&H::cboCommodity, nullptr, "Select Specific Commodity for Graphing Display");
    row(&H::lblOilCurrMark, &H::LabelOilMark, "Current Price in the Oil Market");
    row(&H::lblGoldCurrMark, &H::LabelGoldMark, "Current Price in the Gold Market");
    row(&H::lblTBondCurrMark, &H::LabelTBondMark, "Current Price in the TBond Market");
    row(&H::lblSP500CurrMark, &H::LabelSP500Mark, "Current Price in the SP500 Market");
    row(&H::lblCattleCurrMark, &H::LabelCattleMark, "Current Price in the Cattle Market");
    row(&H::lblSoybeanCurrMark, &H::LabelSoybeanMark, "Current Price in the Soybean Market");
    row(&H::btnChangePeriod, nullptr, "Forward Button Moves Game Forward One Period in Game Time");
    row(&H::btnTrade, nullptr, "Trade Button Allows Player to Select and Trade a Specific Commodity");
    row(&H::LabelPosition, nullptr, "Current Positions held by Player");
    row(&H::labelscore, nullptr, "Game Score");
    row(&H::lblScore, nullptr, "Game Score");
    row(&H::LabelNH, nullptr, "News History Report - A report displaying past news releases");
    row(&H::LabelTH, nullptr, "Trade History Report - A report of executed transactions");
}

} // namespace tarvello::halvern
