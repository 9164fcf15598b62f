#include "windows/App.h"

#include "platform/forms/FormRegistry.h"
#include "windows/Halvern.h"

namespace tarvello {

Halvern &App::main() const
{
    return forms.get<Halvern>();
}

} // namespace tarvello
