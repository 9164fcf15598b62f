#include "flow/ui/FlowWindows.h"

#include "flow/ui/Initializing.h"
#include "flow/ui/LevelSelected.h"
#include "flow/ui/TimePeriodDialog.h"
#include "platform/forms/FormRegistry.h"
#include "windows/App.h"
#include "windows/frmLevelSelected.h"
#include "windows/frmTimePeriod.h"
#include "windows/frminitialize.h"

namespace tarvello {

void connectGameFlowWindows(App &app)
{
    app.forms.setConnector<frmTimePeriod>([&app](frmTimePeriod &f) { connectTimePeriod(f, app); });
    app.forms.setConnector<frminitialize>([&app](frminitialize &f) { connectInitialize(f, app); });
    app.forms.setConnector<frmLevelSelected>([&app](frmLevelSelected &f) { connectLevelSelected(f, app); });
}

} // namespace tarvello
