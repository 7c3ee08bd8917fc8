// weighminder.ini: twelve key=value lines, read by key search.
#pragma once
#include "store/platform.h"

enum { kSettingsBufferSize = 1000 };

int SaveSettings(OwnerWindow owner); // 0, or -1 when the file cannot be written
int LoadSettings(OwnerWindow owner); // 0, or -1 when the file is too large
