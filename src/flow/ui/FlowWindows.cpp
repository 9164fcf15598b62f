#include "flow/ui/FlowWindows.h"

#include "flow/ui/TimePeriodDialog.h"
#include "flow/ui/frmLevelSelected.h"
#include "flow/ui/frmTimePeriod.h"
#include "flow/ui/frminitialize.h"
#include "platform/forms/FormRegistry.h"
#include "ui/App.h"

namespace tarvello {

void connectGameFlowWindows(App &app)
{
    app.forms.setConnector<frmTimePeriod>([&app](frmTimePeriod &f) { connectTimePeriod(f, app); });
    app.forms.setConnector<frminitialize>([&app](frminitialize &f) { connectInitialize(f, app); });
    app.forms.setConnector<frmLevelSelected>([&app](frmLevelSelected &f) { connectLevelSelected(f, app); });
}

} // namespace tarvello
