#include "windows/NotificationBox.h"

namespace tarvello {

using namespace forms::colors;

frmPlayerNotification::frmPlayerNotification() : Form(QStringLiteral("frmPlayerNotification"), 3510, 2220)
{
    setCaption(QStringLiteral("Player Notification"));
    setFixedDialogBorder();
    setFontSpec({QStringLiteral("MS Sans Serif"), 8.25f, true});
    setBackColor(kBlue);

    btnOkay = new forms::CommandButton(client(), QStringLiteral("btnOkay"), QStringLiteral("OK"));
    btnOkay->setTwipRect({1200, 1560, 972, 372});
    ColorScheme = new forms::Label(client(), QStringLiteral("ColorScheme"), QStringLiteral("0"));
    ColorScheme->setTwipRect({2520, 1800, 855, 255});
    ColorScheme->setVisible(false);
    Label1 = new forms::Label(client(), QStringLiteral("Label1"));
    Label1->setTwipRect({120, 120, 3270, 615});
    Label1->setJustify(forms::Justify::Center);
    Label1->setOpaque(true);
    Label1->setBackColor(kBlue);
    Label1->setForeColor(kYellow);
    Label1->setAutoSize(true);
}

} // namespace tarvello
