#include "windows/DisclaimerWindow.h"

namespace tarvello {

using namespace forms::colors;

frmDisclaimer::frmDisclaimer() : Form(QStringLiteral("frmDisclaimer"), 5175, 5280)
{
    setCaption(QStringLiteral("Disclaimer Statement"));
    setFixedDialogBorder();
    setFontSpec({QStringLiteral("MS Sans Serif"), 8.25f, true});
    setBackColor(kGray);
    // Made in tab order: "&Agree" first, so that it has the focus when the window opens.
    btnClose = new forms::CommandButton(client(), QStringLiteral("btnClose"), QStringLiteral("&Agree"));
    btnClose->setTwipRect({0, 4560, 1500, 495});
    btnExit = new forms::CommandButton(client(), QStringLiteral("btnExit"), QStringLiteral("&Disagree"));
    btnExit->setTwipRect({0, 4560, 1500, 495});
    txtNewsDisplay = new forms::MultiLineTextBox(client(), QStringLiteral("txtNewsDisplay"));
    txtNewsDisplay->setTwipRect({120, 120, 4935, 4215});
    txtNewsDisplay->setForeColor(kRed);
    btnClose->setFocus();
}

} // namespace tarvello
