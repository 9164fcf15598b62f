#include "trading/TradingWindowFixture.h"

#include "flow/ui/LevelSetup.h"
#include "platform/forms/Controls.h"
#include "platform/forms/MenuItem.h"
#include "shell/HelpPages.h"

#include <QRegularExpression>
#include <QTextDocumentFragment>

#include <map>
#include <set>

namespace tarvello::test {
namespace {

// A caption as the help should name it: without access keys, the spaces that pad it, a closing colon
// or the dots of a menu item that opens a window.
QString plainCaption(QString caption)
{
    caption.remove(QLatin1Char('&'));
    caption = caption.simplified();
    if (caption.endsWith(QStringLiteral("...")))
        caption.chop(3);
    if (caption.endsWith(QLatin1Char(':')))
        caption.chop(1);
    return caption.trimmed();
}

// Every page of the game's help as the player reads it, spaces collapsed.
QString helpText()
{
    QString text;
    for (const help::HelpPage &page : help::helpPages())
        text += page.title + QLatin1Char('\n') + QTextDocumentFragment::fromHtml(page.html).toPlainText() +
                QLatin1Char('\n');
    return text.simplified();
}

// Walks the main window through an Expert game's order road, both reports and the reading of the
// maximum, and collects every caption the player sees on the way: the window's title, its menus, and
// each label or button that carries a caption of its own (the labels that show figures have none at
// design) whenever it is shown.
class HelpCoversTheScreen : public TradingWindowTest {
protected:
    void look(const char *step)
    {
        for (forms::Label *label : w().findChildren<forms::Label *>()) {
            if (captioned_.count(label->name()) && label->visible())
                seen_.emplace(plainCaption(label->caption()), step);
        }
        for (forms::CommandButton *button : w().findChildren<forms::CommandButton *>()) {
            if (captioned_.count(button->name()) && button->visible())
                seen_.emplace(plainCaption(button->caption()), step);
        }
        // The order line starts with its question; the rest is the order's own figures.
        const QString line = w().lblorderverify->caption();
        if (w().lblorderverify->visible() && line.startsWith(QStringLiteral("Is order correct ")))
            seen_.emplace(QStringLiteral("Is order correct"), step);
    }

    void walk()
    {
        for (forms::Label *label : w().findChildren<forms::Label *>()) {
            if (!label->caption().isEmpty())
                captioned_.insert(label->name());
        }
        for (forms::CommandButton *button : w().findChildren<forms::CommandButton *>())
            captioned_.insert(button->name());
        seen_.emplace(plainCaption(w().caption()), "title");
        for (forms::MenuItem *item : w().findChildren<forms::MenuItem *>()) {
            if (item->caption() != QStringLiteral("-"))
                seen_.emplace(plainCaption(item->caption()), "menus");
        }

        look("before a game");

        SetupGameLevel(app, Level::Expert);
        startGame(Level::Expert);
        look("a period at rest");
        w().btnTrade->click();
        look("Trade");
        w().btnGold->click();
        look("a market chosen");
        w().btnBuy->click();
        look("Buy");
        enterQuantity(QStringLiteral("2"));
        look("the quantity typed");
        host.answerNext(ScriptedModalHost::click(QStringLiteral("Command1")));
        w().btnYes->click();
        look("Enter Order");
        w().btnTradeHist->click();
        look("Trade History");
        w().btnCloseTradeHistory->click();

        w().mnuMaximum[1]->click();
        chooseOrder(Instrument::Oil, OrderSide::Sell);
        look("Sell, reading positions");
        enterQuantity(QStringLiteral("1"));
        w().btnNo->click();
        look("Cancel Order");
        w().btnTrade->click();
        w().btnHold->click();
        look("Hold");

        // The news report lists a Tick game's releases.
        state.settings.dataType = DataKind::Tick;
        state.news.newsItems.push_back(
            {1, state.settings.startDate, QStringLiteral("Release"), QStringLiteral("Story"), 0.375});
        w().btnNewsHist->click();
        look("News History");
        w().btnCloseNewsHist->click();
    }

    std::set<QString> captioned_;
    std::multimap<QString, const char *> seen_; // caption, where it was seen
};

TEST_F(HelpCoversTheScreen, EveryCaptionOfTheMainWindowAndTheOrderRoadIsExplained)
{
    walk();
    // The walk reaches every part of the screen it means to.
    for (const char *caption :
         {"Future Reqs.", "Margin Excess", "Cash Margin (%)", "Maximum Transaction", "Maximum Position",
          "Trader Input: (Select Security)", "Order Verification", "Number of Contracts to Buy",
          "Number of Contracts to Sell", "Order Entry", "Is order correct", "Trade Report History",
          "News History Report", "Close News Report", "Soybean", "Total Trades"})
        EXPECT_TRUE(seen_.count(QString::fromLatin1(caption))) << caption;

    const QString help = helpText();
    std::set<QString> unexplained;
    for (const auto &[caption, step] : seen_) {
        // As words of their own: "End" is not explained by "Enter".
        const QRegularExpression named(QStringLiteral("(?<!\\w)") + QRegularExpression::escape(caption) +
                                       QStringLiteral("(?!\\w)"));
        if (!help.contains(named) && unexplained.insert(caption).second)
            ADD_FAILURE() << "the help does not explain \"" << caption.toStdString() << "\" (" << step << ")";
    }
}

TEST(HelpPages, SpeakOfTheScreenInItsOwnWords)
{
    // Words for the margin figures that the screen does not use.
    const QString help = helpText();
    for (const char *word : {"liability", "available margin", "committed margin", "Available Margin"})
        EXPECT_FALSE(help.contains(QString::fromLatin1(word), Qt::CaseInsensitive)) << word;
}

} // namespace
} // namespace tarvello::test
