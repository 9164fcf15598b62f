#include "windows/NewsWindow.h"

namespace tarvello {

using namespace forms::colors;

frmNewsDisplay::frmNewsDisplay() : Form(QStringLiteral("frmNewsDisplay"), 5895, 5175)
{
    setCaption(QStringLiteral("News"));
    setFixedDialogBorder();
    setFontSpec({QStringLiteral("MS Sans Serif"), 8.25f, true});

    btnclose = new forms::CommandButton(client(), QStringLiteral("btnclose"), QStringLiteral("Command1"));
    btnclose->setTwipRect({6000, 4440, 1215, 495});
    txtNewsDisplay = new forms::MultiLineTextBox(client(), QStringLiteral("txtNewsDisplay"));
    txtNewsDisplay->setTwipRect({0, 0, 4935, 4215});
    Labelnews = new forms::Label(client(), QStringLiteral("Labelnews"), QStringLiteral("lblNews"));
    Labelnews->setTwipRect({0, 0, 1215, 495});
    Labelnews->setOpaque(true);
    Labelnews->setScrolls(true); // a story longer than the label's height scrolls rather than lose its end
}

} // namespace tarvello
