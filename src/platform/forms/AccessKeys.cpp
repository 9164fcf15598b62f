#include "platform/forms/AccessKeys.h"

#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

#include <QKeySequence>
#include <QShortcutEvent>

namespace tarvello::forms {

CommandButton *offeredButtonFor(const QWidget &window, const QKeySequence &key)
{
    CommandButton *found = nullptr;
    for (CommandButton *button : window.findChildren<CommandButton *>()) {
        if (!button->visible() || !button->isVisible() || !takesInput(*button) ||
            QKeySequence::mnemonic(button->caption()) != key)
            continue;
        if (found)
            return nullptr;
        found = button;
    }
    return found;
}

bool pressButtonForMenuKey(const QWidget &window, const QShortcutEvent &event)
{
    if (!event.isAmbiguous())
        return false;
    CommandButton *button = offeredButtonFor(window, event.key());
    if (!button)
        return false;
    button->click();
    return true;
}

} // namespace tarvello::forms
