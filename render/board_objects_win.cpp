#include "render/board_objects.h"

#include <string.h>

#include "render/picture_load_win.h"

BoardObjects Board;

const int kPictureIds[kPictureCount] = {
    104, 113, 116, 117, 118, 119, 120, 121, 122, 123, 124, 125, 126, 127, 128, 129,
    130, 131, 132, 133, 134, 135, 136, 137, 138, 139, 140, 141, 142, 147, 148, 150,
    151, 152, 153, 154, 155, 156, 157, 158, 159, 160, 161, 162, 163, 164, 165, 166,
};

namespace {

void FreeObject(HGDIOBJ object) {
    if (object != NULL)
        DeleteObject(object);
}

} // namespace

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

void LoadBoardPictures(HINSTANCE instance) {
    for (int i = 0; i < kPictureCount; i++)
        Board.Pictures[i] = LoadPicture(instance, kPictureIds[i], Board.Backbuffer);
}

void CreateBoardPens() {
    for (const ChartPenStyle& row : kChartPens)
        Board.Pens[row.pen] = CreatePen(PS_SOLID, row.width, RGB(row.red, row.green, row.blue));
}

HPEN ChartPenHandle(ChartPen pen) {
    return pen >= 0 && pen < kChartPenCount ? Board.Pens[pen] : NULL;
}

void FreeBoardObjects() {
    // The surfaces go first, before any bitmap that may be selected into them.
    DeleteDC(Board.Backbuffer);
    DeleteDC(Board.SpriteSurface);
    FreeObject(Board.BackbufferBitmap);
    FreeObject(Board.SpriteSheet);
    for (HBITMAP picture : Board.Pictures)
        FreeObject(picture);
    for (HPEN pen : Board.Pens)
        FreeObject(pen);
    FreeObject(Board.BoardFont);
    FreeObject(Board.PanelBrush);
    HICON icon = Board.AppIcon;
    HICON trayIcon = Board.TrayIcon;
    HINSTANCE instance = Board.Instance;
    memset(&Board, 0, sizeof Board);
    Board.AppIcon = icon;
    Board.TrayIcon = trayIcon;
    Board.Instance = instance;
}
