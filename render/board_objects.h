// The drawing objects of the board, created once at start-up and freed once
// at shutdown. Win32 only.
#pragma once
#include <windows.h>

#include "render/chart_plan.h"

enum { kPictureCount = 48 };

struct BoardObjects {
    HDC Backbuffer;
    HDC SpriteSurface; // holds SpriteSheet from start-up on
    HBITMAP SpriteSheet;
    HBITMAP BackbufferBitmap;
    HBITMAP Pictures[kPictureCount]; // indexed by PictureSlot(resource id)
    HFONT BoardFont;
    // WeightPenThick, TargetPen, MarkerPenLarge, WeightPenMedium,
    // WeightPenThin, MarkerPenMedium, MarkerPenSmall, UnderweightPen,
    // OverweightPen, IdealGainPen and TrendPen, indexed by ChartPen.
    HPEN Pens[kChartPenCount];
    HBRUSH PanelBrush; // made on the first paint
    HICON AppIcon;
    HICON TrayIcon; // the small icon size the shell asks for; kept for the run
    HINSTANCE Instance;
};

extern BoardObjects Board;

// The 48 bitmap resource ids in one fixed order, and the slot of an id in
// Board.Pictures (-1 for an id that is not one of them).
extern const int kPictureIds[kPictureCount];
int PictureSlot(int resourceId);
HBITMAP Picture(int resourceId);

// Loads every picture in kPictureIds; the Backbuffer holds its
// screen-compatible bitmap by now, and the pictures take its format.
void LoadBoardPictures(HINSTANCE instance);
// Creates the chart's pens, one per row of kChartPens.
void CreateBoardPens();
// The board's pen for a ChartPen.
HPEN ChartPenHandle(ChartPen pen);
// Frees every object above but the icons and the instance; no handle
// outlives its object, so a paint that still comes draws nothing.
void FreeBoardObjects();
