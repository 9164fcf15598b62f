#include "news/ui/EconomicNewsStoryWindow.h"

#include "ui/App.h"
#include "ui/Halvern.h"
#include "ui/Schemes.h"

namespace tarvello {

using namespace forms::colors;

frmEconomicNewsStory::frmEconomicNewsStory() : Form(QStringLiteral("frmEconomicNewsStory"), 4800, 3000)
{
    setFixedDialogBorder();
    Label1 = new forms::Label(client(), QStringLiteral("Label1"));
    Label1->setTwipRect({240, 240, 4320, 2040});
    btnOK = new forms::CommandButton(client(), QStringLiteral("btnOK"), QStringLiteral("OK"));
    btnOK->setTwipRect({1914, 2460, 972, 372});
}

namespace newsstory {

void Form_Load(frmEconomicNewsStory &w, App &app)
{
    const ColorPair pair =
        app.main().backColor() == kWhite ? ColorPair{kBlack, kGray} : ColorPair{kYellow, kVeryDarkRed};
    colorWindow(w, pair, {w.Label1});
}

} // namespace newsstory

} // namespace tarvello
