// page_life.cpp: where the program can be ended without notice, and the call that warns of it.
#include "platform/platform.h"

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

namespace {

struct EndingState {
#ifdef __EMSCRIPTEN__
    bool endsWithoutNotice = true;
#else
    bool endsWithoutNotice = false;
#endif
    PlatformEndingHandler handler = nullptr;
    void* user = nullptr;
};

EndingState ending;

} // namespace

bool platformEndsWithoutNotice()
{
    return ending.endsWithoutNotice;
}

void platformSetEndsWithoutNotice(bool endsWithoutNotice)
{
    ending.endsWithoutNotice = endsWithoutNotice;
}

void platformSetEndingHandler(PlatformEndingHandler handler, void* user)
{
    ending.handler = handler;
    ending.user = user;
}

void platformAnnounceEnding()
{
    if (ending.handler) {
        ending.handler(ending.user);
    }
}

#ifdef __EMSCRIPTEN__
// The page calls this (sdl_web.js) while the program waits between messages, then writes the
// records folder back to IndexedDB.
extern "C" EMSCRIPTEN_KEEPALIVE void pellix_page_may_end()
{
    platformAnnounceEnding();
}

void platformSetTyping(bool typing)
{
    EM_ASM({ Module['pellixTyping'] = !!$0; }, typing);
}
#else
void platformSetTyping(bool) {}
#endif
