// weighminder.ini: twelve key=value lines, read by key search.
#pragma once
#include "store/platform.h"

enum { kSettingsBufferSize = 1000 };

int SaveSettings(OwnerWindow owner); // 0, or -1 when the file cannot be written
// 0, or -1 when the file is too large or cannot be read. Then no field
// changes but the count, which is set to the log's capacity so that the log
// reader takes every whole record in taiju.dat.
int LoadSettings(OwnerWindow owner);
