// keeping.cpp: where the program can be ended without notice, and the one-write-a-second pace.
#include "frame/keeping.h"

#include "frame/clock.h"
#include "platform/platform.h"

namespace {

constexpr double kWriteInterval = 1.0;

} // namespace

bool keepsAsItGoes()
{
    return platformEndsWithoutNotice();
}

void setLostDisplayKeeper(void (*keep)(void* user), void* user)
{
    platformSetLostDisplayKeeper(keep, user);
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
