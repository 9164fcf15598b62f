#pragma once

namespace tarvello {

struct App;

// The one orderly way out of the program: closes help and the price database, then ends the program.
// In the game it does not return; under a test's program end it returns and the caller returns too.
void ExitGame(App &app);

} // namespace tarvello
