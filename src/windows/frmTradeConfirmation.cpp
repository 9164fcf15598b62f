#include "windows/frmTradeConfirmation.h"

namespace tarvello {

using forms::colors::kMagenta;
using forms::colors::kYellow;

frmTradeConfirmation::frmTradeConfirmation() : Form(QStringLiteral("frmTradeConfirmation"), 5640, 480)
{
    setFixedDialogBorder();
    setCaption(QStringLiteral("Electronic Mail:  Trade Confirmation"));
    // The colours of the black scheme, the screen's design scheme: yellow on magenta.
    setFontSpec({QStringLiteral("MS Sans Serif"), 8.25f, true});
    setBackColor(kMagenta);
    setForeColor(kYellow);

    lblTradeConfirmation = new forms::Label(client(), QStringLiteral("lblTradeConfirmation"));
    lblTradeConfirmation->setTwipRect({0, 120, 5532, 732});
    lblTradeConfirmation->setBackColor(kMagenta);
    lblTradeConfirmation->setForeColor(kYellow);

    Command1 = new forms::CommandButton(client(), QStringLiteral("Command1"), QStringLiteral("OK"));
    Command1->setTwipRect({5760, 0, 255, 495});
    setFocusProxy(Command1);
}

} // namespace tarvello
