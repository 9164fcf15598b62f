#pragma once

#include <functional>

class QWidget;

namespace tarvello::forms {

class Form;
class MenuItem;

// The one rule for every event procedure that input from the window system starts: a click, a key, a
// pick of an option, a check box or a list item, a menu command, a window's own click. The procedure
// runs only if, at that moment, what the input is for is shown and takes input, no modal window stands
// in front of its window and no other procedure that input started on the same window is running;
// while it runs, its window takes no other. Input that fails the rule is dropped, never kept for later:
// a click that comes late (to a control hidden or disabled since, or behind a window shown since), or
// that reaches the window while one of its procedures lets events run, does nothing.
//
// Only input comes here: a procedure that calls another directly, or code that sets a value whose
// change runs a procedure, runs it at once.
//
// Each returns whether the input was taken, whether or not there was a procedure to run.

// Input to a control: "shown" is the control's own Visible flag, "takes input" Qt's enabling with the
// window's own Enabled flag (takesInput).
bool runInput(const QWidget &control, const std::function<void()> &procedure);
// A menu command, or the opening of a menu: the item and every menu above it are shown and enabled.
bool runInput(const MenuItem &item, const std::function<void()> &procedure);
// A click on the window itself: the window is shown and enabled.
bool runInput(const Form &window, const std::function<void()> &procedure);

} // namespace tarvello::forms
