// keeping.cpp: the platform's warning that the program may end, and the one-a-second pace.
#include "frame/keeping.h"

#include "frame/clock.h"
#include "platform/platform.h"

#include <utility>

namespace {

constexpr double kWriteInterval = 1.0;

std::function<void()>& endingKeeper()
{
    static std::function<void()> keep;
    return keep;
}

void runEndingKeeper(void*)
{
    if (endingKeeper()) {
        endingKeeper()();
    }
}

} // namespace

bool keepsAsItGoes()
{
    return platformEndsWithoutNotice();
}

void whenProgramMayEnd(std::function<void()> keep)
{
    endingKeeper() = std::move(keep);
    platformSetEndingHandler(endingKeeper() ? runEndingKeeper : nullptr, nullptr);
}

bool PacedWrite::due() const
{
    return pending_ && (!everWritten_ || seconds() - lastWrite_ >= kWriteInterval);
}

void PacedWrite::written()
{
    pending_ = false;
    everWritten_ = true;
    lastWrite_ = seconds();
}
