// The sprite sheet on the SpriteSurface, and the two copies every sprite is
// drawn with. Win32 only.
#pragma once
#include <windows.h>

// Makes the sheet (compatible with the Backbuffer's bitmap), copies every
// loaded sheet picture to its place and leaves the sheet selected in the
// SpriteSurface for the program's life. The Backbuffer keeps its bitmap.
void ComposeSpriteSheet();

// A picture copied as it is to (x, y); of the rectangle named only the
// picture's own pixels are copied.
void CopySprite(int id, int x, int y, int width, int height);

// The whole picture stretched onto the rectangle with a raster operation.
void StretchSprite(int id, int x, int y, int width, int height, DWORD rop);
