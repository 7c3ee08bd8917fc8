// Times PaintBoard inside the real program: the program's own start
// (RunBoardProgram) brings up the board as always (settings and log from the working folder, every
// drawing object, the window), and once its message loop runs a thread timer
// takes over, paints the board again and again and writes the figures.
//
//   paint_timer [paints] [span] [report file] [samples file]
//                                       (defaults 1000 360 paint-times.txt, none)
//
// The samples file gets every whole PaintBoard in µs, one a line, in the
// order painted, so that several runs can be pooled.
// Besides the whole PaintBoard, its parts are timed on their own: the chart
// (PlotWeightChart on the canvas, and its plan alone), the five chalk
// numbers, the panel fill and the six picture copies, the window call every
// paint makes (bringing the window to the front), the
// bare paint cycle that copies the canvas to the window, and that copy alone
// (enlarged at a higher DPI). LoadLog is timed as well, under Wine.
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>

#include "app/interaction.h"
#include "app/shell_win.h"
#include "render/board_objects.h"
#include "render/chalk_win.h"
#include "render/chart_plan.h"
#include "render/chart_state.h"
#include "render/chart_win.h"
#include "render/paint_win.h"
#include "render/sprite_sheet_win.h"
#include "store/log_file.h"
#include "store/records.h"

