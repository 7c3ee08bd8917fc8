#include "render/thin_stroke.h"

namespace {

bool Between(int32_t a, int32_t b, int32_t c) {
    return (a < b && b < c) || (a > b && b > c);
}

// b lies strictly between a and c on one row or one column.
bool Interior(const ChartPoint& a, const ChartPoint& b, const ChartPoint& c) {
    if (a.y == b.y && b.y == c.y)
        return Between(a.x, b.x, c.x);
    if (a.x == b.x && b.x == c.x)
        return Between(a.y, b.y, c.y);
    return false;
}

} // namespace

int32_t ReduceThinStroke(ChartPoint* points, int32_t count) {
    if (count <= 0)
        return 0;
    int32_t kept = 1;
    for (int32_t i = 1; i < count; i++) {
        ChartPoint p = points[i];
        const ChartPoint& last = points[kept - 1];
        if (p.x == last.x && p.y == last.y)
            continue;
        if (kept >= 2 && Interior(points[kept - 2], last, p))
            points[kept - 1] = p;
        else
            points[kept++] = p;
    }
    return kept;
}
