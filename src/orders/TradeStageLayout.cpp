#include "orders/TradeStageLayout.h"

#include <array>
#include <initializer_list>

namespace tarvello {

namespace {

constexpr std::array<std::pair<TradeStage, const char16_t *>, 6> kNames = {{
    {TradeStage::ChangePeriod, u"ChangePeriod"},
    {TradeStage::Trade, u"Trade"},
    {TradeStage::GetUnits, u"GetUnits"},
    {TradeStage::TradeConfirmation, u"TradeConfirmation"},
    {TradeStage::CorrOrd, u"CorrOrd"},
    {TradeStage::Restart, u"Restart"},
}};

constexpr int32_t kBlack = 0x000000;
constexpr int32_t kGray = 0xC0C0C0;
constexpr int32_t kWhite = 0xFFFFFF;

using Op = StageStep::Op;

class Layout {
public:
    Layout &apply(Op op, std::initializer_list<const char *> controls)
    {
        for (const char *control : controls)
            m_steps.push_back({op, QString::fromLatin1(control), {}});
        return *this;
    }
    Layout &show(std::initializer_list<const char *> controls) { return apply(Op::Show, controls); }
    Layout &hide(std::initializer_list<const char *> controls) { return apply(Op::Hide, controls); }
    Layout &enable(std::initializer_list<const char *> controls) { return apply(Op::Enable, controls); }
    Layout &disable(std::initializer_list<const char *> controls) { return apply(Op::Disable, controls); }
    Layout &caption(const char *control, const QString &text)
    {
        m_steps.push_back({Op::SetCaption, QString::fromLatin1(control), text});
        return *this;
    }
    Layout &call(Op op)
    {
        m_steps.push_back({op, {}, {}});
        return *this;
    }
    std::vector<StageStep> take() { return std::move(m_steps); }

private:
    std::vector<StageStep> m_steps;
};

const QString kTraderInput = QStringLiteral("Trader Input:");

void changePeriod(Layout &l, const StageContext &c)
{
    l.call(Op::RecolourMarketLabels);
    l.hide({"btnYes", "btnNo", "btnBuy", "btnSell", "btnHold", "shapeTradeCentral"});
    l.caption("lblTraderInput", kTraderInput).show({"ShapeNextPeriod"});
    l.hide({"promptUnits", "promptPrice", "inputUnits", "inputPrice", "lblorderverify"})
        .show({"lblTraderInput"});
    l.hide({"TradeGrid"}).call(Op::ShowGraphs);
    if (c.advanceInProgress)
        return; // the period advance lays out "&Forward", "&Trade" and the reports itself
    if (c.restartMode != 1) {
        if (c.tradeDay != 0)
            l.enable({"btnChangePeriod"}).show({"btnChangePeriod"}).enable({"btnTrade"}).show({"btnTrade"});
        else
            l.disable({"btnTrade"});
    }
    if (c.tradeDay > 0) {
        l.call(Op::ShowReportsPanel);
        return;
    }
    l.disable({"btnTradeHist", "btnNewsHist"}).show({"btnChangePeriod", "btnTrade"});
}

void trade(Layout &l, const StageContext &c)
{
    l.hide({"promptUnits", "inputUnits"}).apply(Op::ClearText, {"inputUnits"});
    l.hide({"btnYes", "btnNo", "btnChangePeriod", "btnTrade", "ShapeNextPeriod"})
        .show({"shapeTradeCentral"})
        .hide({"lblorderverify"});
    l.hide({"TradeGrid"}).call(Op::ShowGraphs);
    for (const char *button : {"btnBuy", "btnSell", "btnHold"})
        l.enable({button}).show({button});
    if (c.totalTrades > 0 || c.newsEventCount > 0)
        l.call(Op::ShowReportsPanel);
}

void getUnits(Layout &l)
{
    l.hide({"btnBuy", "btnSell", "btnHold", "ShapeNextPeriod"}).show({"shapeTradeCentral", "promptUnits"});
    l.apply(Op::ClearText, {"inputUnits"}).show({"inputUnits"});
    l.show({"lblTraderInput"}).hide({"lblorderverify", "TradeGrid"});
    l.show({"Shape3"}).hide({"Label8"});
    l.enable({"inputUnits"}).call(Op::EnableMainWindow).apply(Op::Focus, {"inputUnits"});
}

void tradeConfirmation(Layout &l)
{
    l.show({"btnChangePeriod"}).disable({"btnChangePeriod"}).show({"btnTrade"}).disable({"btnTrade"});
    l.hide({"btnBuy", "btnSell", "btnHold"}).show({"ShapeNextPeriod"}).hide({"shapeTradeCentral"});
    l.hide({"promptUnits", "promptPrice", "inputUnits", "inputPrice"});
    l.show({"lblTraderInput"}).hide({"lblorderverify", "TradeGrid"});
}

void corrOrd(Layout &l)
{
    l.hide({"btnChangePeriod"}).disable({"btnChangePeriod"}).hide({"btnTrade"}).disable({"btnTrade"});
    l.hide({"btnBuy", "btnSell", "btnHold", "ShapeNextPeriod"}).show({"shapeTradeCentral"});
    l.hide({"promptUnits", "inputUnits", "promptPrice", "inputPrice"});
    l.caption("lblTraderInput", QStringLiteral("Order Verification:")).show({"lblTraderInput"});
    l.hide({"btnTradeHist", "btnNewsHist"}).hide({"TradeGrid"}).show({"Shape3"});
}

void restart(Layout &l)
{
    l.hide({"btnYes", "btnNo"});
    l.show({"btnChangePeriod", "btnTrade"}).disable({"btnTrade"});
    l.hide({"btnBuy", "btnSell", "btnHold"}).show({"ShapeNextPeriod"}).hide({"shapeTradeCentral"});
    l.hide({"promptUnits", "promptPrice", "inputUnits", "inputPrice"});
    l.show({"lblTraderInput"}).hide({"lblorderverify"});
    l.show({"btnTradeHist", "btnNewsHist"}).hide({"TradeGrid"});
    l.enable({"btnChangePeriod"}).call(Op::EnableMainWindow).apply(Op::Focus, {"btnChangePeriod"});
}

} // namespace

QString tradeStageName(TradeStage stage)
{
    for (const auto &[s, name] : kNames) {
        if (s == stage)
            return QString::fromUtf16(name);
    }
    return {};
}

std::optional<TradeStage> tradeStageFromName(QStringView name)
{
    for (const auto &[stage, text] : kNames) {
        if (name == QStringView(text))
            return stage;
    }
    return std::nullopt;
}

std::vector<StageStep> SetTradeStage(GameState &state, TradeStage stage, const StageContext &context)
{
    Layout layout;
    switch (stage) {
    case TradeStage::ChangePeriod:
        state.order.selectedSecurity.reset();
        changePeriod(layout, context);
        break;
    case TradeStage::Trade:
        trade(layout, context);
        break;
    case TradeStage::GetUnits:
        getUnits(layout);
        break;
    case TradeStage::TradeConfirmation:
        tradeConfirmation(layout);
        break;
    case TradeStage::CorrOrd:
        corrOrd(layout);
        break;
    case TradeStage::Restart:
        restart(layout);
        break;
    }
    return layout.take();
}

std::optional<LabelColours> marketLabelColours(int32_t scheme)
{
    switch (scheme) {
    case kBlack:
        return LabelColours{kWhite, kBlack};
    case kGray:
        return LabelColours{kBlack, kGray};
    case kWhite:
        return LabelColours{kBlack, kWhite};
    default:
        return std::nullopt;
    }
}

std::optional<LabelColours> selectedMarketLabelColours(int32_t scheme)
{
    switch (scheme) {
    case kBlack:
        return LabelColours{kBlack, 0xFFFF00};
    case kGray:
        return LabelColours{kBlack, 0x00FFFF};
    case kWhite:
        return LabelColours{kBlack, kGray};
    default:
        return std::nullopt;
    }
}

} // namespace tarvello
