// system_font.cpp: what every platform's system font shares.
#include "media/system_font.h"

int32_t pointsToPixels(int32_t pointSize)
{
    return int32_t((int64_t(pointSize) * 96 + 36) / 72);
}
