#include "windows/EconomicNewsStoryWindow.h"

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

} // namespace tarvello
