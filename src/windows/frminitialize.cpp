#include "windows/frminitialize.h"

namespace tarvello {

frminitialize::frminitialize() : Form(QStringLiteral("frminitialize"), 4215, 735)
{
    setCaption(QStringLiteral("Initializing Data"));
    setFixedDialogBorder();
    setFontSpec({QStringLiteral("MS Sans Serif"), 8.25f, true});
    Label1 = new forms::Label(client(), QStringLiteral("Label1"),
                              QStringLiteral("Initializing Data:  please wait"));
    Label1->setTwipRect({0, 240, 4215, 255});
    Label1->setJustify(forms::Justify::Center);
}

} // namespace tarvello
