#include "support/MainWindowFixture.h"

#include "common/VbDate.h"
#include "data/GameDataLoadNews.h"
#include "data/PriceDatabase.h"
#include "news/ui/NewsDisplay.h"
#include "news/ui/NewsReports.h"
#include "support/FixtureDb.h"
#include "support/ScrollBarContrast.h"
#include "windows/NewsWindow.h"

#include <QScrollBar>
#include <QTextLayout>

#include <cmath>

namespace tarvello::test {
namespace {

constexpr forms::VbColor kYellow = 0x00FFFF;
constexpr forms::VbColor kDarkRed = 0x000040;
constexpr forms::VbColor kGray = 0xC0C0C0;

class NewsWindow : public MainWindowTest {
protected:
    NewsWindow() { w().setVisible(true); } // activation comes back to it after each show
    frmNewsDisplay &news() { return forms.get<frmNewsDisplay>(); }
};

TEST_F(NewsWindow, TextAreasFollowTheWindowHeight)
{
    const struct {
        int height;
        int areaHeight;
    } cases[] = {{1400, 1040}, {2500, 2140}, {5000, 4640}};
    for (const auto &c : cases) {
        SetNewsWindowHeight(news(), c.height);
        for (const forms::Control *area : {static_cast<forms::Control *>(news().txtNewsDisplay),
                                           static_cast<forms::Control *>(news().Labelnews)}) {
            EXPECT_EQ(area->twipHeight(), c.areaHeight) << c.height;
            EXPECT_EQ(area->twipWidth(), news().twipWidth() - 115);
            EXPECT_EQ(area->twipLeft(), 0);
            EXPECT_EQ(area->twipTop(), 0);
        }
    }
}

TEST_F(NewsWindow, ColoursFollowTheScreenSchemeAtEveryShow)
{
    const struct {
        forms::VbColor scheme;
        forms::VbColor back;
        forms::VbColor text;
    } cases[] = {{0x000000, kDarkRed, kYellow}, {kGray, kDarkRed, kYellow}, {0xFFFFFF, kGray, 0x000000}};
    for (const auto &c : cases) {
        w().setBackColor(c.scheme);
        host.answerNext([](forms::Form &form) { form.click(); });
        ShowNewsText(app, QStringLiteral("Caption"), QStringLiteral("Text"));
        const ModalShow &shown = host.shows().back();
        EXPECT_EQ(shown.backColor, c.back);
        EXPECT_EQ(shown.foreColor, c.text);
        for (const char *area : {"txtNewsDisplay", "Labelnews"}) {
            EXPECT_EQ(shown.control(QLatin1String(area)).backColor, c.back) << area;
            EXPECT_EQ(shown.control(QLatin1String(area)).foreColor, c.text) << area;
        }
    }
}

// The text box takes the window's colours, yellow on dark red in the dark schemes; its scroll bar keeps
// the standard ones, so its arrows stand out in every scheme.
TEST_F(NewsWindow, TheTextBoxScrollBarStaysLegibleInEveryScheme)
{
    const QString story =
        QStringLiteral("Traders weighed the report against the week's other figures. ").repeated(40);
    for (const forms::VbColor scheme : {forms::VbColor(0x000000), kGray, forms::VbColor(0xFFFFFF)}) {
        SCOPED_TRACE(scheme);
        w().setBackColor(scheme);
        ApplyNewsLayout(news(), NewsLayoutFor(story.size()));
        double arrows = 0;
        host.answerNext([&](forms::Form &form) {
            arrows = arrowContrast(*news().txtNewsDisplay->verticalScrollBar());
            form.click();
        });
        ShowNewsText(app, QStringLiteral("Caption"), story);
        ASSERT_TRUE(news().txtNewsDisplay->visible());
        EXPECT_EQ(news().txtNewsDisplay->foreColor(), scheme == 0xFFFFFF ? 0x000000 : kYellow);
        EXPECT_GE(arrows, 3.0);
    }
}

TEST_F(NewsWindow, ClicksOnTheWindowOrLabelAndADoubleClickOnTheTextHideIt)
{
    const struct {
        const char *what;
        std::function<void(frmNewsDisplay &)> act;
        bool hides;
        bool onText; // the text is shown for a click on it
    } cases[] = {
        {"window", [](frmNewsDisplay &f) { f.click(); }, true, false},
        {"label", [](frmNewsDisplay &f) { f.Labelnews->click(); }, true, false},
        {"double click on text", [](frmNewsDisplay &f) { f.txtNewsDisplay->dblClick(); }, true, true},
        {"click on text", [](frmNewsDisplay &f) { f.txtNewsDisplay->click(); }, false, true},
    };
    for (const auto &c : cases) {
        news().Labelnews->setVisible(true);
        news().txtNewsDisplay->setVisible(c.onText);
        news().setVisible(true);
        c.act(news());
        EXPECT_EQ(news().visible(), !c.hides) << c.what;
        EXPECT_TRUE(forms.isLoaded<frmNewsDisplay>()) << c.what; // hidden, never unloaded
    }
}

class BackgroundStory : public MainWindowTest {
protected:
    BackgroundStory()
    {
        w();
        host.setDefaultAnswer([](forms::Form &form) { form.click(); });
    }
    FixtureDb db;
};

TEST_F(BackgroundStory, ShowsTheChartedInstrumentsStoryOfTheYearBefore)
{
    db.addOverviewNews(QDate(1989, 1, 1), 2, QStringLiteral("Gold in 1989."));
    db.addOverviewNews(QDate(1990, 1, 1), 2, QStringLiteral("Gold in 1990."));
    ASSERT_TRUE(OpenPriceDatabase(state.priceDatabase, db.path()).ok());
    state.chart.selectedCommodity = 2;
    state.clock.tradeDay = 1;

    const struct {
        QDate start;
        int16_t year;
        const char *story;
    } cases[] = {
        {QDate(1990, 3, 15), 1989, "Gold in 1989."},
        {QDate(1984, 1, 1), 1983, ""},
        {QDate(1997, 12, 31), 1996, ""},
        {QDate(1991, 1, 1), 1990, "Gold in 1990."},
    };
    for (const auto &c : cases) {
        state.settings.startDate = vb::toSerial(c.start);
        LoadOverviewStories(state); // as the game's load reads them
        w().mnuNews[2]->click();
        EXPECT_EQ(state.settings.gameYear, c.year);
        const ModalShow &shown = host.shows().back();
        EXPECT_EQ(shown.form, "frmNewsDisplay");
        EXPECT_EQ(shown.caption, QStringLiteral("Gold Futures Market: %1 News Background ").arg(c.year));
        EXPECT_EQ(shown.text(QStringLiteral("txtNewsDisplay")), QLatin1String(c.story));
        EXPECT_TRUE(w().enabled());
        EXPECT_TRUE(w().mnuGame->enabled());
    }
}

TEST_F(BackgroundStory, NothingBeforeTheFirstPeriod)
{
    state.clock.tradeDay = 0;
    w().mnuNews[2]->click();
    EXPECT_TRUE(host.shows().empty());
    EXPECT_TRUE(w().enabled());
    EXPECT_TRUE(w().mnuGame->enabled());
}

TEST_F(BackgroundStory, AnnualAndDailyMarksFollowTheirOwnClickCounts)
{
    w().mnuNews[0]->setChecked(true);
    w().mnuNews[1]->setChecked(false);
    const struct {
        int item;
        int clicks;
        bool checked;
    } cases[] = {{0, 1, true}, {0, 1, false}, {1, 1, true}, {1, 1, false}, {1, 1, true}};
    for (const auto &c : cases) {
        for (int i = 0; i < c.clicks; ++i)
            w().mnuNews[static_cast<int16_t>(c.item)]->click();
        EXPECT_EQ(w().mnuNews[static_cast<int16_t>(c.item)]->checked(), c.checked);
    }
    EXPECT_EQ(state.news.annualNewsClicks, 2);
    EXPECT_EQ(state.news.dailyNewsClicks, 3);
}

// The height a text takes laid out in a font, wrapped at words within a width, as a label draws it.
int wrappedHeight(QString text, const QFont &font, int width)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal height = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout.endLayout();
    return static_cast<int>(std::ceil(height));
}

TEST_F(NewsWindow, AStoryTooLongForTheLabelScrollsAndLosesNothing)
{
    // A release short enough for the label, in three paragraphs: its lines need more height than the
    // label has.
    const QString longStory = QStringLiteral(
        "First-time claims for unemployment benefits came to 314,000 last week, down 5,000 from the week "
        "before. The four-week average, which smooths out weekly swings, was little changed. Claims have "
        "stayed in a narrow range for several weeks, pointing to a steady labour market.\r\n\r\nGold edged "
        "lower, with dealers reporting light selling from investors. Floor brokers reported light volume "
        "in the minutes after the release.\r\n\r\nSome analysts said the report made a change in interest "
        "rates at the next policy meeting more likely. Stock index futures fell as traders weighed what "
        "the numbers mean for interest rates. Traders noted that the figures matched the tone of recent "
        "surveys of business conditions.");
    const QString shortStory = QStringLiteral("Gold edged lower, with dealers reporting light selling.");
    const struct {
        const QString &story;
        bool scrolls;
    } cases[] = {{longStory, true}, {shortStory, false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.story.size());
        news().txtNewsDisplay->setText(c.story);
        const NewsLayout layout = NewsLayoutFor(c.story.size());
        ApplyNewsLayout(news(), layout);
        ASSERT_TRUE(layout.inLabel);
        const forms::Label &label = *news().Labelnews;
        EXPECT_EQ(label.caption(), c.story);
        EXPECT_EQ(label.twipHeight(), layout.height - 360); // the window's layout stays
        EXPECT_EQ(wrappedHeight(c.story, label.font(), label.width()) > label.height(), c.scrolls);

        const auto *bar = label.findChild<QScrollBar *>();
        if (!c.scrolls) {
            EXPECT_TRUE(!bar || bar->isHidden());
            continue;
        }
        // The bar lies at the label's right edge and reaches the story's last line.
        ASSERT_NE(bar, nullptr);
        EXPECT_FALSE(bar->isHidden());
        EXPECT_EQ(bar->x() + bar->width(), label.width());
        EXPECT_EQ(bar->height(), label.height());
        EXPECT_GE(bar->maximum() + label.height(), wrappedHeight(label.text(), label.font(), bar->x()));
        EXPECT_EQ(bar->value(), 0);
    }
}

} // namespace
} // namespace tarvello::test
