#pragma once

#include "common/Services.h"
#include "common/VbDate.h"

namespace tarvello::test {

// A clock that reads whatever the test sets (10 December 2026, noon, unless told otherwise).
class FixedClock final : public ClockService {
public:
    double now() const override { return serial; }
    double serial = vb::toSerial(2026, 12, 10) + 0.5;
};

} // namespace tarvello::test
