// shell.cpp: handing a file or an address to the system's default handler.
#include "storage/shell.h"

#include "platform/platform.h"

bool openWithShell(BWString pathOrAddress)
{
    return !pathOrAddress.isEmpty() && platformOpenUrl(pathOrAddress.chars());
}
