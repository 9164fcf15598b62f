#include "shell/ui/Schemes.h"

#include "orders/TradeStageLayout.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"
#include "windows/Halvern.h"

#include <array>
#include <initializer_list>

namespace tarvello {

using namespace forms::colors;
using forms::VbColor;

namespace {

using LabelMember = forms::Label *Halvern::*;
using ShapeMember = forms::Shape *Halvern::*;

// One colour per scheme, in the order Black, Gray, Monochrome.
using PerScheme = std::array<VbColor, 3>;
VbColor pick(const PerScheme &colours, Scheme scheme)
{
    return colours[static_cast<size_t>(scheme)];
}

// A group of labels that one row of the table colours. A group without a background keeps its own.
struct LabelGroup {
    std::initializer_list<LabelMember> labels;
    PerScheme fore;
    std::optional<PerScheme> back;
};

const LabelGroup kLabelGroups[] = {
    // Caption labels
    {{&Halvern::LabelDay, &Halvern::labelTime, &Halvern::labelAV, &Halvern::labelRPL, &Halvern::LabelUPL,
      &Halvern::labelscore, &Halvern::LabelTotTrades, &Halvern::labelGL, &Halvern::LabelCM, &Halvern::LabelAM,
      &Halvern::LabelLiab, &Halvern::Label8, &Halvern::CurrMarkBanner, &Halvern::lblTraderInput,
      &Halvern::LabelMaxiPos},
     {kWhite, kBlack, kBlack},
     PerScheme{kBlack, kGray, kWhite}},
    // The order prompts change their text only.
    {{&Halvern::promptPrice, &Halvern::promptUnits}, {kWhite, kBlack, kBlack}, std::nullopt},
    // Position captions
    {{&Halvern::LabelPosition, &Halvern::labelOilPos, &Halvern::LabelGoldPos, &Halvern::LabelTBondPos,
      &Halvern::LabelSP500Pos, &Halvern::LabelCattlePos, &Halvern::LabelSoybeanPos},
     {kCyan, kBlack, kBlack},
     PerScheme{kBlack, kGray, kWhite}},
    // Value labels, positions and quotes
    {{&Halvern::lblEq,
      &Halvern::lblRPL,
      &Halvern::lblUPL,
      &Halvern::lblScore,
      &Halvern::lblTotTrades,
      &Halvern::lblPercentGL,
      &Halvern::lblPosMargPercent,
      &Halvern::lblAvailMarg,
      &Halvern::lblLIAB,
      &Halvern::lblMaxSelected,
      &Halvern::lblDay,
      &Halvern::lblTradeTime,
      &Halvern::lblorderverify,
      &Halvern::lblOilPos,
      &Halvern::lblGoldPos,
      &Halvern::lblTBondPos,
      &Halvern::lblSP500Pos,
      &Halvern::lblCattlePos,
      &Halvern::lblSoybeanPos,
      &Halvern::lblOilCurrMark,
      &Halvern::lblGoldCurrMark,
      &Halvern::lblTBondCurrMark,
      &Halvern::lblSP500CurrMark,
      &Halvern::lblCattleCurrMark,
      &Halvern::lblSoybeanCurrMark},
     {kYellow, kBlue, kBlack},
     PerScheme{kBlack, kGray, kWhite}},
    // The title
    {{&Halvern::GameName}, {kYellow, kYellow, kBlack}, PerScheme{kBlue, kBlue, kGray}},
};

struct ShapeGroup {
    std::initializer_list<ShapeMember> shapes;
    PerScheme border;
};

const ShapeGroup kFrameShapes[] = {
    {{&Halvern::shpBeginner, &Halvern::shpExpert, &Halvern::shpBegMark}, {kCyan, kBlue, kBlack}},
    {{&Halvern::shpExpMark}, {kBlue, kBlue, kBlack}},
    {{&Halvern::Shape1}, {kGreen, kGreen, kBlack}},
    {{&Halvern::Shape2, &Halvern::Shape3}, {kCyan, kBlue, kBlack}},
};

const std::array<LabelMember, 6> kMarkLabels = {&Halvern::LabelOilMark,    &Halvern::LabelGoldMark,
                                                &Halvern::LabelTBondMark,  &Halvern::LabelSP500Mark,
                                                &Halvern::LabelCattleMark, &Halvern::LabelSoybeanMark};

} // namespace

std::optional<Scheme> schemeOf(VbColor mainBackColor)
{
    switch (mainBackColor) {
    case kBlack:
        return Scheme::Black;
    case kGray:
        return Scheme::Gray;
    case kWhite:
        return Scheme::Mono;
    default:
        return std::nullopt;
    }
}

VbColor schemeBackColor(Scheme scheme)
{
    return pick({kBlack, kGray, kWhite}, scheme);
}
VbColor schemeForeColor(Scheme scheme)
{
    return pick({kWhite, kBlack, kBlack}, scheme);
}

VbColor levelShapeColor(Scheme scheme, Level level)
{
    return level == Level::Novice ? pick({kCyan, kBlue, kBlack}, scheme)
                                  : pick({kRed, kDarkRed, kBlack}, scheme);
}

void ApplyLabelColors(Halvern &w, Scheme scheme)
{
    // Text colours first, then backgrounds, as the screen has always been repainted.
    for (const LabelGroup &group : kLabelGroups)
        for (LabelMember label : group.labels)
            (w.*label)->setForeColor(pick(group.fore, scheme));
    for (const LabelGroup &group : kLabelGroups)
        if (group.back)
            for (LabelMember label : group.labels)
                (w.*label)->setBackColor(pick(*group.back, scheme));
}

void ApplyFrameShapeColors(Halvern &w, Scheme scheme)
{
    for (const ShapeGroup &group : kFrameShapes)
        for (ShapeMember shape : group.shapes)
            (w.*shape)->setBorderColor(pick(group.border, scheme));
}

void ApplyReportPanelColors(Halvern &w, Scheme scheme)
{
    // The score caption takes the report panel's background, except in gray, where it keeps the
    // captions' gray.
    if (scheme == Scheme::Black)
        w.labelscore->setBackColor(kVeryDarkRed);
    else if (scheme == Scheme::Mono)
        w.labelscore->setBackColor(kGray);

    const ColorPair headings = scheme == Scheme::Mono
                                   ? ColorPair{kBlack, kGray}
                                   : ColorPair{kYellow, scheme == Scheme::Black ? kVeryDarkRed : kBlue};
    const ColorPair tradeGrid = scheme == Scheme::Mono ? ColorPair{kBlack, kGray} : ColorPair{kYellow, kBlue};
    const ColorPair newsGrid =
        scheme == Scheme::Mono ? ColorPair{kBlack, kGray} : ColorPair{kYellow, kVeryDarkRed};
    const std::pair<forms::Control *, ColorPair> panel[] = {
        {w.LabelTH, headings}, {w.LabelNH, headings}, {w.TradeGrid, tradeGrid}, {w.newsgrid, newsGrid}};
    for (const auto &[control, pair] : panel)
        control->setBackColor(pair.back);
    for (const auto &[control, pair] : panel)
        control->setForeColor(pair.fore);
}

void CarryMarkLabels(Halvern &w, Scheme scheme)
{
    const bool oldIsMono = w.backColor() == kWhite;
    const auto plain = marketLabelColours(static_cast<int32_t>(schemeBackColor(scheme)));
    const auto marked = selectedMarketLabelColours(static_cast<int32_t>(schemeBackColor(scheme)));
    for (LabelMember member : kMarkLabels) {
        forms::Label &label = *(w.*member);
        const VbColor back = label.backColor();
        // Gray is the plain colour of the gray scheme and the marked colour of the monochrome one.
        const bool isMarked = back == kYellow || back == kCyan || (back == kGray && oldIsMono);
        const LabelColours &colours = isMarked ? *marked : *plain;
        label.setForeColor(static_cast<VbColor>(colours.fore));
        label.setBackColor(static_cast<VbColor>(colours.back));
    }
}

std::vector<std::pair<GraphColorSetting, int16_t>> graphSchemeSettings(Scheme scheme)
{
    using enum GraphColorSetting;
    if (scheme == Scheme::Mono)
        return {{ChartColor, 0}, {SelectionNumber, 7}, {ItemColor, 0},  {ItemNumber, 0}, {ItemColor, 0},
                {ItemNumber, 6}, {ItemColor, 0},       {ItemNumber, 4}, {ItemColor, 0}};
    return {{ChartColor, 14}, {ItemColor, 15}, {SelectionNumber, 1}, {ItemNumber, 0}, {ItemColor, 15},
            {ItemNumber, 6},  {ItemColor, 15}, {ItemNumber, 4},      {ItemColor, 15}};
}

void colorWindow(forms::Form &window, ColorPair pair, const std::vector<forms::Control *> &controls,
                 const std::vector<forms::Line *> &lines)
{
    window.setForeColor(pair.fore);
    window.setBackColor(pair.back);
    for (forms::Control *control : controls) {
        control->setForeColor(pair.fore);
        control->setBackColor(pair.back);
    }
    for (forms::Line *line : lines)
        line->setBorderColor(pair.fore);
}

} // namespace tarvello
