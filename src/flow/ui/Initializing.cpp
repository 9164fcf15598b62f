#include "flow/ui/Initializing.h"

#include "windows/frminitialize.h"

#include "platform/forms/FormRegistry.h"
#include "windows/App.h"
#include "windows/Halvern.h"

#include <cmath>

namespace tarvello {

namespace initialize {

void Form_Load(frminitialize &f, App &app)
{
    const Halvern &w = app.main();
    // Single-precision twips, as the window's position properties hold them.
    const float top =
        static_cast<float>(w.twipTop()) + static_cast<float>(w.twipHeight() - f.twipHeight()) * 0.5f;
    f.setTwipTop(static_cast<int>(std::lround(top)));
    const float left =
        static_cast<float>(w.twipLeft()) + static_cast<float>(w.twipWidth() - f.twipWidth()) * 0.5f;
    f.setTwipLeft(static_cast<int>(std::lround(left)));
}

void Form_Activate(frminitialize &f, App &app)
{
    f.Label1->setTwipWidth(f.twipWidth());
    using namespace forms::colors;
    switch (app.main().backColor()) {
    case kBlack:
    case kGray:
        f.setForeColor(kYellow);
        f.setBackColor(kMagenta);
        f.Label1->setForeColor(kYellow);
        break;
    case kWhite:
        f.Label1->setForeColor(kBlack);
        break;
    default:
        break;
    }
}

} // namespace initialize

void ShowInitializingWindow(App &app, bool shown)
{
    frminitialize &f = app.forms.get<frminitialize>();
    if (shown)
        f.showModeless();
    else
        f.setVisible(false);
    f.repaint();
}

void connectInitialize(frminitialize &f, App &app)
{
    f.setLoadHandler([&f, &app] { initialize::Form_Load(f, app); });
    f.setActivateHandler([&f, &app] { initialize::Form_Activate(f, app); });
}

} // namespace tarvello
