// Bitmap resources loaded as bitmaps compatible with the screen. Win32 only.
#pragma once
#include <windows.h>

// What LoadBitmap does: the packed bitmap resource id made into a bitmap
// compatible with the screen and filled with the resource's pixels. The
// format comes from reference, a memory drawing surface that holds a bitmap
// compatible with the screen (the Backbuffer from start-up on). LoadBitmap
// and a window's drawing context cost about 0.3 ms a picture at start-up
// under Wine, where each call brings the context up to date with the window;
// a memory surface never needs that. NULL when the resource is missing or
// damaged.
HBITMAP LoadPicture(HINSTANCE instance, int id, HDC reference);
