#include "FlowFixture.h"

#include <QCoreApplication>

#include <string>
#include <vector>

namespace tarvello::test {
namespace {

using enum GameOption;
using OptionInterplay = FlowTest;

const char *const kNames[] = {"Novice", "Expert", "Month",  "Quarter",   "Year",
                              "Daily",  "Tick",   "Annual", "DayReports"};

// The selected options in the dialog's order, then the disabled ones: "Expert Year Daily Annual".
std::string describe(const frmTimePeriod &f)
{
    std::string selected;
    std::string disabled;
    for (int i = 0; i < kGameOptionCount; ++i) {
        const forms::OptionButton &o = optionButton(f, static_cast<GameOption>(i));
        if (o.value())
            selected += (selected.empty() ? "" : " ") + std::string(kNames[i]);
        if (!o.enabled())
            disabled += " " + std::string(kNames[i]);
    }
    return disabled.empty() ? selected : selected + " | off:" + disabled;
}

// The settings menus at start-up (Expert, Daily, One Year, annual news) give the dialog these options.
TEST_F(OptionInterplay, LoadTakesTheOptionsFromTheSettingsMenus)
{
    frmTimePeriod &f = dialog();
    EXPECT_EQ(describe(f), "Expert Year Daily Annual");
    EXPECT_TRUE(f.optSelect[1]->value());
    EXPECT_FALSE(f.optSelect[0]->value());
    EXPECT_EQ(f.labeltime->caption(), QString::fromLatin1(timeperiod::kHint));
    EXPECT_FALSE(f.Combo1->visible());
    EXPECT_FALSE(f.Combo2->visible());
    EXPECT_EQ(state.settings.dataType, DataKind::Daily);
}

// Each click from a state reached by earlier clicks, starting from the start-up options. The expected
// states follow the option rules step by step, including the click procedures that a selection runs.
TEST_F(OptionInterplay, EachClickAtEachLevelAndPriorState)
{
    const struct {
        const char *name;
        std::vector<GameOption> before;
        GameOption click;
        const char *expected;
    } cases[] = {
        {"Novice closes a year, Tick and daily reports",
         {},
         Novice,
         "Novice Quarter Daily Annual | off: Year Tick DayReports"},
        {"Novice may still play one month",
         {Novice},
         Month,
         "Novice Month Daily Annual | off: Year Tick DayReports"},
        {"Novice from one month back to a quarter",
         {Novice, Month},
         Quarter,
         "Novice Quarter Daily Annual | off: Year Tick DayReports"},
        {"Novice from Tick", {Tick}, Novice, "Novice Quarter Daily Annual | off: Year Tick DayReports"},
        {"Expert after Novice opens everything", {Novice}, Expert, "Expert Year Daily Annual"},
        {"Expert after Novice and one month", {Novice, Month}, Expert, "Expert Year Daily Annual"},
        {"Expert one month with Daily data keeps a year open", {}, Month, "Expert Month Daily Annual"},
        {"Expert one quarter", {Month}, Quarter, "Expert Quarter Daily Annual"},
        {"Expert one year", {Quarter}, Year, "Expert Year Daily Annual"},
        {"Tick from one month", {Month}, Tick, "Expert Quarter Tick DayReports | off: Year"},
        {"Tick from one quarter", {Quarter}, Tick, "Expert Quarter Tick DayReports | off: Year"},
        {"Tick from one year takes a quarter", {}, Tick, "Expert Quarter Tick DayReports | off: Year"},
        {"daily reports from one month", {Month}, DayReports, "Expert Month Tick DayReports | off: Year"},
        {"daily reports from one quarter", {Quarter}, DayReports, "Expert Month Tick DayReports | off: Year"},
        {"daily reports from one year take a length",
         {},
         DayReports,
         "Expert Month Tick DayReports | off: Year"},
        {"one month with Tick keeps a year closed",
         {Tick},
         Month,
         "Expert Month Tick DayReports | off: Year"},
        {"one quarter with Tick", {Tick, Month}, Quarter, "Expert Quarter Tick DayReports | off: Year"},
        {"annual reports bring Daily data and a year back", {Tick}, Annual, "Expert Quarter Daily Annual"},
        {"Daily data brings annual reports back", {Tick}, Daily, "Expert Quarter Daily Annual"},
        {"Daily data after one month of Tick", {Tick, Month}, Daily, "Expert Month Daily Annual"},
        {"a closed year cannot be clicked", {Tick}, Year, "Expert Quarter Tick DayReports | off: Year"},
        {"Tick cannot be clicked at Novice",
         {Novice},
         Tick,
         "Novice Quarter Daily Annual | off: Year Tick DayReports"},
        {"the selected level clicked again runs nothing",
         {Tick},
         Expert,
         "Expert Quarter Tick DayReports | off: Year"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        forms.unload<frmTimePeriod>();
        for (GameOption o : c.before)
            option(o).click();
        option(c.click).click();
        frmTimePeriod &f = dialog();
        EXPECT_EQ(describe(f), c.expected);
        EXPECT_EQ(state.settings.dataType, f.OptTick->value() ? DataKind::Tick : DataKind::Daily);
    }
}

// The rules, run by code from any state, never leave the length group empty.
TEST_F(OptionInterplay, EveryClickSequenceKeepsOneLengthChosen)
{
    const GameOption all[] = {Novice, Expert, Month, Quarter, Year, Daily, Tick, Annual, DayReports};
    for (GameOption first : all) {
        for (GameOption second : all) {
            for (GameOption third : all) {
                forms.unload<frmTimePeriod>();
                for (GameOption o : {first, second, third})
                    option(o).click();
                const frmTimePeriod &f = dialog();
                const int lengths = f.OptMonth->value() + f.OptQuarter->value() + f.OptYear->value();
                // Let the discarded dialogs go.
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                ASSERT_EQ(lengths, 1) << kNames[int(first)] << ", " << kNames[int(second)] << ", "
                                      << kNames[int(third)] << ": " << describe(f);
            }
        }
    }
}

// "&Cancel" takes the level, length and data options back from the menus (the news options follow
// through the procedures those selections run), hides the dialog and disables "&Forward".
TEST_F(OptionInterplay, CancelTakesTheOptionsBackFromTheMenus)
{
    const std::vector<GameOption> changes[] = {{Novice}, {Novice, Month}, {Tick}, {DayReports}, {Month}};
    for (const auto &clicks : changes) {
        forms.unload<frmTimePeriod>();
        for (GameOption o : clicks)
            option(o).click();
        w().btnChangePeriod->setEnabled(true);
        frmTimePeriod &f = dialog();
        f.showModeless();
        f.cmdReset->click();
        EXPECT_EQ(describe(f), "Expert Year Daily Annual");
        EXPECT_FALSE(f.visible());
        EXPECT_TRUE(f.loaded());
        EXPECT_FALSE(w().btnChangePeriod->enabled());
    }
}

// A hidden dialog keeps its choices for the next showing, even when the menus change meanwhile; the
// close box discards it, and the next touch loads it from the menus again.
TEST_F(OptionInterplay, HiddenDialogKeepsItsChoicesAndTheCloseBoxDiscardsThem)
{
    option(Month).click();
    w().mnuGameLength[4]->setChecked(false);
    w().mnuGameLength[3]->setChecked(true);
    EXPECT_EQ(describe(dialog()), "Expert Month Daily Annual");

    dialog().showModeless();
    dialog().close();
    EXPECT_FALSE(forms.isLoaded<frmTimePeriod>());
    EXPECT_FALSE(w().btnChangePeriod->enabled());
    EXPECT_EQ(describe(dialog()), "Expert Quarter Daily Annual");
}

// The menus a Tick game leaves (Expert, Tick, annual news ticked by hand) load as the rules pair them:
// the news options are taken last, and annual reports go with Daily data.
TEST_F(OptionInterplay, LoadFromTickMenusPairsDataAndNews)
{
    w().mnuDat[0]->setChecked(false);
    w().mnuDat[1]->setChecked(true);
    EXPECT_EQ(describe(dialog()), "Expert Quarter Daily Annual");
    EXPECT_EQ(state.settings.dataType, DataKind::Daily);

    forms.unload<frmTimePeriod>();
    w().mnuNews[0]->setChecked(false);
    w().mnuNews[1]->setChecked(true);
    EXPECT_EQ(describe(dialog()), "Expert Quarter Tick DayReports | off: Year");
    EXPECT_EQ(state.settings.dataType, DataKind::Tick);
}

} // namespace
} // namespace tarvello::test
