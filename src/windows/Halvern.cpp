#include "windows/Halvern.h"

#include <QPainter>

namespace tarvello {

namespace {

using forms::ComboBox;
using forms::ComboStyle;
using forms::Justify;
using forms::TextBox;
using forms::TwipRect;
using forms::VbColor;

using namespace forms::colors;

// How a label looks at design, by its part on the screen.
enum class Look {
    Caption,   // fixed caption: white, left-aligned
    Value,     // filled by the game: yellow, right-aligned
    ValueLeft, // a value that reads from the left: yellow, left-aligned
    Position,  // position captions: cyan
    Mark,      // instrument names of the market panel: white, painting their own background
};

struct LabelRow {
    Halvern::Label *Halvern::*member;
    const char *name;
    const char *caption;
    TwipRect rect;
    Look look;
    bool visible = true;
};

// Every label of the window, in drawing order.
const LabelRow kLabels[] = {
    {&Halvern::GameName, "GameName", "Tarvello", {0, 0, 2775, 375}, Look::Caption},
    {&Halvern::labelscore, "labelscore", "Score:", {6480, 120, 852, 252}, Look::Caption},
    {&Halvern::lblScore, "lblScore", "", {7440, 150, 1335, 360}, Look::Value},
    {&Halvern::LabelDay, "LabelDay", "Day 1:", {0, 600, 1455, 255}, Look::Caption},
    {&Halvern::lblDay, "lblDay", "", {1440, 600, 1215, 255}, Look::Value},
    {&Halvern::labelTime, "labelTime", "Time:", {0, 840, 1455, 255}, Look::Caption},
    {&Halvern::lblTradeTime, "lblTradeTime", "", {1440, 840, 1215, 255}, Look::Value},
    {&Halvern::labelAV, "labelAV", "Account Value:", {0, 1200, 1335, 255}, Look::Caption},
    {&Halvern::lblEq, "lblEq", "", {1440, 1200, 1215, 255}, Look::Value},
    {&Halvern::labelGL, "labelGL", "Gain / Loss (%):", {0, 1440, 1455, 255}, Look::Caption},
    {&Halvern::lblPercentGL, "lblPercentGL", "", {1440, 1440, 1215, 255}, Look::Value},
    {&Halvern::labelRPL, "labelRPL", "Realized P(L):", {0, 1680, 1335, 255}, Look::Caption},
    {&Halvern::lblRPL, "lblRPL", "", {1440, 1680, 1215, 255}, Look::Value},
    {&Halvern::LabelUPL, "LabelUPL", "Unrealized P(L):", {0, 1920, 1455, 255}, Look::Caption},
    {&Halvern::lblUPL, "lblUPL", "", {1440, 1920, 1215, 255}, Look::Value},
    {&Halvern::LabelLiab, "LabelLiab", "Future Reqs.:", {0, 2400, 1455, 255}, Look::Caption},
    {&Halvern::lblLIAB, "lblLIAB", "", {1440, 2400, 1215, 255}, Look::Value},
    {&Halvern::LabelAM, "LabelAM", "Margin Excess:", {0, 2640, 1575, 255}, Look::Caption},
    {&Halvern::lblAvailMarg, "lblAvailMarg", "", {1440, 2640, 1215, 255}, Look::Value},
    {&Halvern::LabelCM, "LabelCM", "Cash Margin (%):", {0, 2880, 1455, 255}, Look::Caption},
    {&Halvern::lblPosMargPercent, "lblPosMargPercent", "", {1440, 2880, 1215, 255}, Look::Value},
    {&Halvern::LabelTotTrades, "LabelTotTrades", "Total Trades:", {0, 3360, 1335, 255}, Look::Caption, false},
    {&Halvern::lblTotTrades, "lblTotTrades", "", {1440, 3360, 1215, 255}, Look::Value},
    {&Halvern::LabelMaxiPos, "LabelMaxiPos", "Maximum Transaction:", {0, 3600, 1935, 255}, Look::Caption},
    {&Halvern::lblMaxSelected, "lblMaxSelected", "", {1920, 3600, 735, 255}, Look::Value},
    {&Halvern::LabelPosition, "LabelPosition", "Current Position:", {120, 4080, 2415, 315}, Look::Position},
    {&Halvern::labelOilPos, "labelOilPos", "Oil", {240, 4440, 1095, 255}, Look::Position},
    {&Halvern::lblOilPos, "lblOilPos", "", {1440, 4440, 975, 255}, Look::Value, false},
    {&Halvern::LabelGoldPos, "LabelGoldPos", "Gold", {240, 4800, 1095, 255}, Look::Position, false},
    {&Halvern::lblGoldPos, "lblGoldPos", "", {1560, 4800, 975, 255}, Look::Value, false},
    {&Halvern::LabelTBondPos, "LabelTBondPos", "T-Bond", {240, 5160, 1095, 255}, Look::Position, false},
    {&Halvern::lblTBondPos, "lblTBondPos", "", {1560, 5160, 975, 255}, Look::Value, false},
    {&Halvern::LabelSP500Pos, "LabelSP500Pos", "SP500", {240, 5520, 1095, 255}, Look::Position, false},
    {&Halvern::lblSP500Pos, "lblSP500Pos", "", {1560, 5520, 975, 255}, Look::Value, false},
    {&Halvern::LabelCattlePos, "LabelCattlePos", "Cattle", {240, 5880, 1095, 255}, Look::Position, false},
    {&Halvern::lblCattlePos, "lblCattlePos", "", {1560, 5880, 975, 255}, Look::Value, false},
    {&Halvern::LabelSoybeanPos, "LabelSoybeanPos", "Soybean", {240, 6240, 1095, 255}, Look::Position, false},
    {&Halvern::lblSoybeanPos, "lblSoybeanPos", "", {1560, 6240, 975, 255}, Look::Value, false},
    {&Halvern::CurrMarkBanner,
     "CurrMarkBanner",
     "  Current Market:    (Last Trade  *  Change)",
     {2760, 3325, 6612, 204},
     Look::Caption},
    {&Halvern::LabelOilMark, "LabelOilMark", "Oil", {2880, 3720, 855, 255}, Look::Mark},
    {&Halvern::lblOilCurrMark, "lblOilCurrMark", "", {3960, 3720, 1935, 255}, Look::ValueLeft},
    {&Halvern::LabelGoldMark, "LabelGoldMark", "Gold", {2880, 4200, 855, 255}, Look::Mark, false},
    {&Halvern::lblGoldCurrMark, "lblGoldCurrMark", "", {3960, 4200, 1935, 255}, Look::ValueLeft, false},
    {&Halvern::LabelTBondMark, "LabelTBondMark", "T-Bond", {2880, 4680, 855, 255}, Look::Mark, false},
    {&Halvern::lblTBondCurrMark, "lblTBondCurrMark", "", {3960, 4680, 1935, 255}, Look::ValueLeft, false},
    {&Halvern::LabelSP500Mark, "LabelSP500Mark", "SP500", {6000, 3720, 735, 255}, Look::Mark, false},
    {&Halvern::lblSP500CurrMark, "lblSP500CurrMark", "", {7080, 3720, 2175, 255}, Look::ValueLeft, false},
    {&Halvern::LabelCattleMark, "LabelCattleMark", "Cattle", {6000, 4200, 735, 255}, Look::Mark, false},
    {&Halvern::lblCattleCurrMark, "lblCattleCurrMark", "", {7080, 4200, 2175, 255}, Look::ValueLeft, false},
    {&Halvern::LabelSoybeanMark, "LabelSoybeanMark", "Soybean", {6000, 4680, 735, 255}, Look::Mark, false},
    {&Halvern::lblSoybeanCurrMark, "lblSoybeanCurrMark", "", {7080, 4680, 2175, 255}, Look::ValueLeft, false},
    {&Halvern::lblTraderInput, "lblTraderInput", "Trader Input:", {2760, 5580, 4812, 240}, Look::Caption},
    {&Halvern::promptUnits,
     "promptUnits",
     "Enter Number of Units",
     {2880, 6120, 3372, 252},
     Look::Caption,
     false},
    {&Halvern::lblorderverify, "lblorderverify", "", {3000, 6120, 4452, 252}, Look::ValueLeft, false},
    {&Halvern::promptPrice,
     "promptPrice",
     "Enter Stock Price",
     {3000, 6120, 1572, 252},
     Look::Caption,
     false},
    {&Halvern::inputPrice, "inputPrice", "", {5520, 6120, 972, 252}, Look::Value, false},
    {&Halvern::Label8, "Label8", "Reports:", {7800, 5280, 1095, 200}, Look::Caption, false},
    {&Halvern::LabelNH, "LabelNH", "News History Report:", {2880, 360, 1935, 255}, Look::Caption, false},
    {&Halvern::LabelTH, "LabelTH", "Trade Report History:", {2880, 360, 1935, 255}, Look::Caption, false},
};

struct ShapeRow {
    Halvern::Shape *Halvern::*member;
    const char *name;
    TwipRect rect;
    VbColor border = kCyan;
    bool visible = true;
};

const ShapeRow kShapes[] = {
    {&Halvern::Shape1, "Shape1", {6360, 45, 2655, 450}, kGreen},
    {&Halvern::shpBeginner, "shpBeginner", {120, 4320, 2415, 495}},
    {&Halvern::shpExpert, "shpExpert", {0, 3960, 2655, 2535}, kCyan, false},
    {&Halvern::shpBegMark, "shpBegMark", {2760, 3600, 6615, 615}},
    {&Halvern::shpExpMark, "shpExpMark", {2760, 3600, 6615, 1575}, kBlue, false},
    {&Halvern::ShapeNextPeriod, "ShapeNextPeriod", {2760, 5880, 4092, 612}},
    {&Halvern::shapeTradeCentral, "shapeTradeCentral", {2760, 5880, 4812, 612}, kCyan, false},
    {&Halvern::Shape3, "Shape3", {7800, 5520, 1575, 975}},
    {&Halvern::Shape2, "Shape2", {2760, 720, 6615, 855}, kCyan, false},
};

struct ButtonRow {
    Halvern::CommandButton *Halvern::*member;
    const char *name;
    const char *caption;
    TwipRect rect;
    bool visible = true;
    bool enabled = true;
};

// In drawing order: "T&rade History" lies in front of "&News History", and the order-entry buttons
// in front of the report buttons whose places they share.
const ButtonRow kButtons[] = {
    {&Halvern::btnOil, "btnOil", "&Oil", {2880, 3720, 975, 375}, false},
    {&Halvern::btnGold, "btnGold", "&Gold", {2880, 4200, 975, 375}, false},
    {&Halvern::btnTBond, "btnTBond", "&T-Bond", {2880, 4680, 975, 375}, false},
    {&Halvern::btnSp500, "btnSp500", "&SP500", {6000, 3720, 975, 375}, false},
    {&Halvern::btnCattle, "btnCattle", "&Cattle", {6000, 4200, 975, 375}, false},
    {&Halvern::btnSoybean, "btnSoybean", "Soy&bean", {6000, 4680, 975, 375}, false},
    {&Halvern::btnBuy, "btnBuy", "&Buy", {3000, 6000, 1452, 372}, false},
    {&Halvern::btnChangePeriod, "btnChangePeriod", "&Forward", {3120, 6000, 1452, 372}, true, false},
    {&Halvern::btnSell, "btnSell", "&Sell", {4440, 6000, 1452, 372}, false},
    {&Halvern::btnTrade, "btnTrade", "&Trade", {5040, 6000, 1452, 372}, true, false},
    {&Halvern::btnHold, "btnHold", "&Hold", {5880, 6000, 1452, 372}, false},
    {&Halvern::btnNewsHist, "btnNewsHist", "&News History", {7920, 6000, 1335, 375}, true, false},
    {&Halvern::btnTradeHist, "btnTradeHist", "T&rade History", {7920, 5640, 1335, 375}, true, false},
    {&Halvern::btnYes, "btnYes", "&Enter Order", {7920, 5640, 1332, 372}, false},
    {&Halvern::btnNo, "btnNo", "&Cancel Order", {7920, 6000, 1335, 375}, false},
    {&Halvern::btnCloseNewsHist, "btnCloseNewsHist", "&Close News Report", {5160, 2400, 1812, 372}, false},
    {&Halvern::btnCloseTradeHistory,
     "btnCloseTradeHistory",
     "&Close Trade Report",
     {5161, 2400, 1812, 372},
     false},
};

void applyLook(forms::Label &label, Look look)
{
    switch (look) {
    case Look::Caption:
        label.setColors(kBlack, kWhite);
        break;
    case Look::Value:
        label.setColors(kBlack, kYellow);
        label.setJustify(Justify::Right);
        break;
    case Look::ValueLeft:
        label.setColors(kBlack, kYellow);
        break;
    case Look::Position:
        label.setColors(kBlack, kCyan);
        break;
    case Look::Mark:
        label.setColors(kBlack, kWhite);
        label.setOpaque(true);
        break;
    }
}

// The window's own icon: the game's name colours, yellow on blue.
QIcon makeIcon()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(forms::toQColor(kBlue));
    QPainter painter(&pixmap);
    painter.setPen(forms::toQColor(kYellow));
    QFont font = forms::toQFont({QStringLiteral("MS Sans Serif"), 18.0f, true});
    painter.setFont(font);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QStringLiteral("T"));
    return QIcon(pixmap);
}

} // namespace

