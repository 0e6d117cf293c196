// held_input.cpp: the held-input list and the recycle list its removed entries wait in.
#include "frame/held_input.h"

#include "frame/loop.h"

namespace {

struct HeldEntry {
    int32_t code = 0;
    HeldKind kind = HeldKind::Key;
    HeldEntry* next = nullptr;
};

HeldEntry* held = nullptr;     // newest first
HeldEntry* recycled = nullptr; // reused before anything new is allocated

HeldEntry* find(int32_t code, HeldKind kind)
{
    for (HeldEntry* entry = held; entry; entry = entry->next) {
        if (entry->code == code && entry->kind == kind) {
            return entry;
        }
    }
    return nullptr;
}

HeldEntry* findKind(HeldKind kind)
{
    for (HeldEntry* entry = held; entry; entry = entry->next) {
        if (entry->kind == kind) {
            return entry;
        }
    }
    return nullptr;
}

void releaseThroughDispatch(int32_t code, HeldKind kind, int32_t x, int32_t y)
{
    if (kind == HeldKind::MouseButton) {
        sendMouseUp(x, y, code);
    } else {
        sendKeyUp(code);
    }
}

void freeList(HeldEntry*& list)
{
    while (list) {
        HeldEntry* next = list->next;
        delete list;
        list = next;
    }
}

int32_t countList(const HeldEntry* list)
{
    int32_t count = 0;
    for (; list; list = list->next) {
        ++count;
    }
    return count;
}

} // namespace

void pressInput(int32_t code, HeldKind kind, int32_t x, int32_t y)
{
    if (find(code, kind)) {
        releaseThroughDispatch(code, kind, x, y);
    }
    HeldEntry* entry = recycled;
    if (entry) {
        recycled = entry->next;
    } else {
        entry = new HeldEntry;
    }
    entry->code = code;
    entry->kind = kind;
    entry->next = held;
    held = entry;
}

bool releaseInput(int32_t code, HeldKind kind, int32_t x, int32_t y)
{
    for (HeldEntry** link = &held; *link; link = &(*link)->next) {
        HeldEntry* entry = *link;
        if (entry->code == code && entry->kind == kind) {
            *link = entry->next;
            entry->next = recycled;
            recycled = entry;
            return true;
        }
    }
    // Each dispatch removes its entry and may run handlers that press or release, so the
    // search starts again from the front every time.
    while (HeldEntry* entry = findKind(kind)) {
        int32_t heldCode = entry->code;
        releaseThroughDispatch(heldCode, kind, x, y);
        if (find(heldCode, kind) == entry) {
            // A handler pressed it again at once; going on would never end.
            break;
        }
    }
    return false;
}

bool isInputHeld(int32_t code, HeldKind kind)
{
    return find(code, kind) != nullptr;
}

void freeHeldInput()
{
    freeList(held);
    freeList(recycled);
}

int32_t heldInputCount()
{
    return countList(held);
}

int32_t recycledInputCount()
{
    return countList(recycled);
}
