#pragma once

#include "common/Services.h"

namespace tarvello::forms {

// The game's program end: ends the process at once with the given code, from any depth of nested
// modal windows. The caller has done its own clean-up (help closed, database closed) before.
class ProcessEnd final : public ProgramEnd {
public:
    [[noreturn]] void end(int code = 0) override;
    bool ended() const override { return false; } // nothing runs after end()
};

} // namespace tarvello::forms
