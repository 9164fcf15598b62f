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
        "Oil, Gold, T-Bond, SP500, Cattle and Soybean. Your Score is your realized and unrealized profit "
        "or loss.</p>"
        "<h2>Starting a game</h2>"
        "<p>Choose Game &gt; Start. In the options window pick a level (Novice trades Oil only with "
        "$10,000; Expert trades all six markets with $100,000), a game length, daily or tick data and the "
        "news reports, then press Begin. Press Forward to open the first period.</p>"
        "<h2>The screen</h2>"
        "<p>At the top left stand the game's clock: Day 1 before the first period, then Date with the "
        "trading day and its weekday, and Time, the trading time of the period. Score, at the top right, "
        "is Realized P(L) plus Unrealized P(L).</p>"
        "<p>The account panel below the clock shows Account Value, Gain / Loss (%), Realized P(L) and "
        "Unrealized P(L); then the margin figures Future Reqs. (the margin your open contracts require), "
        "Margin Excess (Account Value less Future Reqs.) and Cash Margin (%) (Margin Excess as a "
        "percentage of Account Value); then Total Trades and Maximum Transaction (or Maximum Position), "
        "the largest quantity the order you are entering may have. Current Positions (Current Position at "
        "Novice) lists the contracts you hold in each market: a positive number is long, a negative one "
        "short.</p>"
        "<p>The band Current Market: (Last Trade * Change) lists each market's last trade price and its "
        "change since the previous period. The left chart shows prices (Open-High-Low-Close, Price or "
        "Year-to-Date), the right chart an indicator (moving average, Relative Strength Index or "
        "stochastics); the list above the charts and Options &gt; Graph Options choose the market they "
        "show. Every figure is explained under Help &gt; Definitions of Common Terms.</p>"
        "<h2>Placing an order</h2>"
        "<p>The order area at the bottom is headed Trader Input. Press Trade. At Expert the heading reads "
        "Trader Input: (Select Security) and the market buttons appear: press Oil, Gold, T-Bond, SP500, "
        "Cattle or Soybean. Then press Buy, Sell or Hold (Hold gives the order up). After Buy or Sell the "
        "prompt reads Number of Contracts to Buy or Number of Contracts to Sell, and Maximum Transaction "
        "shows how many you may trade: type the number and press Enter. The heading then reads Order "
        "Verification, the line beside it asks Is order correct with the side, the quantity, the market "
        "and the price, and the box at the right, headed Order Entry, holds Enter Order and Cancel Order. "
        "Enter Order fills the order and a confirmation tells you the fill; Cancel Order fills "
        "nothing.</p>"
        "<h2>Moving on</h2>"
        "<p>Forward moves the game to the next period. Your positions are marked to market at the new "
        "prices.</p>"
        "<h2>Margin</h2>"
        "<p>Every open contract ties up margin, counted in Future Reqs. When losses take Margin Excess "
        "below zero, the next period opens with a margin call, and unless your own trades cover it, the "
        "next Forward closes positions for you until Margin Excess is no longer negative. An Account "
        "Value of zero or less ends the game.</p>"
        "<h2>Reports and the end of the game</h2>"
        "<p>The box at the lower right, headed Reports, holds News History and Trade History. The reports "
        "open over the charts, headed News History Report and Trade Report History; Close News Report and "
        "Close Trade Report put the charts back. At the end of the game you see your score and "
        "rating.</p>"
        "<h2>The menus</h2>"
        "<ul>"
        "<li>Game: Start sets up and starts a game (during a game it reads Restart and shows the game's "
        "summary, from which you may play again); Disclaimer Statement; End ends the game and shows its "
        "summary.</li>"
        "<li>Options: the level, Novice or Expert; Data, Daily or Tick; Game Length, One Month, One "
        "Quarter or One Year; News Reports, Annual or Daily, and Background Story, which shows the charted "
        "market's background for the year before the game began. The level, data, length and news choices "
        "are locked while a game runs. "
        "Maximum Display chooses what the panel's maximum shows: Transaction (Maximum Transaction) or "
        "Positions (Maximum Position). Screen Color... switches the screen between the black, gray and "
        "monochrome schemes. Graph Options chooses the charted market. Graph Types chooses the left "
        "chart, Open-High-Low-Close, Price (with a Mean Line or Min-Max Lines) or Year-to-Date, and the "
        "right chart, Moving Average - 5 Period (with a Mean Line or Min-Max Lines; 5 Periods changes its "
        "length to 15, 20 and back to 5 periods), Relative Strength Index or Stochastic Indicator (Fast "
        "Stochastics or Slow Stochastics).</li>"
        "<li>Zelk: How to Open a Commodities Account, and Morvaine, the brokerage of the game.</li>"
        "<li>Help: Instructions (this page), Definitions of Common Terms: A - L and Definitions of Common "
        "Terms: M - Z, Economic Calendar, Commissions (your score after a commission per trade), Print "
        "Screen (prints the trading screen), Custom Programming, and About Tarvello.</li>"
        "</ul>"
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
               "<dt>Account Value</dt><dd>The money in the account: the starting capital ($10,000 at Novice, "
               "$100,000 at Expert) plus Realized P(L) plus Unrealized P(L).</dd>"
               "<dt>Buy</dt><dd>Orders contracts bought: it adds to a long position, or first closes a "
               "short one.</dd>"
               "<dt>Cancel Order</dt><dd>Drops the order shown under Order Verification: nothing is "
               "filled.</dd>"
               "<dt>Cash Margin (%)</dt><dd>Margin Excess as a percentage of Account Value: (Account Value "
               "- Future Reqs.) / Account Value. It reads 100.00% with no open contracts, falls as positions "
               "tie up margin, is negative when Future Reqs. exceed Account Value, and reads 0.00% when "
               "Account Value is zero or less.</dd>"
               "<dt>Close News Report, Close Trade Report</dt><dd>Close the report shown over the charts "
               "and show the charts again.</dd>"
               "<dt>Commission</dt><dd>A broker's charge per trade. The game takes none from the account; "
               "Help &gt; Commissions shows the score after a charge.</dd>"
               "<dt>Contract</dt><dd>One unit of a futures market, of a fixed size. Orders and positions "
               "are counted in contracts.</dd>"
               "<dt>Current Market: (Last Trade * Change)</dt><dd>The band over the quote lines. Each line "
               "gives a market's last trade price and its change since the previous period (Unch when "
               "unchanged); T-Bond prices are in points and 32nds. Before the first period every line "
               "reads *** Market Closed ***.</dd>"
               "<dt>Current Position, Current Positions</dt><dd>The contracts you hold in each market "
               "(Oil, Gold, T-Bond, SP500, Cattle, Soybean): a positive number is a long position, a "
               "negative one a short position. Novice games show Oil only, under Current Position.</dd>"
               "<dt>Daily data</dt><dd>One price per trading day: each Forward moves one trading day.</dd>"
               "<dt>Day 1, Date</dt><dd>The game's day. Before the first period the label reads Day 1; "
               "once the game runs it reads Date with the trading day shown, and the weekday stands "
               "beside it.</dd>"
               "<dt>Enter Order</dt><dd>Fills the order shown under Order Verification at the price it "
               "shows, and a confirmation tells you the fill.</dd>"
               "<dt>Expert</dt><dd>The level that trades all six markets, with $100,000 to start.</dd>"
               "<dt>Fast Stochastics</dt><dd>An indicator of where the close lies within the recent "
               "range.</dd>"
               "<dt>Forward</dt><dd>Moves the game to the next period: a trading day in a Daily game, the "
               "next trading time in a Tick game.</dd>"
               "<dt>Future Reqs.</dt><dd>Future requirements: the margin your open contracts require. Each "
               "contract held, long or short alike, ties up its market's margin: Oil $2,025, Gold $1,013, "
               "T-Bond $2,430, SP500 $20,800, Cattle $540, Soybean $1,485. Future Reqs. is the sum over "
               "the six markets; it is 0.00 with no open contracts.</dd>"
               "<dt>Futures</dt><dd>Agreements to buy or sell a quantity at a set price on a later "
               "date.</dd>"
               "<dt>Gain / Loss (%)</dt><dd>The change of Account Value since the start of the game, as a "
               "percentage of the starting capital.</dd>"
               "<dt>Hold</dt><dd>Gives up the order before a side is chosen: nothing is traded and "
               "Forward and Trade come back.</dd>"
               "<dt>Is order correct</dt><dd>The line shown under Order Verification: the side, the number "
               "of contracts, the market and the price the order will be filled at.</dd>"
               "<dt>Liquidation</dt><dd>Closing positions, by you or by a margin call.</dd>"
               "<dt>Long</dt><dd>Holding bought contracts: you gain when prices rise.</dd></dl>") +
           kBack;
}

