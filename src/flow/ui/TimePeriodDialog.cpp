#include "flow/ui/TimePeriodDialog.h"

#include "account/InstrumentRules.h"
#include "charts/ui/ChartServices.h"
#include "common/Formats.h"
#include "common/Services.h"
#include "common/VbMath.h"
#include "flow/GamePeriod.h"
#include "news/ui/Notification.h"
#include "platform/forms/Runtime.h"
#include "windows/App.h"
#include "windows/Halvern.h"
#include "windows/frmTimePeriod.h"

#include <algorithm>

namespace tarvello {

using forms::OptionButton;

namespace {

using namespace forms::colors;

// The year list sits level with the one-line prompt "Select a Year:", or under the two-line prompt,
// beside the month list.
constexpr int kYearListBesidePrompt = 3000;
constexpr int kYearListBesideMonths = 3360;

bool tick(const frmTimePeriod &f)
{
    return f.OptTick->value();
}

void apply(OptionButton &option, OptionAction action)
{
    switch (action) {
    case OptionAction::Select:
        option.setValue(true);
        break;
    case OptionAction::Clear:
        option.setValue(false);
        break;
    case OptionAction::Enable:
        option.setEnabled(true);
        break;
    case OptionAction::Disable:
        option.setEnabled(false);
        break;
    case OptionAction::None:
        break;
    }
}

void setPrompt(frmTimePeriod &f, const char *text)
{
    f.labeltime->setCaption(QString::fromLatin1(text));
}

void selectYear(forms::ComboBox &list, int year)
{
    list.setText(QString::number(year));
}

// The years of a Daily game, newest first.
void addDailyYears(forms::ComboBox &list)
{
    for (int year = kLastDailyYear; year >= kFirstDailyYear; --year)
        list.addItem(QString::number(year));
}

// Takes the options from the check marks of the settings menus, in the dialog's order; each
// selection runs its click procedure. Loading also takes the data kind and the news options;
// "&Cancel" takes the level, length and data options only.
void optionsFromMenus(frmTimePeriod &f, App &app, bool loading)
{
    Halvern &w = app.main();
    const auto takeIfChecked = [&](forms::MenuItem *item, OptionButton *option) {
        if (item->checked())
            option->setValue(true);
        return item->checked();
    };
    takeIfChecked(w.mnuLevel[0], f.OptNovice);
    takeIfChecked(w.mnuLevel[2], f.OptExpert);
    takeIfChecked(w.mnuGameLength[2], f.OptMonth);
    takeIfChecked(w.mnuGameLength[3], f.OptQuarter);
    takeIfChecked(w.mnuGameLength[4], f.OptYear);
    if (takeIfChecked(w.mnuDat[0], f.OptDaily) && loading)
        app.state.settings.dataType = DataKind::Daily;
    if (takeIfChecked(w.mnuDat[1], f.OptTick) && loading)
        app.state.settings.dataType = DataKind::Tick;
    if (loading) {
        takeIfChecked(w.mnuNews[0], f.OptAnnual);
        takeIfChecked(w.mnuNews[1], f.OptDayReports);
    }
}

void unloadSteps(frmTimePeriod &f, App &app)
{
    f.setVisible(false);
    f.repaint();
    app.main().btnChangePeriod->setEnabled(false);
    forms::doEvents();
}

// The chart settings a new game starts from: price lines and the slow stochastics in a Tick game,
// open-high-low-close and the moving average in a Daily game.
void resetChartOptions(frmTimePeriod &f, App &app)
{
    Halvern &w = app.main();
    const bool tickGame = tick(f);
    if (tickGame)
        SetGraphDisplay(app, Graph::Left, 9);
    w.mnuGLType[0]->setChecked(!tickGame);
    w.mnuGLType[2]->setChecked(false);
    w.mnuGLPrice[0]->setChecked(tickGame);
    w.mnuGLPrice[1]->setChecked(false);
    SetGraphTitle(app, Graph::Left,
                  tickGame ? QStringLiteral("Price") : QStringLiteral("Open-High-Low-Close"));
    if (tickGame)
        SetGraphDisplay(app, Graph::Left, 9);
    w.mnuStoch[0]->setChecked(false);
    w.mnuStoch[1]->setChecked(tickGame);
    ChartOptions &chart = app.state.chart;
    chart.stochasticsKind = tickGame ? QStringLiteral("SlowStochastics") : QStringLiteral("MovingAverage");
    chart.graphType = tickGame ? QStringLiteral("Stochastic") : QStringLiteral("MovingAverage");
    SetGraphTitle(app, Graph::Right,
                  tickGame ? QStringLiteral("Stochastic Indicator") : QStringLiteral("Moving Average"));
    w.mnuGRType[1]->setChecked(false);
    w.mnuMoving[0]->setChecked(!tickGame);
    w.mnuMoving[1]->setChecked(false);
}

// The instrument the charts open with: drawn at random at Expert, where every Graph Options item can
// be chosen; always Oil at Novice, where none can.
void chooseChartedInstrument(frmTimePeriod &f, App &app)
{
    Halvern &w = app.main();
    const bool expert = f.OptExpert->value();
    Instrument charted = Instrument::Oil;
    if (expert) {
        for (int item = 0; item <= 5; ++item)
            w.mnuGraph[item]->setEnabled(true);
        for (int item = 0; item <= 5; ++item)
            w.mnuGraph[item]->setChecked(false);
        app.random.randomize();
        charted = static_cast<Instrument>(drawCommodityId(app.random));
    }
    ShowChartedInstrumentInList(app, commodityId(charted), keyText(charted));
    app.state.chart.selectedCommodity = commodityId(charted);
    // The Graph Options items follow the screen's order of the instruments.
    const auto item = static_cast<int16_t>(
        std::find(kInstrumentOrder.begin(), kInstrumentOrder.end(), charted) - kInstrumentOrder.begin());
    if (expert) {
        w.mnuGraph[item]->setChecked(true);
        return;
    }
    for (int16_t i = 0; i <= 5; ++i)
        w.mnuGraph[i]->setChecked(i == item);
    for (int16_t i = 0; i <= 5; ++i)
        w.mnuGraph[i]->setEnabled(false);
}

// The year the year list names; none when it names none.
std::optional<int> listedYear(const frmTimePeriod &f)
{
    const QString &text = f.Combo1->text();
    if (!vb::isNumeric(text))
        return std::nullopt;
    return vb::CInt(vb::numericValue(text));
}

} // namespace

OptionButton &optionButton(const frmTimePeriod &f, GameOption option)
{
    // In the order of GameOption.
    static constexpr OptionButton *frmTimePeriod::*kOptions[kGameOptionCount] = {
        &frmTimePeriod::OptNovice,  &frmTimePeriod::OptExpert, &frmTimePeriod::OptMonth,
        &frmTimePeriod::OptQuarter, &frmTimePeriod::OptYear,   &frmTimePeriod::OptDaily,
        &frmTimePeriod::OptTick,    &frmTimePeriod::OptAnnual, &frmTimePeriod::OptDayReports};
    return *(f.*kOptions[static_cast<int>(option)]);
}

GameLengthOption chosenLength(const frmTimePeriod &f)
{
    if (f.OptYear->value())
        return GameLengthOption::OneYear;
    if (f.OptQuarter->value())
        return GameLengthOption::OneQuarter;
    if (f.OptMonth->value())
        return GameLengthOption::OneMonth;
    return GameLengthOption::None;
}

namespace timeperiod {

void Form_Load(frmTimePeriod &f, App &app)
{
    ComboBoxDisplay(f, app);
    app.random.randomize();
    selectYear(*f.Combo1, drawYear(app.random, DataKind::Daily));
    setPrompt(f, kHint);
    optionsFromMenus(f, app, true);
}

void Form_Activate(frmTimePeriod &f, App &app)
{
    forms::VbColor fore = 0;
    forms::VbColor back = 0;
    switch (app.main().backColor()) {
    case kWhite:
        fore = kBlack;
        back = kWhite;
        break;
    case kGray:
    case kBlack:
        fore = kYellow;
        back = kBlue;
        break;
    default:
        return;
    }
    f.setForeColor(fore);
    f.setBackColor(back);
    forms::Control *const coloured[] = {
        f.Frame1,    f.Frame2,    f.Frame3,        f.Frame4,       f.fTime,       f.labeltime,
        f.OptNovice, f.OptExpert, f.OptMonth,      f.OptQuarter,   f.OptYear,     f.OptDaily,
        f.OptTick,   f.OptAnnual, f.OptDayReports, f.optSelect[0], f.optSelect[1]};
    for (forms::Control *control : coloured) {
        control->setForeColor(fore);
        control->setBackColor(back);
    }
}

void Form_Unload(frmTimePeriod &f, App &app, int16_t &)
{
    unloadSteps(f, app);
}

void cmdReset_Click(frmTimePeriod &f, App &app)
{
    optionsFromMenus(f, app, false);
    int16_t cancel = 0;
    Form_Unload(f, app, cancel);
}

void OptionClick(frmTimePeriod &f, App &app, GameOption clicked)
{
    const bool novice = f.OptNovice->value();
    for (const OptionStep &step : optionSteps(clicked, novice)) {
        if (step.when != OptionStep::When::Always &&
            optionButton(f, step.test).value() != (step.when == OptionStep::When::IfSelected))
            continue;
        OptionButton &option = optionButton(f, step.option);
        apply(option, step.first);
        apply(option, step.second);
    }

    GameSettings &settings = app.state.settings;
    switch (clicked) {
    case GameOption::Month:
    case GameOption::Quarter:
        ComboBoxDisplay(f, app);
        break;
    case GameOption::Daily:
        if (f.OptDaily->value()) {
            if (f.optSelect[0]->value()) {
                setPrompt(f, kSelectYear);
                ComboBoxDisplay(f, app);
            }
            settings.dataType = DataKind::Daily;
            f.Combo2->setVisible(false);
        }
        break;
    case GameOption::Tick:
        if (!novice)
            settings.dataType = DataKind::Tick;
        if (f.OptTick->value()) {
            settings.dataType = DataKind::Tick;
            ComboBoxDisplay(f, app);
            const bool selecting = f.optSelect[0]->value();
            setPrompt(f, selecting ? kSelectMonthAndYear : kHint);
            f.Combo2->setVisible(selecting);
        }
        break;
    default:
        break;
    }
}

void optSelect_Click(frmTimePeriod &f, App &app, int16_t index)
{
    f.setEnabled(false);
    f.Combo1->clear();
    if (index == 1) {
        app.random.randomize();
        f.Combo1->setTwipTop(kYearListBesideMonths);
        f.Combo1->setVisible(false);
        f.Combo2->setVisible(false);
        setPrompt(f, kHint);
    }
    if (index == 0) {
        if (app.state.settings.dataType == DataKind::Daily) {
            setPrompt(f, kSelectYear);
        } else {
            setPrompt(f, kSelectMonthAndYear);
            f.Combo2->setVisible(true);
        }
        f.Combo1->setVisible(true);
        f.optSelect[0]->setCaption(QStringLiteral("Select Timeperiod"));
        forms::doEvents();
        if (tick(f)) {
            f.Combo1->setTwipTop(kYearListBesideMonths);
            f.Combo1->addItem(QString::number(kFirstTickYear));
            f.Combo1->addItem(QString::number(kLastTickYear));
            selectYear(*f.Combo1, drawYear(app.random, DataKind::Tick));
            app.random.randomize();
            f.Combo2->setText(
                monthName(f.OptMonth->value() ? drawMonth(app.random) : drawQuarterStart(app.random)));
        } else {
            f.Combo1->setTwipTop(kYearListBesidePrompt);
            addDailyYears(*f.Combo1);
            f.Combo1->repaint();
            forms::doEvents();
            app.random.randomize();
            selectYear(*f.Combo1, drawYear(app.random, DataKind::Daily));
        }
    }
    f.setEnabled(true);
}

void ComboBoxDisplay(frmTimePeriod &f, App &app)
{
    f.Combo1->clear();
    if (tick(f)) {
        f.Combo1->addItem(QString::number(kLastTickYear));
        f.Combo1->addItem(QString::number(kFirstTickYear));
    } else {
        addDailyYears(*f.Combo1);
    }
    f.Combo2->clear();
    if (f.OptMonth->value()) {
        for (const QString &month : monthNames())
            f.Combo2->addItem(month);
        if (tick(f)) {
            app.random.randomize();
            f.Combo2->setText(monthName(drawMonth(app.random)));
        }
    } else {
        for (const QString &month : quarterStartNames())
            f.Combo2->addItem(month);
        app.random.randomize();
        f.Combo2->setText(monthName(drawQuarterStart(app.random)));
    }
    if (tick(f)) {
        f.Combo1->setTwipTop(kYearListBesideMonths);
        selectYear(*f.Combo1, drawYear(app.random, DataKind::Tick));
    } else {
        f.Combo1->setTwipTop(kYearListBesidePrompt);
        selectYear(*f.Combo1, drawYear(app.random, DataKind::Daily));
    }
    if (f.OptDaily->value())
        f.Combo2->setText(monthName(1));
}

std::optional<QString> beginRefusal(const frmTimePeriod &f)
{
    if (!f.OptNovice->value() && !f.OptExpert->value())
        return QStringLiteral("Please choose a level: Novice or Expert.");
    if (chosenLength(f) == GameLengthOption::None)
        return QStringLiteral("Please choose a game length: One Month, One Quarter or One Year.");
    if (!f.OptDaily->value() && !f.OptTick->value())
        return QStringLiteral("Please choose the data: Daily or Tick.");
    if (!f.optSelect[0]->value())
        return std::nullopt;
    const std::optional<int> year = listedYear(f);
    if (!year || !periodStart(*year, 1))
        return QStringLiteral("Please select a year for the time period.");
    if (tick(f) && monthNumber(f.Combo2->text()) == 0)
        return QStringLiteral("Please select a month for the time period.");
    return std::nullopt;
}

void cmdBegin_Click(frmTimePeriod &f, App &app)
{
    if (const std::optional<QString> refusal = beginRefusal(f)) {
        ShowNotification(app, QStringLiteral("Trader Notification"), *refusal, QString(), 1);
        return;
    }
    Halvern &w = app.main();
    GameSettings &settings = app.state.settings;
    forms::doEvents();
    f.setVisible(false);
    f.repaint();
    settings.gameStarted = true;
    int startMonth = 0;
    settings.optionsChosen = 1;
    app.random.randomize();

    if (f.optSelect[0]->value()) {
        startMonth = tick(f) ? monthNumber(f.Combo2->text()) : 1;
        settings.gameYear = static_cast<int16_t>(listedYear(f).value_or(0));
        settings.startDate = periodStart(settings.gameYear, startMonth).value_or(settings.startDate);
    }
    if (f.optSelect[1]->value()) {
        if (tick(f)) {
            app.random.randomize();
            startMonth = drawTickStartMonth(app.random, f.OptMonth->value() ? GameLengthOption::OneMonth
                                                                            : GameLengthOption::OneQuarter);
            settings.gameYear = static_cast<int16_t>(drawYear(app.random, DataKind::Tick));
        } else {
            startMonth = 1;
            settings.gameYear = static_cast<int16_t>(drawYear(app.random, DataKind::Daily));
        }
        settings.startDate = periodStart(settings.gameYear, startMonth).value_or(settings.startDate);
        w.btnNewsHist->setVisible(true);
    }

    if (f.OptMonth->value())
        settings.endDate = periodEnd(settings.startDate, GameLengthOption::OneMonth);
    if (f.OptQuarter->value())
        settings.endDate = periodEnd(settings.startDate, GameLengthOption::OneQuarter);
    if (f.OptYear->value())
        settings.endDate = periodEnd(settings.startDate, GameLengthOption::OneYear);

    resetChartOptions(f, app);
    LevelDetailChecker(f, app);
    forms::doEvents();
    chooseChartedInstrument(f, app);
    if (app.state.clock.tradeDay == 0)
        w.lblMaxSelected->setCaption(QString());
    w.btnChangePeriod->setEnabled(true);
}

void LevelDetailChecker(frmTimePeriod &f, App &app)
{
    Halvern &w = app.main();
    GameSettings &settings = app.state.settings;
    for (forms::MenuItem *item : {w.mnuLevel[0], w.mnuLevel[2], w.mnuGameLength[2], w.mnuGameLength[3],
                                  w.mnuGameLength[4], w.mnuDat[0], w.mnuDat[1], w.mnuNews[0], w.mnuNews[1]})
        item->setChecked(false);

    if (f.OptNovice->value()) {
        w.mnuLevel[0]->setChecked(true);
        settings.level = Level::Novice;
    }
    if (f.OptExpert->value()) {
        w.mnuLevel[2]->setChecked(true);
        settings.level = Level::Expert;
    }
    const struct {
        OptionButton *option;
        int16_t item;
        GameLengthOption length;
    } lengths[] = {{f.OptMonth, 2, GameLengthOption::OneMonth},
                   {f.OptQuarter, 3, GameLengthOption::OneQuarter},
                   {f.OptYear, 4, GameLengthOption::OneYear}};
    for (const auto &length : lengths) {
        if (length.option->value()) {
            w.mnuGameLength[length.item]->setChecked(true);
            settings.gameLength = gameLengthPeriods(length.length);
            settings.lengthOption = length.length;
        }
    }
    if (f.OptDaily->value()) {
        w.mnuDat[0]->setChecked(true);
        settings.dataType = DataKind::Daily;
    }
    if (f.OptTick->value()) {
        w.mnuDat[1]->setChecked(true);
        settings.dataType = DataKind::Tick;
    }
    if (f.OptAnnual->value())
        w.mnuNews[0]->setChecked(true);
    if (f.OptDayReports->value())
        w.mnuNews[1]->setChecked(true);
}

} // namespace timeperiod

void connectTimePeriod(frmTimePeriod &f, App &app)
{
    using namespace timeperiod;
    f.setLoadHandler([&f, &app] { Form_Load(f, app); });
    f.setActivateHandler([&f, &app] { Form_Activate(f, app); });
    f.setUnloadHandler([&f, &app](int16_t &cancel) { Form_Unload(f, app, cancel); });
    f.cmdBegin->setClickHandler([&f, &app] { cmdBegin_Click(f, app); });
    f.cmdReset->setClickHandler([&f, &app] { cmdReset_Click(f, app); });
    for (int i = 0; i < kGameOptionCount; ++i) {
        const auto option = static_cast<GameOption>(i);
        optionButton(f, option).setClickHandler([&f, &app, option] { OptionClick(f, app, option); });
    }
    f.optSelect.setClickHandler([&f, &app](int16_t index) { optSelect_Click(f, app, index); });
}

} // namespace tarvello
