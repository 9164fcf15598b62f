#include "windows/CustomWindow.h"

namespace tarvello {

using namespace forms::colors;

frmCustom::frmCustom() : Form(QStringLiteral("frmCustom"), 4215, 3675)
{
    setFixedDialogBorder();
    const auto makeLabel = [this](const char *name, const forms::TwipRect &rect) {
        auto *label = new forms::Label(client(), QString::fromLatin1(name));
        label->setTwipRect(rect);
        label->setJustify(forms::Justify::Center);
        label->setOpaque(true);
        label->setForeColor(kYellow);
        label->setBackColor(kBlue);
        return label;
    };
    Label3 = makeLabel("Label3", {360, 240, 3492, 252}); // a coloured band above the notice
    lblTop = makeLabel("lblTop", {360, 480, 3492, 1932});
    lblTop->setFontSpec({QStringLiteral("MS Sans Serif"), 12.0f, true});
    lblBottom = makeLabel("lblBottom", {360, 2400, 3492, 732});
    cmdOK = new forms::CommandButton(client(), QStringLiteral("cmdOK"), QStringLiteral("OK"));
    cmdOK->setTwipRect({1560, 3240, 972, 372});
}

} // namespace tarvello
