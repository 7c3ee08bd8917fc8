// weighminder.ini: twelve key=value lines, read by key search.
#pragma once
#include "store/platform.h"
#include "store/store_result.h"

enum { kSettingsBufferSize = 1000 };

// kStoreOk, or kStoreSettingsNotSaved when the file cannot be written.
StoreResult WriteSettings();
// WriteSettings that shows the box when it fails: 0, or -1.
int SaveSettings(OwnerWindow owner);
// 0, or -1 when the file is too large or cannot be read. Then no field
// changes but the count, which is set to the log's capacity so that the log
// reader takes every whole record in taiju.dat.
int LoadSettings(OwnerWindow owner);
