#include "account/AccountPanel.h"

#include "account/InstrumentRules.h"
#include "account/Margin.h"
#include "account/ProfitLoss.h"
#include "common/Formats.h"
#include "common/VbMath.h"

namespace tarvello {

namespace {

QString positionLabel(Instrument i)
{
    return QStringLiteral("lbl%1Pos").arg(keyText(i));
}

} // namespace

QString dollarsText(double value)
{
    return QStringLiteral("$") + vb::format(value, u"standard");
}

std::vector<LabelCaption> ShowPositions(GameState &state, int16_t tradeDay)
{
    if (tradeDay == 0) {
        for (Instrument i : kInstrumentOrder)
            state.book(i).position = 0.0f;
    }
    std::vector<LabelCaption> captions;
    for (Instrument i : kInstrumentOrder) {
        float &position = state.book(i).position;
        position = static_cast<float>(vb::roundFormat(position, u"#,##0"));
        captions.push_back({positionLabel(i), vb::format(position, u"#,##0")});
    }
    return captions;
}

AccountPanelTexts accountDisplay(GameState &state, int16_t tradeDay)
{
    AccountState &account = state.account;
    AccountPanelTexts texts;
    texts.lblEq = vb::format(account.accountValue, u"Standard");
    if (account.startingCapital != 0.0f) {
        const double gain =
            (static_cast<double>(account.accountValue) - account.startingCapital) / account.startingCapital;
        texts.lblPercentGL = vb::format(vb::toSingle(gain), u"Percent");
    }
    texts.lblRPL = vb::format(account.realizedPL, u"Standard");
    texts.lblUPL = vb::format(account.unrealizedPL, u"Standard");
    MarginRequirement(state);
    texts.lblLIAB = vb::format(account.marginRequirementTotal, u"standard");
    texts.positions = ShowPositions(state, tradeDay);
    UpdateMarginRoom(state);
    texts.lblAvailMarg =
        vb::format(static_cast<double>(account.accountValue) - account.marginRequirementTotal, u"standard");
    account.score = vb::toSingle(account.unrealizedPL + account.realizedPL);
    texts.lblScore = dollarsText(account.realizedPL + account.unrealizedPL);
    texts.lblTotTrades = QString::number(account.totalTrades);
    texts.lblPosMargPercent = CountAndRecalcExposure(state);
    return texts;
}

std::vector<LabelCaption> AccountPanelTexts::captions() const
{
    std::vector<LabelCaption> all{{QStringLiteral("lblEq"), lblEq}};
    if (lblPercentGL)
        all.push_back({QStringLiteral("lblPercentGL"), *lblPercentGL});
    all.push_back({QStringLiteral("lblRPL"), lblRPL});
    all.push_back({QStringLiteral("lblUPL"), lblUPL});
    all.push_back({QStringLiteral("lblLIAB"), lblLIAB});
    all.push_back({QStringLiteral("lblPosMargPercent"), lblPosMargPercent});
    all.insert(all.end(), positions.begin(), positions.end());
    all.push_back({QStringLiteral("lblAvailMarg"), lblAvailMarg});
    all.push_back({QStringLiteral("lblScore"), lblScore});
    all.push_back({QStringLiteral("lblTotTrades"), lblTotTrades});
    return all;
}

} // namespace tarvello
