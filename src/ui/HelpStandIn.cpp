// Stand-in for the help commands until the help viewer is built: no help window is ever open, so
// there is nothing to close.
#include "ui/HelpCommands.h"

namespace tarvello {

void CloseHelp(App &) {}

} // namespace tarvello
