#include "flow/ui/LevelSelected.h"

#include "windows/frmLevelSelected.h"

#include "state/GameState.h"
#include "windows/App.h"
#include "windows/Halvern.h"

namespace tarvello {

using namespace forms::colors;

namespace levelselected {

void Form_Load(frmLevelSelected &f, App &app)
{
    if (app.state.settings.level == Level::Novice) {
        f.lblMaxGameLength->setCaption(QStringLiteral("One Quarter"));
        f.lblDataType->setCaption(QStringLiteral("Daily"));
        f.lblNewsOptions->setCaption(QStringLiteral("Annual Summary"));
        return;
    }
    f.lblMaxGameLength->setCaption(QStringLiteral("One Year"));
    const bool tick = app.main().mnuDat[1]->checked();
    f.lblDataType->setCaption(tick ? QStringLiteral("Tick") : QStringLiteral("Daily"));
    f.lblNewsOptions->setCaption(tick ? QStringLiteral("Daily Reports") : QStringLiteral("Annual Reports"));
}

} // namespace levelselected

void connectLevelSelected(frmLevelSelected &f, App &app)
{
    f.setLoadHandler([&f, &app] { levelselected::Form_Load(f, app); });
}

} // namespace tarvello
