#include "news/ui/EconomicNewsStory.h"

#include "windows/EconomicNewsStoryWindow.h"

#include "shell/ui/Schemes.h"
#include "windows/App.h"
#include "windows/Halvern.h"

namespace tarvello {

using namespace forms::colors;

namespace newsstory {

void Form_Load(frmEconomicNewsStory &w, App &app)
{
    const ColorPair pair =
        app.main().backColor() == kWhite ? ColorPair{kBlack, kGray} : ColorPair{kYellow, kVeryDarkRed};
    colorWindow(w, pair, {w.Label1});
}

} // namespace newsstory

} // namespace tarvello
