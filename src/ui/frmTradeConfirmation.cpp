#include "ui/frmTradeConfirmation.h"

namespace tarvello {

namespace {

// The colours of the black scheme, the screen's design scheme: yellow on magenta.
constexpr forms::VbColor kMagenta = 0xFF00FF;
constexpr forms::VbColor kYellow = 0x00FFFF;

} // namespace

frmTradeConfirmation::frmTradeConfirmation() : Form(QStringLiteral("frmTradeConfirmation"), 5640, 480)
{
    setCaption(QStringLiteral("Electronic Mail:  Trade Confirmation"));
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