namespace {

enum { kMaxPaints = 100000, kWarmUpPaints = 20, kLoads = 20 };

struct Options {
    int paints;
    int span;
    const char* reportPath;
    const char* samplesPath;
};

Options Chosen = {1000, 360, "paint-times.txt", NULL};
double Samples[kMaxPaints];

LARGE_INTEGER Frequency;

double NowUs() {
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return 1e6 * (double)t.QuadPart / (double)Frequency.QuadPart;
}

int CompareDoubles(const void* a, const void* b) {
    double x = *static_cast<const double*>(a), y = *static_cast<const double*>(b);
    return x < y ? -1 : x > y ? 1 : 0;
}

struct Summary {
    double median, p10, p90, mean;
};

Summary Summarize(int n) {
    qsort(Samples, n, sizeof Samples[0], CompareDoubles);
    double sum = 0;
    for (int i = 0; i < n; i++)
        sum += Samples[i];
    Summary s;
    s.median = n % 2 ? Samples[n / 2] : (Samples[n / 2 - 1] + Samples[n / 2]) / 2;
    s.p10 = Samples[n / 10];
    s.p90 = Samples[n * 9 / 10];
    s.mean = sum / n;
    return s;
}

// Lets the window manager's answers in, so the next paint meets a quiet queue
// (the window shape set by a paint asks for another paint of its own).
void PumpMessages() {
    MSG m;
    while (PeekMessageW(&m, NULL, 0, 0, PM_REMOVE)) {
        TranslateMessage(&m);
        DispatchMessageW(&m);
    }
}

Summary TimeWholePaints(HWND window) {
    for (int i = 0; i < Chosen.paints + kWarmUpPaints; i++) {
        InvalidateRect(window, NULL, FALSE);
        double t0 = NowUs();
        PaintBoard(window);
        double t1 = NowUs();
        if (i >= kWarmUpPaints)
            Samples[i - kWarmUpPaints] = t1 - t0;
        PumpMessages();
    }
    FILE* out = Chosen.samplesPath != NULL ? fopen(Chosen.samplesPath, "w") : NULL;
    if (out != NULL) {
        for (int i = 0; i < Chosen.paints; i++)
            fprintf(out, "%.1f\n", Samples[i]);
        fclose(out);
    }
    return Summarize(Chosen.paints);
}

Summary TimeChartAlone() {
    for (int i = 0; i < Chosen.paints; i++) {
        double t0 = NowUs();
        PlotWeightChart(Chosen.span, Settings.weightdatalen - 1, 0);
        Samples[i] = NowUs() - t0;
    }
    return Summarize(Chosen.paints);
}

// The chart's plan alone: the scale, the points and the hover tables.
Summary TimeChartPlan() {
    static ChartPlan plan;
    for (int i = 0; i < Chosen.paints; i++) {
        double t0 = NowUs();
        PlanWeightChart(CurrentChartInput(), Chosen.span, Settings.weightdatalen - 1, 0, &plan);
        Samples[i] = NowUs() - t0;
    }
    return Summarize(Chosen.paints);
}

// The one window call PaintBoard makes on every paint.
Summary TimeWindowCalls(HWND window) {
    for (int i = 0; i < Chosen.paints; i++) {
        double t0 = NowUs();
        SetForegroundWindow(window);
        Samples[i] = NowUs() - t0;
        PumpMessages();
    }
    return Summarize(Chosen.paints);
}

// The five numbers of the board with their places and sizes.
Summary TimeNumbers() {
    SetStretchBltMode(Board.Backbuffer, COLORONCOLOR);
    double change = (CurrentWeight * 10.0 - WeightLog[Settings.weightdatalen - 2].weight) / 10.0;
    double bmi = CurrentWeight * 10000.0 / Settings.height / Settings.height;
    int month = StartupDate.month, day = StartupDate.day;
    for (int i = 0; i < Chosen.paints; i++) {
        double t0 = NowUs();
        DrawChalkNumber(CurrentWeight, 115, 8, 1.0, 0);
        DrawChalkNumber(change, 136, 39, 0.7, 1);
        DrawChalkNumber(month, month >= 10 ? 216 : 212, 3, 0.6, -2);
        DrawChalkNumber(day, day >= 10 ? 216 : 212, 28, 0.6, -2);
        DrawChalkNumber(bmi, 158, 64, 0.6, -1);
        Samples[i] = NowUs() - t0;
    }
    return Summarize(Chosen.paints);
}

// The canvas cleared and the six pictures copied, as every paint does.
Summary TimePictures() {
    static const int kPlaces[6][5] = {{165, 72, 75, 20, 20},  {166, 32, 75, 20, 20},
                                      {151, 221, 16, 31, 80}, {154, 231, 52, 11, 13},
                                      {150, 130, 62, 31, 19}, {152, 210, 64, 30, 28}};
    for (int i = 0; i < Chosen.paints; i++) {
        double t0 = NowUs();
        SelectObject(Board.Backbuffer, Picture(104));
        SelectObject(Board.Backbuffer, Board.PanelBrush);
        PatBlt(Board.Backbuffer, 2, 5, 215, 80, PATCOPY);
        for (const int* p : kPlaces)
            CopySprite(p[0], p[1], p[2], p[3], p[4]);
        Samples[i] = NowUs() - t0;
    }
    return Summarize(Chosen.paints);
}

// BeginPaint, one copy of the whole canvas to the window (enlarged at the
// board's scale), EndPaint.
Summary TimePaintCycle(HWND window) {
    for (int i = 0; i < Chosen.paints; i++) {
        InvalidateRect(window, NULL, FALSE);
        double t0 = NowUs();
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        CopyBoardToWindow(dc, ps.rcPaint);
        EndPaint(window, &ps);
        Samples[i] = NowUs() - t0;
        PumpMessages();
    }
    return Summarize(Chosen.paints);
}

// The copy of the whole canvas to the window alone, enlarged at the board's
// scale: what the enlargement costs, apart from the window's own traffic.
Summary TimeWindowCopy(HWND window) {
    HDC dc = GetDC(window);
    RECT whole;
    GetClientRect(window, &whole);
    for (int i = 0; i < Chosen.paints; i++) {
        double t0 = NowUs();
        CopyBoardToWindow(dc, whole);
        GdiFlush();
        Samples[i] = NowUs() - t0;
    }
    ReleaseDC(window, dc);
    return Summarize(Chosen.paints);
}

// The log read again from the working folder, as start-up reads it.
Summary TimeLoadLog(int loads) {
    int32_t count = Settings.weightdatalen;
    for (int i = 0; i < loads; i++) {
        Settings.weightdatalen = count;
        double t0 = NowUs();
        LoadLog();
        Samples[i] = NowUs() - t0;
    }
    Settings.weightdatalen = count;
    return Summarize(loads);
}

void WriteLine(FILE* out, const char* name, Summary s) {
    fprintf(out, "%s median_us=%.1f p10_us=%.1f p90_us=%.1f mean_us=%.1f\n", name, s.median, s.p10,
            s.p90, s.mean);
}

// What the timed paints left on the canvas: the chart's weight line and the
// cleared writing area. Figures of a board that was not drawn are worthless.
int ChartPixels() {
    int n = 0;
    for (int y = 10; y <= 80; y++)
        for (int x = 5; x <= 125; x++)
            n += (GetPixel(Board.Backbuffer, x, y) & 0xFFFFFF) == RGB(255, 255, 0);
    return n;
}

void CALLBACK RunTimings(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(NULL, id);
    HWND window = FindWindowW(L"weighminder", NULL);
    ChartSpan = Chosen.span;
    HoverActive = 0;
    Summary whole = TimeWholePaints(window);
    int chartPixels = ChartPixels();
    int cleared = (GetPixel(Board.Backbuffer, 126, 66) & 0xFFFFFF) == RGB(0, 64, 0);
    Summary chart = TimeChartAlone();
    Summary plan = TimeChartPlan();
    Summary numbers = Settings.weightdatalen >= 2 ? TimeNumbers() : Summary{};
    Summary pictures = TimePictures();
    Summary calls = TimeWindowCalls(window);
    Summary cycle = TimePaintCycle(window);
    Summary copy = TimeWindowCopy(window);
    Summary load = TimeLoadLog(kLoads);
    FILE* out = fopen(Chosen.reportPath, "w");
    if (out != NULL) {
        fprintf(out, "paints=%d span=%d entries=%d scale=%d\n", Chosen.paints, Chosen.span,
                (int)Settings.weightdatalen, (int)BoardScale);
        fprintf(out, "canvas chart_pixels=%d cleared=%d\n", chartPixels, cleared);
        WriteLine(out, "PaintBoard", whole);
        WriteLine(out, "PlotWeightChart", chart);
        WriteLine(out, "ChartPlan", plan);
        WriteLine(out, "ChalkNumbers", numbers);
        WriteLine(out, "Pictures", pictures);
        WriteLine(out, "WindowCalls", calls);
        WriteLine(out, "PaintCycle", cycle);
        WriteLine(out, "WindowCopy", copy);
        WriteLine(out, "LoadLog", load);
        fclose(out);
    }
    PostMessageW(window, WM_CLOSE, 0, 0);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    if (__argc > 1)
        Chosen.paints = atoi(__argv[1]);
    if (__argc > 2)
        Chosen.span = atoi(__argv[2]);
    if (__argc > 3)
        Chosen.reportPath = __argv[3];
    if (__argc > 4)
        Chosen.samplesPath = __argv[4];
    if (Chosen.paints < 10 || Chosen.paints > kMaxPaints || Chosen.span < 2)
        return 2;
    QueryPerformanceFrequency(&Frequency);
    // Fires from inside the product's message loop, once the board stands.
    SetTimer(NULL, 0, 200, RunTimings);
    return RunBoardProgram(instance, showCommand);
}
