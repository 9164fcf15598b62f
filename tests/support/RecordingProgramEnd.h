#pragma once

#include "common/Services.h"

namespace tarvello::test {

// The program end of the tests: records the request and returns, so that the caller returns at once.
class RecordingProgramEnd final : public ProgramEnd {
public:
    void end(int code = 0) override
    {
        ++calls_;
        code_ = code;
    }
    bool ended() const override { return calls_ > 0; }
    int calls() const { return calls_; }
    int code() const { return code_; }

private:
    int calls_ = 0;
    int code_ = 0;
};

} // namespace tarvello::test
