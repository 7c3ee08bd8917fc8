#include "render/board_objects.h"

BoardObjects Board;
HWND BoardWindow;

const int kPictureIds[kPictureCount] = {
    104, 113, 116, 117, 118, 119, 120, 121, 122, 123, 124, 125, 126, 127, 128, 129,
    130, 131, 132, 133, 134, 135, 136, 137, 138, 139, 140, 141, 142, 147, 148, 150,
    151, 152, 153, 154, 155, 156, 157, 158, 159, 160, 161, 162, 163, 164, 165, 166,
};

int PictureSlot(int resourceId) {
    for (int i = 0; i < kPictureCount; i++) {
        if (kPictureIds[i] == resourceId)
            return i;
    }
    return -1;
}

HBITMAP Picture(int resourceId) {
    int slot = PictureSlot(resourceId);
    return slot < 0 ? NULL : Board.Pictures[slot];
}

void CreateBoardPens() {
    // Solid pens, in this order; the chart picks one per line and span.
    Board.WeightPenThick = CreatePen(PS_SOLID, 4, RGB(255, 255, 0));
    Board.TargetPen = CreatePen(PS_SOLID, 2, RGB(255, 128, 64));
    Board.MarkerPenLarge = CreatePen(PS_SOLID, 8, RGB(255, 128, 128));
    Board.WeightPenMedium = CreatePen(PS_SOLID, 2, RGB(255, 255, 0));
    Board.WeightPenThin = CreatePen(PS_SOLID, 1, RGB(255, 255, 0));
    Board.MarkerPenMedium = CreatePen(PS_SOLID, 6, RGB(255, 128, 128));
    Board.MarkerPenSmall = CreatePen(PS_SOLID, 4, RGB(255, 128, 128));
    Board.UnderweightPen = CreatePen(PS_SOLID, 1, RGB(128, 128, 255));
    Board.OverweightPen = CreatePen(PS_SOLID, 1, RGB(255, 128, 128));
    Board.IdealGainPen = CreatePen(PS_SOLID, 2, RGB(200, 200, 200));
    // The trend, under the weight line: thin chalk of a colour of its own.
    Board.TrendPen = CreatePen(PS_SOLID, 1, RGB(128, 255, 255));
}
