// The drawing objects of the board, created once at start-up and freed once
// at shutdown. Win32 only.
#pragma once
#include <windows.h>

enum { kPictureCount = 48 };

struct BoardObjects {
    HDC Backbuffer;
    HDC SpriteSurface; // holds SpriteSheet from start-up on
    HBITMAP SpriteSheet;
    HBITMAP BackbufferBitmap;
    HBITMAP Pictures[kPictureCount]; // indexed by PictureSlot(resource id)
    HFONT BoardFont;
    HPEN WeightPenThick;
    HPEN TargetPen;
    HPEN MarkerPenLarge;
    HPEN WeightPenMedium;
    HPEN WeightPenThin;
    HPEN MarkerPenMedium;
    HPEN MarkerPenSmall;
    HPEN UnderweightPen;
    HPEN OverweightPen;
    HPEN IdealGainPen;
    HPEN TrendPen;
    HBRUSH PanelBrush; // made on the first paint
    HICON AppIcon;
    HICON TrayIcon; // the small icon size the shell asks for; kept for the run
    HINSTANCE Instance;
};

extern BoardObjects Board;
extern HWND BoardWindow;

// The 48 bitmap resource ids in one fixed order, and the slot of an id in
// Board.Pictures (-1 for an id that is not one of them).
extern const int kPictureIds[kPictureCount];
int PictureSlot(int resourceId);
HBITMAP Picture(int resourceId);

// The ten chart pens and the trend's, created once at start-up.
void CreateBoardPens();
