#include "render/paint_win.h"

#include <string.h>

#include "app/interaction.h"
#include "render/board_objects.h"
#include "render/board_plan.h"
#include "render/board_scale.h"
#include "render/chalk_win.h"
#include "render/chart_win.h"
#include "render/hover_tables.h"
#include "render/sprite_sheet_win.h"
#include "store/platform.h"

namespace {

// The background's month strip as it was before the first paint drew on the
// canvas: the canvas is the background picture itself, and nothing else
// repaints the strip, so a changed month would land on the old digits.
struct MonthStripCopy {
    bool taken;              // the first paint has tried
    bool saved;              // and the strip was read
    BITMAPINFOHEADER header; // kBoardPixelsWide x kMonthStripHeight, bottom-up
    uint32_t pixels[kBoardPixelsWide * kMonthStripHeight];
};
MonthStripCopy MonthStrip;

void SaveMonthStrip(HBITMAP background) {
    BITMAP bm;
    if (!GetObject(background, sizeof bm, &bm) || bm.bmWidth != kBoardPixelsWide ||
        bm.bmHeight != kBoardPixelsHigh)
        return;
    BITMAPINFOHEADER h = {};
    h.biSize = sizeof h;
    h.biWidth = kBoardPixelsWide;
    h.biHeight = kBoardPixelsHigh;
    h.biPlanes = 1;
    h.biBitCount = 32;
    h.biCompression = BI_RGB;
    // Bottom-up scan lines: the strip's lowest row comes first.
    int firstScan = kBoardPixelsHigh - (kMonthStripY + kMonthStripHeight);
    int got = GetDIBits(Board.Backbuffer, background, firstScan, kMonthStripHeight,
                        MonthStrip.pixels, (BITMAPINFO*)&h, DIB_RGB_COLORS);
    h.biHeight = kMonthStripHeight;
    h.biSizeImage = 0;
    MonthStrip.header = h;
    MonthStrip.saved = got == kMonthStripHeight;
}

void RestoreMonthStrip() {
    if (!MonthStrip.saved) {
        SelectObject(Board.Backbuffer, Board.PanelBrush);
        PatBlt(Board.Backbuffer, kMonthStripX, kMonthStripY, kMonthStripWidth, kMonthStripHeight,
               PATCOPY);
        return;
    }
    SetDIBitsToDevice(Board.Backbuffer, kMonthStripX, kMonthStripY, kMonthStripWidth,
                      kMonthStripHeight, kMonthStripX, 0, 0, kMonthStripHeight, MonthStrip.pixels,
                      (BITMAPINFO*)&MonthStrip.header, DIB_RGB_COLORS);
}

void CopyPicture(const PicturePlacement& p) {
    CopySprite(p.id, p.x, p.y, p.width, p.height);
}

void DrawNumber(const ChalkNumberCall& c) {
    DrawChalkNumber(c.value, c.x, c.y, c.scale, c.mode);
}

void PrepareCanvas(const BoardPlan& plan) {
    HBITMAP background = Picture(plan.background);
    if (!MonthStrip.taken) {
        MonthStrip.taken = true;
        SaveMonthStrip(background);
    }
    if (Board.PanelBrush == NULL) // made once, on the first paint
        Board.PanelBrush = CreateSolidBrush(RGB(0, 64, 0));
    SelectObject(Board.Backbuffer, background);
    SelectObject(Board.Backbuffer, Board.PanelBrush);
    PatBlt(Board.Backbuffer, 2, 5, 215, 80, PATCOPY);
}

void DrawDateColumn(const BoardPlan& plan) {
    CopyPicture(plan.dateColumn);
    SetTextColor(Board.Backbuffer, RGB(255, 255, 255));
    SelectObject(Board.Backbuffer, Board.BoardFont);
    RestoreMonthStrip();
    DrawNumber(plan.month);
    DrawNumber(plan.day);
    CopyPicture(plan.weekday);
}

void DrawChart(const BoardPlan& plan) {
    if (!plan.drawChart)
        return;
    PaintedHoverX = plan.paintedHoverX;
    PlotWeightChart(plan.chartSpan, plan.chartMarker, plan.chartScrollBack);
}

// White text with a black outline, one pixel around.
void DrawReadout(const BoardPlan& plan) {
    if (!plan.showReadout)
        return;
    static const POINT kOutline[4] = {{24, 10}, {26, 10}, {24, 9}, {26, 11}};
    const char* text = HoverLabels[plan.readoutColumn];
    int length = (int)strnlen(text, kHoverLabelSize - 1);
    HDC dc = Board.Backbuffer;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    for (const POINT& p : kOutline)
        TextOutA(dc, p.x, p.y, text, length);
    SetTextColor(dc, RGB(255, 255, 255));
    TextOutA(dc, 25, 10, text, length);
    HoverActive = 0;
}

// What the last paint read and drew, for those who describe it afterwards.
PaintRecord Last;

BoardState ReadBoardState() {
    BoardState s;
    s.currentWeight = CurrentWeight;
    s.log = WeightLog;
    s.logCount = Settings.weightdatalen;
    s.height = Settings.height;
    s.today = Platform.localDate();
    s.faceIndex = FaceIndex;
    s.hoverActive = HoverActive;
    s.hoverX = HoverX;
    s.chartSpan = ChartSpan;
    s.scrollBack = ScrollBack;
    s.hoverIndexTable = HoverIndexTable;
    return s;
}

// While a dialog, message box or menu of ours is open, the board repaints
// behind it without taking the foreground: a switch of the foreground ends
// an input method's composition and can lose keys typed meanwhile.
bool MayTakeForeground(HWND window) {
    if (ModalOpen != 0)
        return false;
    HWND front = GetForegroundWindow();
    return front == NULL || front == window ||
           GetWindowThreadProcessId(front, NULL) != GetCurrentThreadId();
}

} // namespace

void CopyBoardToWindow(HDC dc, const RECT& r) {
    int k = BoardScale;
    if (k <= 1) {
        BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, Board.Backbuffer, r.left,
               r.top, SRCCOPY);
        return;
    }
    // Whole blocks only: each board pixel becomes k x k pixels of its own
    // colour, with no blending, so the colour key stays exact.
    ScaleRect b = BoardRectCovering(ScaleRect{r.left, r.top, r.right, r.bottom}, k);
    int w = b.right - b.left, h = b.bottom - b.top;
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, b.left * k, b.top * k, w * k, h * k, Board.Backbuffer, b.left, b.top, w, h,
               SRCCOPY);
}

const PaintRecord& LastPaint() {
    return Last;
}

int PaintBoard(HWND window) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    BoardState state = ReadBoardState();
    BoardPlan plan;
    PlanBoardPaint(state, PaintedHoverX, &plan);
    if (MayTakeForeground(window))
        SetForegroundWindow(window);
    PrepareCanvas(plan);
    CopyPicture(plan.plusButton);
    CopyPicture(plan.minusButton);
    SetStretchBltMode(Board.Backbuffer, COLORONCOLOR);
    DrawNumber(plan.weight);
    DrawNumber(plan.change);
    DrawDateColumn(plan);
    DrawChart(plan);
    CopyPicture(plan.bmiLabel);
    if (plan.drawBmi)
        DrawNumber(plan.bmi);
    CopyPicture(plan.face);
    DrawReadout(plan);
    Last = PaintRecord{true, state, plan};
    CopyBoardToWindow(dc, ps.rcPaint);
    EndPaint(window, &ps);
    return 0;
}
