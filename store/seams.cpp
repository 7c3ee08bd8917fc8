// The seams themselves; empty until the platform (or a test) fills them.
#include "store/file_access.h"
#include "store/platform.h"

PlatformSeams Platform;
FileSeams Files;
