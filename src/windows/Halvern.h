#pragma once

#include "platform/forms/ControlArray.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"
#include "platform/forms/MenuItem.h"
#include "platform/graph/ChartControl.h"
#include "platform/grid/Grid.h"

namespace tarvello {

// The main window: the whole trading screen and the menu tree, in its design state. It holds the
// controls, under their names, and nothing else; the procedures that work on it take it by reference
// (MenuEnabling.h, LevelLayout.h, ...) and MainWindowEvents.h connects its events.
class Halvern : public forms::Form {
    Q_OBJECT
public:
    using Label = forms::Label;
    using CommandButton = forms::CommandButton;
    using Shape = forms::Shape;
    using MenuItem = forms::MenuItem;
    using MenuArray = forms::ControlArray<forms::MenuItem>;

    Halvern();

    // Title and score
    Label *GameName, *labelscore, *lblScore;
    Shape *Shape1;
    // Clock
    Label *LabelDay, *lblDay, *labelTime, *lblTradeTime;
    // Account panel
    Label *labelAV, *lblEq, *labelGL, *lblPercentGL, *labelRPL, *lblRPL, *LabelUPL, *lblUPL;
    Label *LabelLiab, *lblLIAB, *LabelAM, *lblAvailMarg, *LabelCM, *lblPosMargPercent;
    Label *LabelTotTrades, *lblTotTrades, *LabelMaxiPos, *lblMaxSelected;
    // Position panel
    Label *LabelPosition;
    Label *labelOilPos, *lblOilPos, *LabelGoldPos, *lblGoldPos, *LabelTBondPos, *lblTBondPos;
    Label *LabelSP500Pos, *lblSP500Pos, *LabelCattlePos, *lblCattlePos, *LabelSoybeanPos, *lblSoybeanPos;
    Shape *shpBeginner, *shpExpert;
    // Current-market panel
    Label *CurrMarkBanner;
    Label *LabelOilMark, *lblOilCurrMark, *LabelGoldMark, *lblGoldCurrMark, *LabelTBondMark,
        *lblTBondCurrMark;
    Label *LabelSP500Mark, *lblSP500CurrMark, *LabelCattleMark, *lblCattleCurrMark;
    Label *LabelSoybeanMark, *lblSoybeanCurrMark;
    Shape *shpBegMark, *shpExpMark;
    // Instrument buttons
    CommandButton *btnOil, *btnGold, *btnTBond, *btnSp500, *btnCattle, *btnSoybean;
    // Charts: prices on the left, the indicator on the right
    graph::ChartControl *GraphLeft, *GraphRight;
    forms::ComboBox *cboCommodity;
    // Order entry and the period advance
    Label *lblTraderInput;
    Shape *ShapeNextPeriod, *shapeTradeCentral;
    CommandButton *btnBuy, *btnChangePeriod, *btnSell, *btnTrade, *btnHold;
    Label *promptUnits;
    forms::TextBox *inputUnits;
    Label *lblorderverify, *promptPrice, *inputPrice;
    CommandButton *btnYes, *btnNo;
    // Reports
    Label *Label8;
    Shape *Shape3;
    CommandButton *btnTradeHist, *btnNewsHist;
    grid::Grid *newsgrid, *TradeGrid;
    Label *LabelNH, *LabelTH;
    Shape *Shape2;
    CommandButton *btnCloseNewsHist, *btnCloseTradeHistory;

    // Menu tree
    MenuItem *mnuGame, *mnuNewGame, *mnuDisclaimer, *mnuEnd;
    MenuItem *mnuSettings;
    MenuArray mnuLevel{QStringLiteral("mnuLevel")};
    MenuItem *mSep, *mnuData;
    MenuArray mnuDat{QStringLiteral("mnuDat")};
    MenuItem *mnuLength;
    MenuArray mnuGameLength{QStringLiteral("mnuGameLength")};
    MenuItem *mnuSettingsNews;
    MenuArray mnuNews{QStringLiteral("mnuNews")};
    MenuItem *mSep1, *mnuMDisplay;
    MenuArray mnuMaximum{QStringLiteral("mnuMaximum")};
    MenuItem *mnuScreenColor, *mSep2, *mnuGraphOpt;
    MenuArray mnuGraph{QStringLiteral("mnuGraph")};
    MenuItem *mnuGraphType;
    MenuArray mnuGLType{QStringLiteral("mnuGLType")};
    MenuArray mnuGLPrice{QStringLiteral("mnuGLPrice")};
    MenuItem *mSep3;
    MenuArray mnuGRType{QStringLiteral("mnuGRType")};
    MenuArray mnuMoving{QStringLiteral("mnuMoving")};
    MenuArray mnuStoch{QStringLiteral("mnuStoch")};
    MenuItem *mnuZelk, *mnuHowto, *mnuMorvaine;
    MenuItem *mnuHowtoPlay, *mnuInstructions;
    MenuArray mnuDefinitions{QStringLiteral("mnuDefinitions")};
    MenuItem *mnusep4, *mnuEconomicCalendar, *mnuCommission, *mnusep5, *mnuPrint, *mnuSep6, *mnuCustom;
    MenuItem *mnuAboutMorvaine;

private:
    void buildLabels();
    void buildShapes();
    void buildButtons();
    void buildOtherControls();
    void buildMenus();
};

namespace halvern {

// Activate: gives the controls their tooltips, on every activation of the window.
void Form_Activate(Halvern &w);

} // namespace halvern

} // namespace tarvello
