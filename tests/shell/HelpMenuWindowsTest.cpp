#include "ShellFixture.h"

#include "account/CommissionPreview.h"
#include "shell/ui/Commissions.h"
#include "shell/ui/CustomProgramming.h"
#include "windows/CommissionsWindow.h"
#include "windows/CustomWindow.h"
#include "windows/Halvern.h"

#include <QRegularExpression>

#include <set>

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

// Every text of a window as it was shown: its caption and each control's caption or text.
QString allTexts(const ModalShow &shown)
{
    QString texts = shown.caption;
    for (const auto &[name, control] : shown.controls)
        texts += QLatin1Char('\n') + control.text;
    return texts;
}

// The web addresses and e-mail domains a text names.
std::set<QString> addressesIn(const QString &text)
{
    std::set<QString> found;
    static const QRegularExpression web(QStringLiteral("www\\.([A-Za-z0-9.-]*[A-Za-z0-9])"));
    static const QRegularExpression mail(QStringLiteral("@([A-Za-z0-9.-]*[A-Za-z0-9])"));
    for (const QRegularExpression *re : {&web, &mail}) {
        for (const QRegularExpressionMatch &m : re->globalMatch(text))
            found.insert(m.captured(1));
    }
    return found;
}

TEST_F(ShellTest, EveryWindowThatNamesTheMakerNamesTheSameOneAtOneAddress)
{
    host.answerNext(ScriptedModalHost::click(QStringLiteral("cmdOK")));
    w().mnuCustom->click();
    host.answerNext(ScriptedModalHost::click(QStringLiteral("cmdOK")));
    w().mnuAboutMorvaine->click();
    ASSERT_EQ(host.shows().size(), 2u);
    const ModalShow &custom = host.shows()[0];
    const ModalShow &about = host.shows()[1];

    // The Custom Programming window's caption is the maker's name, eight spaces and its web address.
    const qsizetype gap = custom.caption.indexOf(QStringLiteral("        "));
    ASSERT_GT(gap, 0);
    const QString maker = custom.caption.left(gap);
    const struct {
        const ModalShow *window;
        const char *control;
    } namings[] = {
        {&custom, "lblTop"},
        {&about, "Label2"}, // the notice of rights
        {&about, "Label4"}, // the trademark notice
    };
    for (const auto &n : namings) {
        SCOPED_TRACE(n.control);
        EXPECT_TRUE(n.window->text(QString::fromLatin1(n.control)).contains(maker))
            << n.window->text(QString::fromLatin1(n.control)).toStdString();
    }
    EXPECT_FALSE(allTexts(about).contains(QStringLiteral("team")))
        << "a maker other than " << maker.toStdString();

    // One address: the web address and the e-mail domain of both windows are one and the same.
    std::set<QString> addresses = addressesIn(allTexts(custom));
    const std::set<QString> aboutAddresses = addressesIn(allTexts(about));
    EXPECT_FALSE(aboutAddresses.empty()); // the About window gives the maker's web address
    addresses.insert(aboutAddresses.begin(), aboutAddresses.end());
    EXPECT_EQ(addresses.size(), 1u)
        << QStringList(addresses.begin(), addresses.end()).join(u' ').toStdString();
}

} // namespace
} // namespace tarvello::test