Halvern::Halvern() : Form(QStringLiteral("Halvern"), 9450, 6555)
{
    setCaption(QStringLiteral("Morvaine"));
    setFontSpec({QStringLiteral("MS Sans Serif"), 8.25f, true});
    setBackColor(kBlack);
    setForeColor(kWhite);
    setWindowIcon(makeIcon());
    buildLabels();
    buildShapes();
    buildOtherControls();
    buildButtons();
    buildMenus();
}

void Halvern::buildLabels()
{
    for (const LabelRow &row : kLabels) {
        auto *label = new Label(client(), QString::fromLatin1(row.name), QString::fromLatin1(row.caption));
        label->setTwipRect(row.rect);
        applyLook(*label, row.look);
        label->setVisible(row.visible);
        this->*row.member = label;
    }
    // The labels that differ from their kind.
    GameName->setFontSpec({QStringLiteral("Tahoma"), 14.25f, true});
    GameName->setColors(kBlue, kYellow);
    GameName->setJustify(Justify::Center);
    GameName->setOpaque(true);
    labelscore->setFontSpec({QStringLiteral("MS Sans Serif"), 12.0f, true});
    labelscore->setBackColor(kGray); // transparent, so the colour does not show
    CurrMarkBanner->setBackColor(kGray);
    LabelOilMark->setJustify(Justify::Center);
    lblorderverify->setOpaque(true);
    inputPrice->setColors(kWhite, forms::kSysWindowText);
    inputPrice->setOpaque(true);
    for (Label *title : {LabelNH, LabelTH}) {
        title->setColors(kVeryDarkRed, kYellow);
        title->setOpaque(true);
    }
}

