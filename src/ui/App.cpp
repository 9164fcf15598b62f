#include "ui/App.h"

#include "platform/forms/FormRegistry.h"
#include "ui/Halvern.h"

namespace tarvello {

Halvern &App::main() const
{
    return forms.get<Halvern>();
}

} // namespace tarvello
