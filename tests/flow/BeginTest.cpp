#include "FlowFixture.h"

#include "common/VbDate.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace tarvello::test {
namespace {

using enum GameOption;
using vb::toSerial;

class Begin : public FlowTest {
protected:
    // Shows the dialog, runs the clicks and presses "&Begin".
    frmTimePeriod &begin(std::initializer_list<GameOption> clicks = {})
    {
        frmTimePeriod &f = dialog();
        f.showModeless();
        for (GameOption o : clicks)
            option(o).click();
        f.cmdBegin->click();
        return f;
    }
    // The same with a selected period: the year and, in a Tick game, the month from the lists.
    frmTimePeriod &beginSelected(std::initializer_list<GameOption> clicks, const char *month,
                                 const char *year)
    {
        frmTimePeriod &f = dialog();
        f.showModeless();
        for (GameOption o : clicks)
            option(o).click();
        f.optSelect[0]->click();
        f.Combo2->setText(QString::fromLatin1(month));
        f.Combo1->setText(QString::fromLatin1(year));
        f.cmdBegin->click();
        return f;
    }
};

TEST_F(Begin, SelectedPeriods)
{
    const struct {
        const char *name;
        std::initializer_list<GameOption> clicks;
        const char *month, *year;
        QDate start, end;
    } cases[] = {
        // A Daily period starts on 1 January whatever the month list shows.
        {"Daily, one year", {}, "July", "1997", {1997, 1, 1}, {1998, 1, 1}},
        {"Daily, one quarter", {Quarter}, "October", "1990", {1990, 1, 1}, {1990, 4, 1}},
        {"Daily, one month", {Month}, "December", "1984", {1984, 1, 1}, {1984, 2, 1}},
        {"Tick, one month", {Tick, Month}, "December", "1996", {1996, 12, 1}, {1997, 1, 1}},
        {"Tick, one quarter", {Tick}, "April", "1996", {1996, 4, 1}, {1996, 7, 1}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        forms.unload<frmTimePeriod>();
        beginSelected(c.clicks, c.month, c.year);
        EXPECT_EQ(state.settings.startDate, toSerial(c.start));
        EXPECT_EQ(state.settings.endDate, toSerial(c.end));
        EXPECT_EQ(state.settings.gameYear, c.start.year());
    }
}

TEST_F(Begin, RandomPeriodsStayInTheirRanges)
{
    const struct {
        const char *name;
        std::initializer_list<GameOption> clicks;
        float r;
        QDate start, end;
    } cases[] = {
        {"Daily, lowest draw", {}, 0.0f, {1984, 1, 1}, {1985, 1, 1}},
        {"Daily, highest draw", {}, kTopDraw, {1997, 1, 1}, {1998, 1, 1}},
        {"Daily, one month", {Month}, 0.5f, {1991, 1, 1}, {1991, 2, 1}},
        {"Tick quarter, lowest draw", {Tick}, 0.0f, {1996, 1, 1}, {1996, 4, 1}},
        {"Tick quarter, middle draw", {Tick}, 0.5f, {1997, 7, 1}, {1997, 10, 1}},
        {"Tick quarter, highest draw", {Tick}, kTopDraw, {1997, 10, 1}, {1998, 1, 1}},
        {"Tick month, lowest draw", {Tick, Month}, 0.0f, {1996, 1, 1}, {1996, 2, 1}},
        {"Tick month, highest draw", {Tick, Month}, kTopDraw, {1997, 12, 1}, {1998, 1, 1}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        forms.unload<frmTimePeriod>();
        w().btnNewsHist->setVisible(false);
        random.afterScript = c.r;
        begin(c.clicks);
        EXPECT_EQ(vb::fromSerial(state.settings.startDate), c.start);
        EXPECT_EQ(vb::fromSerial(state.settings.endDate), c.end);
        EXPECT_EQ(state.settings.gameYear, c.start.year());
        EXPECT_TRUE(w().btnNewsHist->visible());
    }
}

TEST_F(Begin, SettingsAndMenuTicks)
{
    w().mnuNews[2]->setChecked(true);
    w().lblMaxSelected->setCaption(QStringLiteral("12"));
    frmTimePeriod &f = begin({Tick});
    EXPECT_FALSE(f.visible());
    EXPECT_TRUE(f.loaded());
    EXPECT_TRUE(w().btnChangePeriod->enabled());
    EXPECT_TRUE(state.settings.gameStarted);
    EXPECT_EQ(state.settings.optionsChosen, 1);
    EXPECT_EQ(state.settings.level, Level::Expert);
    EXPECT_EQ(state.settings.dataType, DataKind::Tick);
    EXPECT_EQ(state.settings.gameLength, 90);
    EXPECT_EQ(state.settings.lengthOption, GameLengthOption::OneQuarter);
    EXPECT_EQ(w().lblMaxSelected->caption(), QString());

    const struct {
        forms::MenuItem *item;
        bool checked;
    } ticks[] = {{w().mnuLevel[0], false},     {w().mnuLevel[2], true},       {w().mnuGameLength[2], false},
                 {w().mnuGameLength[3], true}, {w().mnuGameLength[4], false}, {w().mnuDat[0], false},
                 {w().mnuDat[1], true},        {w().mnuNews[0], false},       {w().mnuNews[1], true},
                 {w().mnuNews[2], true}};
    for (const auto &t : ticks)
        EXPECT_EQ(t.item->checked(), t.checked) << t.item->objectName().toStdString();

    forms.unload<frmTimePeriod>();
    begin({Novice, Month});
    EXPECT_EQ(state.settings.level, Level::Novice);
    EXPECT_EQ(state.settings.gameLength, 30);
    EXPECT_EQ(state.settings.dataType, DataKind::Daily);
    EXPECT_TRUE(w().mnuLevel[0]->checked());
    EXPECT_TRUE(w().mnuGameLength[2]->checked());
    EXPECT_TRUE(w().mnuNews[0]->checked());
}

TEST_F(Begin, ChartOptionsByDataKind)
{
    const struct {
        GameOption data;
        const char *graphType, *stochastics;
        bool ohlc, meanPrice, slow, movingMean;
    } cases[] = {
        {Daily, "MovingAverage", "MovingAverage", true, false, false, true},
        {Tick, "Stochastic", "SlowStochastics", false, true, true, false},
    };
    for (const auto &c : cases) {
        forms.unload<frmTimePeriod>();
        for (forms::MenuItem *item :
             {w().mnuGLType[2], w().mnuGLPrice[1], w().mnuStoch[0], w().mnuGRType[1], w().mnuMoving[1]})
            item->setChecked(true);
        begin({c.data});
        EXPECT_EQ(state.chart.graphType, QString::fromLatin1(c.graphType));
        EXPECT_EQ(state.chart.stochasticsKind, QString::fromLatin1(c.stochastics));
        EXPECT_EQ(w().mnuGLType[0]->checked(), c.ohlc);
        EXPECT_EQ(w().mnuGLPrice[0]->checked(), c.meanPrice);
        EXPECT_EQ(w().mnuStoch[1]->checked(), c.slow);
        EXPECT_EQ(w().mnuMoving[0]->checked(), c.movingMean);
        for (forms::MenuItem *item :
             {w().mnuGLType[2], w().mnuGLPrice[1], w().mnuStoch[0], w().mnuGRType[1], w().mnuMoving[1]})
            EXPECT_FALSE(item->checked()) << item->objectName().toStdString();
    }
}

// Expert games chart an instrument drawn at random, with every Graph Options item open; Novice games
// always chart Oil, and the items cannot be chosen.
TEST_F(Begin, ChartedInstrument)
{
    const struct {
        std::initializer_list<GameOption> clicks;
        float r;
        const char *key;
        int32_t commodity;
        int16_t item;
        bool enabled;
    } cases[] = {
        {{}, 0.0f, "Cattle", 1, 4, true},
        {{}, 0.2f, "Gold", 2, 1, true},
        {{}, 0.4f, "Oil", 3, 0, true},
        {{}, 0.5f, "SP500", 4, 3, true},
        {{}, 0.7f, "Soybean", 5, 5, true},
        {{}, kTopDraw, "TBond", 6, 2, true},
        {{Novice}, kTopDraw, "Oil", 3, 0, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.key);
        forms.unload<frmTimePeriod>();
        random.afterScript = c.r;
        begin(c.clicks);
        EXPECT_EQ(w().cboCommodity->text(), QString::fromLatin1(c.key));
        EXPECT_EQ(state.chart.selectedCommodity, c.commodity);
        for (int16_t item = 0; item <= 5; ++item) {
            EXPECT_EQ(w().mnuGraph[item]->checked(), item == c.item) << item;
            EXPECT_EQ(w().mnuGraph[item]->enabled(), c.enabled) << item;
        }
    }
}

// "&Begin" puts the instrument it charts in the list's entry as well as its text, so picking the entry
// the list showed before charts that instrument.
TEST_F(Begin, TheInstrumentListFollowsTheChartedInstrument)
{
    for (const char *key : {"Cattle", "Gold", "Oil", "SP500", "Soybean", "TBond"})
        w().cboCommodity->addItem(QString::fromLatin1(key));
    w().cboCommodity->setListIndex(2); // Oil, as start-up leaves it
    random.afterScript = 0.2f;         // Gold
    begin({});
    ASSERT_EQ(state.chart.selectedCommodity, 2);
    EXPECT_EQ(w().cboCommodity->listIndex(), 1);
    EXPECT_EQ(w().cboCommodity->text(), QStringLiteral("Gold"));
    emit w().cboCommodity->activated(2);
    EXPECT_EQ(state.chart.selectedCommodity, 3);
    EXPECT_TRUE(w().mnuGraph[0]->checked());
    EXPECT_FALSE(w().mnuGraph[1]->checked());
}

// "&Begin" refuses what no game can be built from and leaves the dialog open with nothing changed.
TEST_F(Begin, RefusesAGameWithoutALengthOrAPeriod)
{
    const struct {
        const char *name;
        std::function<void(frmTimePeriod &)> spoil;
    } cases[] = {
        {"no length", [](frmTimePeriod &f) { f.OptYear->setValue(false); }},
        {"no level", [](frmTimePeriod &f) { f.OptExpert->setValue(false); }},
        {"no data kind", [](frmTimePeriod &f) { f.OptDaily->setValue(false); }},
        {"no year",
         [](frmTimePeriod &f) {
             f.optSelect[0]->click();
             f.Combo1->clear();
         }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        forms.unload<frmTimePeriod>();
        frmTimePeriod &f = dialog();
        f.showModeless();
        c.spoil(f);
        const std::optional<QString> refusal = timeperiod::beginRefusal(f);
        ASSERT_TRUE(refusal);
        const size_t shown = host.shows().size();
        f.cmdBegin->click();
        ASSERT_EQ(host.shows().size(), shown + 1);
        EXPECT_EQ(host.shows().back().form, QStringLiteral("frmPlayerNotification"));
        EXPECT_EQ(host.shows().back().caption, QStringLiteral("Trader Notification"));
        EXPECT_EQ(host.shows().back().text(QStringLiteral("Label1")), *refusal);
        EXPECT_TRUE(f.visible());
        EXPECT_FALSE(w().btnChangePeriod->enabled());
        EXPECT_FALSE(state.settings.gameStarted);
        EXPECT_EQ(state.settings.startDate, 0.0);
        EXPECT_TRUE(w().mnuGameLength[4]->checked());
    }
}

// Enter presses "&Begin" unless a button has the focus, which Enter presses instead.
TEST_F(Begin, EnterPressesTheDefaultButton)
{
    const auto pressEnter = [](QWidget *target) {
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
    };
    frmTimePeriod &f = dialog();
    f.showModeless();
    pressEnter(f.cmdReset);
    EXPECT_FALSE(f.visible());
    EXPECT_FALSE(state.settings.gameStarted);

    f.showModeless();
    pressEnter(f.OptMonth);
    EXPECT_FALSE(f.visible());
    EXPECT_TRUE(state.settings.gameStarted);
    EXPECT_TRUE(w().btnChangePeriod->enabled());
}

} // namespace
} // namespace tarvello::test
