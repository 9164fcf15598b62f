#include "ShellFixture.h"

#include "account/CommissionPreview.h"
#include "shell/ui/Commissions.h"
#include "shell/ui/CustomProgramming.h"
#include "windows/CommissionsWindow.h"
#include "windows/CustomWindow.h"
#include "windows/Halvern.h"

namespace tarvello::test {
namespace {

TEST(CommissionPreview, ScoresBeforeAndAfterTwentyFiveDollarsPerTrade)
{
    struct Case {
        double realized, unrealized;
        int32_t trades;
        const char *after, *commissions, *before;
    };
    const Case cases[] = {
        {0, 0, 0, "$0.00", "$0.00", "$0.00"},
        {1000, 0, 3, "$925.00", "$75.00", "$1,000.00"},
        {-50, 0, 0, "$-50.00", "$0.00", "$-50.00"},
        {400, 600.5, 1, "$975.50", "$25.00", "$1,000.50"},  // open positions count in both scores
        {0, 0, 1311, "$-32,775.00", "$32,775.00", "$0.00"}, // past what a 16-bit product holds
    };
    for (const Case &c : cases) {
        AccountState account;
        account.realizedPL = c.realized;
        account.unrealizedPL = c.unrealized;
        account.totalTrades = c.trades;
        const CommissionPreview preview = previewCommissions(account);
        EXPECT_EQ(preview.scoreAfter, c.after);
        EXPECT_EQ(preview.commissions, c.commissions);
        EXPECT_EQ(preview.scoreBefore, c.before);
    }
}

TEST_F(ShellTest, CommissionsWindowShowsTheAccountsFigures)
{
    state.account.realizedPL = 1000;
    state.account.totalTrades = 3;
    const double accountValue = state.account.accountValue;
    host.answerNext(ScriptedModalHost::click(QStringLiteral("cmdOK")));
    w().mnuCommission->click();
    ASSERT_EQ(host.shows().size(), 1u);
    const ModalShow &shown = host.shows().back();
    EXPECT_EQ(shown.caption, "Commission Charges");
    EXPECT_EQ(shown.owner, "Halvern");
    EXPECT_EQ(shown.text("Label7"), "$925.00");
    EXPECT_EQ(shown.text("label12"), "$75.00");
    EXPECT_EQ(shown.text("Label3"), "$1,000.00");
    EXPECT_EQ(shown.text("Label4"), commiss::explanation());
    EXPECT_TRUE(shown.text("Label4").contains(QStringLiteral("Game.  The following")));
    EXPECT_EQ(shown.control("Label4").rect.width, 4920);
    EXPECT_EQ(shown.control("cmdOK").rect.left * 2 + 972, shown.rect.width);
    EXPECT_FALSE(forms.isLoaded<frmCommiss>());
    EXPECT_EQ(state.account.accountValue, accountValue); // nothing is charged
}

TEST_F(ShellTest, CustomProgrammingWindowClosesByOkOrCloseBox)
{
    for (auto answer : {ScriptedModalHost::click(QStringLiteral("cmdOK")), ScriptedModalHost::unload()}) {
        host.answerNext(answer);
        w().mnuCustom->click();
        const ModalShow &shown = host.shows().back();
        EXPECT_EQ(shown.owner, "Halvern");
        EXPECT_TRUE(shown.caption.startsWith(QStringLiteral("Brennic Corporation        ")));
        EXPECT_EQ(shown.text("lblTop"), custom::offerText());
        EXPECT_TRUE(shown.text("lblBottom").startsWith(QStringLiteral("Send e-mail to: ")));
        EXPECT_TRUE(shown.text("lblBottom").endsWith(QStringLiteral(" to contact to a Software Developer")));
        EXPECT_EQ(shown.control("lblTop").foreColor, forms::colors::kYellow);
        EXPECT_EQ(shown.control("lblTop").backColor, forms::colors::kBlue);
        EXPECT_FALSE(forms.isLoaded<frmCustom>());
    }
}

} // namespace
} // namespace tarvello::test
