// shell.h: handing a file or an address to the system's default handler.
#pragma once

#include "base/bw_string.h"

// True when the system accepted it. A null or empty text is refused.
bool openWithShell(BWString pathOrAddress);
