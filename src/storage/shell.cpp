// shell.cpp: handing a file or an address to the system's default handler.
#include "storage/storage.h"

#include "platform/platform.h"

// Apart from the records, so that programs that only keep records need no platform layer.
bool openWithShell(BWString pathOrAddress)
{
    return !pathOrAddress.isEmpty() && platformOpenUrl(pathOrAddress.chars());
}