QString termsMtoZ()
{
    return QStringLiteral(
               "<h1>Definitions of Common Terms: M - Z</h1><dl>"
               "<dt>Margin</dt><dd>The deposit each open contract ties up; the panel shows the total as "
               "Future Reqs.</dd>"
               "<dt>Margin Call</dt><dd>When Margin Excess is below zero at the start of a period (from "
               "the second period on), a notice tells you the amount. Unless your own trades cover it, the "
               "next Forward closes contracts for you, SP500 first, then T-Bond, Oil, Soybean, Gold and "
               "Cattle, each with a notice, until Margin Excess is no longer negative.</dd>"
               "<dt>Margin Excess</dt><dd>Account Value less Future Reqs.: the money not tied up as "
               "margin, free for new positions. Each further contract needs its market's margin out of it. "
               "Below zero the open contracts need more margin than the account holds, which brings a "
               "margin call.</dd>"
               "<dt>Mark to market</dt><dd>Valuing open positions at the latest prices.</dd>"
               "<dt>Maximum Position</dt><dd>Shown instead of Maximum Transaction when Options &gt; Maximum "
               "Display &gt; Positions is ticked: the difference between the largest quantity the order "
               "may have and the contracts you hold in that market. For an order that first closes your "
               "position, it is the largest position on the other side that the order can leave.</dd>"
               "<dt>Maximum Transaction</dt><dd>Shown once you press Buy or Sell: the largest number of "
               "contracts this order may trade. It is as many contracts as Margin Excess carries at the "
               "market's margin; an order that first closes your position may also trade that position, "
               "whose margin it frees, and may always close it whole. The position after the order may "
               "not pass the market's position limit (Oil 200, Gold 400, T-Bond 100, SP500 25, Cattle "
               "500, Soybean 250 contracts), and no order may pass twice that limit. It reads 0 when "
               "Account Value is zero or less, and is blank between orders.</dd>"
               "<dt>Mean Line, Min-Max Lines</dt><dd>Lines at the average, lowest and highest value of "
               "the chart.</dd>"
               "<dt>Moving Average</dt><dd>The average of the last prices, moved along period by "
               "period.</dd>"
               "<dt>News History</dt><dd>In a Tick game, lists the news releases of the game so far, "
               "newest first, headed News History Report; in a Daily game, shows the year's background "
               "story of the charted market.</dd>"
               "<dt>Novice</dt><dd>The level that trades Oil only, with $10,000 to start.</dd>"
               "<dt>Number of Contracts to Buy, Number of Contracts to Sell</dt><dd>The prompt beside the "
               "box where you type the quantity of the order. Press Enter (or Tab) when it is typed.</dd>"
               "<dt>Open-High-Low-Close</dt><dd>A bar for each period from its first, highest, lowest and "
               "last price.</dd>"
               "<dt>Order Entry</dt><dd>The heading of the box at the lower right while an order waits "
               "for Enter Order or Cancel Order; otherwise the box reads Reports.</dd>"
               "<dt>Order Verification</dt><dd>The heading of the order area while the order is shown "
               "for checking: Is order correct, then the side, quantity, market and price.</dd>"
               "<dt>Realized P(L)</dt><dd>The profit or loss of the contracts closed so far in this "
               "game.</dd>"
               "<dt>Relative Strength Index</dt><dd>An indicator from 0 to 100 comparing recent rises and "
               "falls.</dd>"
               "<dt>Reports</dt><dd>The box at the lower right with News History and Trade History.</dd>"
               "<dt>Score</dt><dd>Realized P(L) plus Unrealized P(L), in dollars.</dd>"
               "<dt>Sell</dt><dd>Orders contracts sold: it adds to a short position, or first closes a "
               "long one.</dd>"
               "<dt>Short</dt><dd>Holding sold contracts: you gain when prices fall.</dd>"
               "<dt>Slow Stochastics</dt><dd>A smoothed form of the stochastic indicator.</dd>"
               "<dt>Tick</dt><dd>Data with several prices in each trading day: six periods a day, from "
               "9:00 am to 2:00 pm.</dd>"
               "<dt>Time</dt><dd>The trading time of the period: 4:00 pm, the close, in a Daily game; in "
               "a Tick game the hour of the period.</dd>"
               "<dt>Total Trades</dt><dd>The number of fills in this game, forced margin-call fills "
               "included.</dd>"
               "<dt>Trade</dt><dd>Starts an order. At Novice you trade Oil; at Expert you first press the "
               "button of the market.</dd>"
               "<dt>Trade History</dt><dd>Lists every fill of the game, newest first, headed Trade Report "
               "History; below a row of stars, each open position with its average entry price.</dd>"
               "<dt>Trader Input</dt><dd>The heading of the order area. While you choose a market at "
               "Expert it reads Trader Input: (Select Security).</dd>"
               "<dt>Unrealized P(L)</dt><dd>The profit or loss of the open contracts at the current "
               "prices: for each, the price change since it was entered times its contracts times the "
               "market's dollars per point (Oil 1,000, Gold 100, T-Bond 1,000, SP500 500, Cattle 400, "
               "Soybean 5,000). A short position gains when the price falls.</dd>"
               "<dt>Year-to-Date</dt><dd>A chart of every period of the game so far.</dd>"
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
