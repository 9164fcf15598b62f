#pragma once

#include <QString>

#include <cstdint>
#include <functional>

namespace tarvello {

// The effects that tests must control are reached through these small services. The application
// wires the real ones once; a test replaces any of them.

// Randomize / Rnd: a uniform draw in [0, 1) as a Single. Seedable so that tests are repeatable.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void randomize() = 0;              // reseed from the clock
    virtual void seed(uint32_t value) = 0;     // a fixed seed
    virtual float rnd() = 0;                   // [0, 1)
};

// Today's date and the time of day, as a day serial (days since 30 December 1899).
class ClockService {
public:
    virtual ~ClockService() = default;
    virtual double now() const = 0;
};

// Ends the process at once, from any depth of nested modal windows, after the caller's own clean-up.
// The real service never returns. A test's replacement records the request and returns, so every
// caller returns straight after calling it and touches nothing more.
class ProgramEnd {
public:
    virtual ~ProgramEnd() = default;
    virtual void end(int code = 0) = 0;
    virtual bool ended() const = 0;
};

} // namespace tarvello
