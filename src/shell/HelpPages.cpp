// The game's own help pages, one per topic the menus open.
#include "shell/HelpPages.h"

namespace tarvello::help {

namespace {

const QString kBack = QStringLiteral("<p><a href=\"topic:0\">Back to the contents</a></p>");

QString contents()
{
    return QStringLiteral(
        "<h1>How to play Tarvello</h1>"
        "<p>Tarvello is a futures-trading game. You start with a trading account and trade six markets: "
        "Oil, Gold, T-Bond, SP500, Cattle and Soybean. Your score is your realized and unrealized profit "
        "or loss.</p>"
        "<h2>Starting a game</h2>"
        "<p>Choose Game &gt; Start. In the options window pick a level (Novice trades Oil only; Expert "
        "trades all six markets), a game length, daily or tick data and the news reports, then press "
        "Begin.</p>"
        "<h2>The screen</h2>"
        "<p>The account panel shows the account value, the gain or loss, the realized and unrealized "
        "profit and loss, the liability, the available and committed margin and the number of trades. "
        "The position panel shows how many contracts you hold in each market; the current-market panel "
        "shows the latest quotes. The left chart shows prices, the right chart an indicator (moving "
        "average, relative strength index or stochastics), chosen under Options &gt; Graph Types.</p>"
        "<h2>Placing an order</h2>"
        "<p>Press Trade, choose a market, then Buy, Sell or Hold. Type the number of units and press "
        "Enter, check the order and press Enter Order or Cancel Order. A confirmation tells you the "
        "fill.</p>"
        "<h2>Moving on</h2>"
        "<p>Forward moves the game to the next period. Your positions are marked to market at the new "
        "prices.</p>"
        "<h2>Margin</h2>"
        "<p>Every open contract ties up margin. When losses take your account below the margin your "
        "positions need, you get a margin call and positions are liquidated until the account covers "
        "the rest. An account that is wiped out ends the game.</p>"
        "<h2>Reports and the end of the game</h2>"
        "<p>The Trade History and News History buttons show what you have done and what has happened. "
        "At the end of the game you see your score and rating. Options &gt; Screen Color switches the "
        "screen between the black, gray and monochrome schemes.</p>"
        "<h2>More help</h2><ul>"
        "<li><a href=\"topic:1003\">Definitions of Common Terms: A - L</a></li>"
        "<li><a href=\"topic:1004\">Definitions of Common Terms: M - Z</a></li>"
        "<li><a href=\"topic:1006\">Disclaimer Statement</a></li>"
        "<li><a href=\"topic:1007\">Economic Calendar</a></li>"
        "<li><a href=\"topic:1009\">Morvaine</a></li>"
        "<li><a href=\"topic:1012\">How to Open a Commodities Account</a></li></ul>");
}

QString termsAtoL()
{
    return QStringLiteral(
               "<h1>Definitions of Common Terms: A - L</h1><dl>"
               "<dt>Account Value</dt><dd>The cash in the account plus the profit or loss of the open "
               "positions.</dd>"
               "<dt>Available Margin</dt><dd>The part of the account not tied up as margin, free for new "
               "positions.</dd>"
               "<dt>Commission</dt><dd>A broker's charge per trade. The game charges none; Help &gt; "
               "Commissions shows the score after a charge.</dd>"
               "<dt>Contract</dt><dd>One unit of a futures market, of a fixed size.</dd>"
               "<dt>Daily data</dt><dd>One price per trading day.</dd>"
               "<dt>Expert</dt><dd>The level that trades all six markets.</dd>"
               "<dt>Fast Stochastics</dt><dd>An indicator of where the close lies within the recent "
               "range.</dd>"
               "<dt>Futures</dt><dd>Agreements to buy or sell a quantity at a set price on a later "
               "date.</dd>"
               "<dt>Gain/Loss</dt><dd>The change of the account value since the start, in percent.</dd>"
               "<dt>Hold</dt><dd>Keep the position as it is.</dd>"
               "<dt>Liquidation</dt><dd>Closing positions, by you or by a margin call.</dd>"
               "<dt>Long</dt><dd>Holding bought contracts: you gain when prices rise.</dd></dl>") +
           kBack;
}

QString termsMtoZ()
{
    return QStringLiteral(
               "<h1>Definitions of Common Terms: M - Z</h1><dl>"
               "<dt>Margin</dt><dd>The deposit each open contract needs.</dd>"
               "<dt>Margin Call</dt><dd>The demand to restore the account when it falls below the margin "
               "the positions need.</dd>"
               "<dt>Mark to market</dt><dd>Valuing open positions at the latest prices.</dd>"
               "<dt>Maximum Position</dt><dd>The most contracts you may hold in a market.</dd>"
               "<dt>Mean Line, Min-Max Lines</dt><dd>Lines at the average, lowest and highest price of "
               "the chart.</dd>"
               "<dt>Moving Average</dt><dd>The average of the last prices, moved along period by "
               "period.</dd>"
               "<dt>Novice</dt><dd>The level that trades Oil only.</dd>"
               "<dt>Open-High-Low-Close</dt><dd>A bar for each period from its first, highest, lowest and "
               "last price.</dd>"
               "<dt>Realized P(L)</dt><dd>The profit or loss of closed positions.</dd>"
               "<dt>Relative Strength Index</dt><dd>An indicator from 0 to 100 comparing recent rises and "
               "falls.</dd>"
               "<dt>Score</dt><dd>Realized plus unrealized profit or loss.</dd>"
               "<dt>Short</dt><dd>Holding sold contracts: you gain when prices fall.</dd>"
               "<dt>Slow Stochastics</dt><dd>A smoothed form of the stochastic indicator.</dd>"
               "<dt>Tick</dt><dd>Data with several prices in each trading day.</dd>"
               "<dt>Unrealized P(L)</dt><dd>The profit or loss of open positions at today's prices.</dd>"
               "</dl><p>The markets: Oil, Gold, T-Bond (Treasury bonds), SP500 (the stock index), Cattle "
               "and Soybean.</p>") +
           kBack;
}

QString disclaimer()
{
    return QStringLiteral("<h1>Disclaimer Statement</h1><p>Tarvello is a game. Its prices may be simulated, "
                          "and nothing in it is investment advice. Trading futures carries a high risk of "
                          "loss; results in the game say nothing about results in real markets.</p>") +
           kBack;
}

QString economicCalendar()
{
    return QStringLiteral("<h1>Economic Calendar</h1><p>Reports that move the markets of the game:</p><ul>"
                          "<li>Employment report (first Friday of the month): T-Bond, SP500, Gold.</li>"
                          "<li>Consumer and producer prices (mid-month): T-Bond, Gold.</li>"
                          "<li>Oil inventories (weekly): Oil.</li>"
                          "<li>Crop reports (monthly in the growing season): Soybean.</li>"
                          "<li>Cattle on feed (monthly): Cattle.</li>"
                          "<li>Central bank rate decisions: every market.</li></ul>") +
           kBack;
}

QString morvaine()
{
    return QStringLiteral("<h1>Morvaine</h1><p>Morvaine is the brokerage of the game's world: it keeps the "
                          "player's trading account, fills the orders and sends the confirmations and "
                          "margin calls.</p>") +
           kBack;
}

QString openAccount()
{
    return QStringLiteral(
               "<h1>How to Open a Commodities Account</h1><ol>"
               "<li>Choose a broker registered with the futures regulator of your country.</li>"
               "<li>Fill in the account application and the risk disclosure.</li>"
               "<li>Show that you can bear the risk: brokers ask about income, savings and experience.</li>"
               "<li>Fund the account with at least the broker's minimum.</li>"
               "<li>Practise first: a game like this one shows how margin and leverage work.</li></ol>") +
           kBack;
}

} // namespace

const std::vector<HelpPage> &helpPages()
{
    static const std::vector<HelpPage> pages = {
        {0, QStringLiteral("Instructions"), contents()},
        {1003, QStringLiteral("Definitions of Common Terms: A - L"), termsAtoL()},
        {1004, QStringLiteral("Definitions of Common Terms: M - Z"), termsMtoZ()},
        {1006, QStringLiteral("Disclaimer Statement"), disclaimer()},
        {1007, QStringLiteral("Economic Calendar"), economicCalendar()},
        {1009, QStringLiteral("Morvaine"), morvaine()},
        {1012, QStringLiteral("How to Open a Commodities Account"), openAccount()},
    };
    return pages;
}

const HelpPage *findHelpPage(int32_t context)
{
    return findHelpPage(helpPages(), context);
}

} // namespace tarvello::help
