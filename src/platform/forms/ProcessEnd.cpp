#include "platform/forms/ProcessEnd.h"

#include <cstdio>
#include <cstdlib>

namespace tarvello::forms {

void ProcessEnd::end(int code)
{
    // std::exit rather than leaving the event loop: the caller may be inside nested modal loops and
    // must not run on. Output streams are flushed; the windows go with the process.
    std::fflush(nullptr);
    std::exit(code);
}

} // namespace tarvello::forms