void Halvern::buildShapes()
{
    for (const ShapeRow &row : kShapes) {
        auto *shape = new Shape(client(), QString::fromLatin1(row.name));
        shape->setTwipRect(row.rect);
        shape->setBorderColor(row.border);
        shape->setBackColor(kBlack);
        shape->setVisible(row.visible);
        this->*row.member = shape;
    }
}

void Halvern::buildOtherControls()
{
    // The left chart shows prices, where a 0 is an empty bar part; on the indicator chart 0 is a value.
    GraphLeft = new graph::ChartControl(client(), QStringLiteral("GraphLeft"),
                                        QStringLiteral("Open-High-Low-Close"), true);
    GraphLeft->setTwipRect({2760, 600, 3255, 2655});
    GraphRight = new graph::ChartControl(client(), QStringLiteral("GraphRight"),
                                         QStringLiteral("Moving Average"), false);
    GraphRight->setTwipRect({6120, 600, 3255, 2655});

    cboCommodity = new ComboBox(client(), QStringLiteral("cboCommodity"), ComboStyle::DropDownCombo,
                                QStringLiteral("cboCommodity"));
    cboCommodity->setTwipRect({3240, 240, 1935, 315});

    // The two report grids share one place over the charts.
    newsgrid = new grid::Grid(client(), QStringLiteral("newsgrid"));
    TradeGrid = new grid::Grid(client(), QStringLiteral("TradeGrid"));
    for (grid::Grid *report : {newsgrid, TradeGrid}) {
        report->setTwipRect({3000, 840, 6100, 1452});
        report->setFontSpec({QStringLiteral("MS Sans Serif"), 8.25f, true});
        report->setVisible(false);
    }

    inputUnits = new TextBox(client(), QStringLiteral("inputUnits"), QStringLiteral("Text1"));
    inputUnits->setTwipRect({5760, 6050, 1356, 300});
    inputUnits->setBackColor(kWhite);
    inputUnits->setVisible(false);
}

void Halvern::buildButtons()
{
    for (const ButtonRow &row : kButtons) {
        auto *button =
            new CommandButton(client(), QString::fromLatin1(row.name), QString::fromLatin1(row.caption));
        button->setTwipRect(row.rect);
        button->setVisible(row.visible);
        button->setEnabled(row.enabled);
        this->*row.member = button;
    }
}

} // namespace tarvello
