#pragma once

#include "common/Services.h"

namespace tarvello {

// The machine's own clock.
class SystemClock final : public ClockService {
public:
    double now() const override;
};

} // namespace tarvello
