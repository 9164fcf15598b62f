#pragma once

#include <cstdint>

namespace tarvello::forms {

// Lets the pending window events run once (repaints, clicks already queued), as long loops do so that
// the screen keeps up. A disabled window is not drawn here: its drawing waits until it is enabled, so
// that a procedure that locks it draws it once, not at every yield.
void doEvents();

class Form;

// Lets the pending window events run as doEvents does, but leaves the drawing of `window` (enabled or
// not) to the next yield or event loop: for a procedure that yields again, its window changed further
// in between, so that the window is drawn once, as it stands at the end.
void doEventsDrawingLater(const Form &window);

// The screen's mouse pointer. These are settings, not a stack: Default always gives the normal pointer
// back, however often Hourglass was set.
enum class MousePointer : int16_t { Default = 0, Hourglass = 11 };
void setMousePointer(MousePointer pointer);
MousePointer mousePointer();

} // namespace tarvello::forms
