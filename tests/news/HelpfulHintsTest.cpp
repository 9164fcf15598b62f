#include "support/MainWindowFixture.h"

#include "news/Hints.h"
#include "news/ui/NewsServices.h"

#include <optional>

namespace tarvello::test {
namespace {

const QString kScaredCapital = QStringLiteral("Don't be Scared to Execute A Trade ");
const QString kScaredSmall = QStringLiteral("Don't be Scared to Execute a Trade ");
const QString kTooMuch = QStringLiteral("Be Careful Not to Trade too Much:  Commissions Eat Up Profits");
const QString kTooMuchIndented =
    QStringLiteral("  Be Careful Not to Trade too Much:  Commissions Eat Up Profits");

struct HintCase {
    int16_t period;
    int32_t trades;
    int16_t markerBefore;
    std::optional<QString> hint;
    int16_t markerAfter;
};

TEST(HelpfulHints, ChoosesAtMostOneHintAndMovesTheMarker)
{
    const HintCase cases[] = {
        {0, 0, 0, std::nullopt, 0},       // the first click never gives a hint
        {15, 0, 0, kScaredCapital, 105},  // no trade by period 15
        {15, 0, 15, std::nullopt, 15},    // the marker holds it back
        {16, 0, 0, std::nullopt, 0},      // only period 15 asks for a first trade
        {46, 1, 0, kScaredSmall, 136},    // 46 periods a trade is too few trades
        {45, 1, 0, std::nullopt, 0},      // exactly 45 is not above 45
        {20, 10, 0, kTooMuch, 110},       // ten trades by period 20
        {20, 14, 0, kTooMuch, 110},       // one hint only: the indented one is held back
        {4, 3, 0, kTooMuchIndented, 94},  // under 1.5 periods a trade
        {3, 3, 0, std::nullopt, 0},       // not before period 4
        {6, 4, 0, std::nullopt, 0},       // exactly 1.5 is not below it
        {15, 1, 0, std::nullopt, 0},      // neither too few nor too many
        {106, 0, 105, std::nullopt, 105}, // past the marker but nothing is due
        {200, 2, 105, kScaredSmall, 290}, // 100 periods a trade
        {300, 210, 290, kTooMuchIndented, 390},
    };
    for (const HintCase &c : cases) {
        int16_t marker = c.markerBefore;
        EXPECT_EQ(NextHint(c.period, c.trades, marker), c.hint)
            << "period " << c.period << ", trades " << c.trades << ", marker " << c.markerBefore;
        EXPECT_EQ(marker, c.markerAfter) << "period " << c.period << ", trades " << c.trades;
    }
}

class HelpfulHintsShown : public MainWindowTest {
protected:
    HelpfulHintsShown()
    {
        w();
        host.setDefaultAnswer(ScriptedModalHost::click(QStringLiteral("btnOkay")));
    }

    // Runs the hints for each period in [from, to) and returns the periods that gave one.
    std::vector<int> hintsOver(int from, int to)
    {
        std::vector<int> periods;
        for (int p = from; p < to; ++p) {
            const size_t before = host.shows().size();
            state.clock.tradeDay = static_cast<int16_t>(p);
            ShowHelpfulHints(app);
            if (host.shows().size() > before)
                periods.push_back(p);
        }
        return periods;
    }
};

TEST_F(HelpfulHintsShown, ShowsTheHintInTheNotificationBox)
{
    state.clock.tradeDay = 15;
    ShowHelpfulHints(app);

    ASSERT_EQ(host.shows().size(), 1u);
    EXPECT_EQ(host.shows()[0].form, "frmPlayerNotification");
    EXPECT_EQ(host.shows()[0].caption, "* Helpful Hint *");
    EXPECT_EQ(host.shows()[0].text(QStringLiteral("Label1")), kScaredCapital);
    EXPECT_EQ(host.shows()[0].text(QStringLiteral("ColorScheme")), "1");
    EXPECT_EQ(state.news.hintMarker, 105);
}

TEST_F(HelpfulHintsShown, AHintHoldsBackTheNextUntilTheMarkerIsPassedEvenInANewGame)
{
    EXPECT_EQ(hintsOver(0, 106), std::vector<int>{15});

    // A new game starts its periods and trades again, but the marker stays.
    EXPECT_EQ(hintsOver(0, 106), std::vector<int>{});
    state.account.totalTrades = 1;
    EXPECT_EQ(hintsOver(106, 197), std::vector<int>{106}); // 106 periods for one trade
    EXPECT_EQ(state.news.hintMarker, 196);
    EXPECT_EQ(hintsOver(197, 198), std::vector<int>{197});
}

} // namespace
} // namespace tarvello::test
