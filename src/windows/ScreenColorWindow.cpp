#include "windows/ScreenColorWindow.h"

namespace tarvello {

using namespace forms::colors;

frmScreenColor::frmScreenColor() : Form(QStringLiteral("frmScreenColor"), 2985, 2715)
{
    setFixedDialogBorder();
    setCaption(QStringLiteral("Screen Color"));
    setFontSpec({QStringLiteral("MS Sans Serif"), 8.25f, true});
    setBackColor(kBlack);
    const auto makeOption = [this](const char *name, const char *caption, int top, forms::VbColor fore) {
        auto *option =
            new forms::OptionButton(client(), QString::fromLatin1(name), QString::fromLatin1(caption));
        option->setTwipRect({0, top, 2052, 492});
        option->setBackColor(kBlack);
        option->setForeColor(fore);
        return option;
    };
    optBlack = makeOption("optBlack", "Black Background", 360, kWhite);
    Command1 = new forms::CommandButton(client(), QStringLiteral("Command1"), QStringLiteral("OK"));
    Command1->setTwipRect({0, 2160, 975, 375});
    Command1->setBackColor(kGray);
    optGray = makeOption("optGray", "Gray Background", 840, kYellow);
    optMono = makeOption("optMono", "Monochrome Screen", 1320, kWhite);
    optBlack->setValue(true);
}

} // namespace tarvello
