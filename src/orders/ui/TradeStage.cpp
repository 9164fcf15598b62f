#include "orders/ui/TradeStage.h"

#include "account/InstrumentRules.h"
#include "charts/ui/ChartServices.h"
#include "flow/ui/LevelLayout.h"
#include "orders/TradeStageLayout.h"
#include "state/GameState.h"
#include "windows/App.h"
#include "windows/Halvern.h"

#include <QHash>
#include <QPointer>

namespace tarvello {

namespace {

forms::Control *controlAmong(const QList<QWidget *> &widgets)
{
    for (QWidget *widget : widgets) {
        if (auto *c = dynamic_cast<forms::Control *>(widget))
            return c;
    }
    return nullptr;
}

// A window's control names are unique. Most controls sit on the window itself: they are looked for
// there first, and the search goes down into frames only for the others.
forms::Control *searchControl(Halvern &w, const QString &name)
{
    if (forms::Control *c =
            controlAmong(w.client()->findChildren<QWidget *>(name, Qt::FindDirectChildrenOnly)))
        return c;
    return controlAmong(w.client()->findChildren<QWidget *>(name));
}

// The stages name the same few dozen controls at every period, and a search goes through every
// control of the window; a control found is remembered while it lives on this window.
forms::Control *control(Halvern &w, const QString &name)
{
    static QHash<QString, QPointer<QWidget>> found;
    if (const QPointer<QWidget> known = found.value(name); known && w.isAncestorOf(known))
        return dynamic_cast<forms::Control *>(known.data());
    forms::Control *c = searchControl(w, name);
    if (c)
        found.insert(name, &c->widget());
    return c;
}

// Each instrument's market name label and button, by slot: Cattle, Gold, Oil, SP500, Soybean, TBond.
const struct {
    forms::Label *Halvern::*mark;
    forms::CommandButton *Halvern::*button;
} kInstrumentControls[kInstrumentCount] = {
    {&Halvern::LabelCattleMark, &Halvern::btnCattle},   {&Halvern::LabelGoldMark, &Halvern::btnGold},
    {&Halvern::LabelOilMark, &Halvern::btnOil},         {&Halvern::LabelSP500Mark, &Halvern::btnSp500},
    {&Halvern::LabelSoybeanMark, &Halvern::btnSoybean}, {&Halvern::LabelTBondMark, &Halvern::btnTBond},
};

void apply(App &app, Halvern &w, const StageStep &step)
{
    using Op = StageStep::Op;
    switch (step.op) {
    case Op::ShowGraphs:
        ShowGraphs(app);
        return;
    case Op::ShowReportsPanel:
        ShowReportsPanel(w, app.state);
        return;
    case Op::EnableMainWindow:
        w.setEnabled(true);
        return;
    case Op::RecolourMarketLabels:
        recolourMarketLabels(w);
        return;
    default:
        break;
    }
    forms::Control *c = control(w, step.control);
    Q_ASSERT_X(c, "SetTradeStage", qPrintable(step.control));
    if (!c)
        return;
    switch (step.op) {
    case Op::Show:
        c->setVisible(true);
        break;
    case Op::Hide:
        c->setVisible(false);
        break;
    case Op::Enable:
        c->setEnabled(true);
        break;
    case Op::Disable:
        c->setEnabled(false);
        break;
    case Op::SetCaption:
        if (auto *label = dynamic_cast<forms::Label *>(c))
            label->setCaption(step.text);
        break;
    case Op::ClearText:
        if (auto *box = dynamic_cast<forms::TextBox *>(c))
            box->setText(QString());
        break;
    case Op::Focus:
        c->setFocus();
        break;
    default:
        break;
    }
}

} // namespace

void SetTradeStage(App &app, TradeStage stage)
{
    GameState &state = app.state;
    const StageContext context{state.clock.tradeDay, state.clock.restartMode, state.clock.advanceInProgress,
                               state.account.totalTrades, state.news.newsEventCount};
    Halvern &w = app.main();
    for (const StageStep &step : SetTradeStage(state, stage, context))
        apply(app, w, step);
}

void SetTradeStage(App &app, QStringView stage)
{
    if (const auto known = tradeStageFromName(stage))
        SetTradeStage(app, *known);
}

forms::Label *marketLabel(Halvern &w, Instrument instrument)
{
    return w.*kInstrumentControls[slotOf(instrument)].mark;
}

forms::CommandButton *instrumentButton(Halvern &w, Instrument instrument)
{
    return w.*kInstrumentControls[slotOf(instrument)].button;
}

void recolourMarketLabels(Halvern &w)
{
    const auto colours = marketLabelColours(static_cast<int32_t>(w.backColor()));
    if (!colours)
        return;
    for (Instrument i : kInstrumentOrder)
        marketLabel(w, i)->setForeColor(static_cast<forms::VbColor>(colours->fore));
    for (Instrument i : kInstrumentOrder)
        marketLabel(w, i)->setBackColor(static_cast<forms::VbColor>(colours->back));
}

} // namespace tarvello
