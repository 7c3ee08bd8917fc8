// Which file the resource script names for a bitmap id, read from the
// script itself (res/pictures.rc) and the id header (res/resource.h).
#pragma once

#include "tests/res/image_files.h"

// Number of BITMAP statements in the script.
int ScriptBitmapCount();

// The file named for the bitmap with this decimal id; nullptr when none.
const char* ScriptBitmapFile(int id);

// Reads the picture the script names for this id.
bool LoadScriptBitmap(int id, Image* out);
