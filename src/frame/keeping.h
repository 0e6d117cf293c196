// keeping.h: keeping records where the program can be ended at any moment without notice.
//
// A browser page is reloaded, closed or discarded in the background without a chance to finish
// a nested loop, so there what the program keeps is written as it changes, paced so that quick
// changes cost one write a second; and the page itself writes the records as they stood at the
// last frame when it is hidden, frozen or left (storage.h, keepSettingOnEnding).
#pragma once

// True where the program can be ended without notice (the browser).
bool keepsAsItGoes();

// On the desktop the program is ended without notice when its display goes away (the X session
// ended): keep(user) then writes what the program's normal end would write, and it must not
// touch the window. Null for none.
void setLostDisplayKeeper(void (*keep)(void* user), void* user);

// A record written as it changes, at most once a second: a change a second or more after the
// last write is due at once, a later one as soon as that second is over, so every change is
// written within a second (and a frame, as the loop looks once a frame).
class PacedWrite {
public:
    void changed() { pending_ = true; }
    // Nothing waits to be written any more.
    void forget() { pending_ = false; }
    // A change waits and the last write is a second old, on the frame's clock.
    bool due() const;
    // Call after writing.
    void written();

private:
    bool pending_ = false;
    bool everWritten_ = false;
    double lastWrite_ = 0.0;
};
