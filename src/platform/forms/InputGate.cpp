#include "platform/forms/InputGate.h"

#include "platform/forms/Control.h"
#include "platform/forms/Form.h"
#include "platform/forms/MenuItem.h"

#include <QGuiApplication>
#include <QPointer>
#include <QWindow>

namespace tarvello::forms {

namespace {

// A modal window stands in front of every window but itself and the windows it owns.
bool behindModalWindow(const QWidget &widget)
{
    const QWindow *modal = QGuiApplication::modalWindow();
    if (!modal)
        return false;
    for (const QWindow *window = widget.window()->windowHandle(); window;
         window = window->transientParent()) {
        if (window == modal)
            return false;
    }
    return true;
}

} // namespace

// The rule itself, for every kind of input: `offered` is whether what the input is for is shown and
// takes input; `placed` is the widget whose window a modal window may stand in front of.
class InputGate {
public:
    static bool run(bool offered, const QWidget &placed, const std::function<void()> &procedure)
    {
        if (!offered || behindModalWindow(placed))
            return false;
        // The procedure may unload the window, which then goes later: only a window still there
        // counts down.
        const QPointer<Form> form = owningForm(&placed);
        if (form && form->runningProcedure())
            return false;
        if (form)
            ++form->proceduresRunning_;
        if (procedure)
            procedure();
        if (form)
            --form->proceduresRunning_;
        return true;
    }
};

bool runInput(const QWidget &control, const std::function<void()> &procedure)
{
    const auto *own = dynamic_cast<const Control *>(&control);
    const bool shown = own ? own->visible() : control.isVisible();
    return InputGate::run(shown && takesInput(control), control, procedure);
}

bool runInput(const MenuItem &item, const std::function<void()> &procedure)
{
    return InputGate::run(item.reachable(), *item.window(), procedure);
}

bool runInput(const Form &window, const std::function<void()> &procedure)
{
    return InputGate::run(window.visible() && window.enabled(), window, procedure);
}

} // namespace tarvello::forms
