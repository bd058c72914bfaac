#include "core/fill_rect.h"

#include <algorithm>

#include "core/connectable.h"
#include "core/span_painter.h"

namespace {

// How many rows ahead of the writing the rows are fetched.
constexpr int64_t kRowsAhead = 6;

// Rows [from, to) of one run each, asking for each row's cells a few rows ahead.
void fillRows(SpanPainter& painter, int64_t from, int64_t to, int64_t x0, int64_t len) {
    for (int64_t y = from; y < std::min(from + kRowsAhead, to); ++y) painter.prefetchRun(y, x0, len);
    for (int64_t y = from; y < to; ++y) {
        if (y + kRowsAhead < to) painter.prefetchRun(y + kRowsAhead, x0, len);
        painter.run(y, x0, len);
    }
}

// Rows [0, count) from `row` on, each the same span of columns, the row index wrapping
// at the picture's height; each row's cells are fetched a few rows ahead where that
// pays (SpanPainter::fetches).
void fillSpanRows(SpanPainter& painter, int64_t row, int64_t count, const ColumnSpan& span) {
    const int64_t h = painter.height();
    const int64_t rowsAhead = painter.fetches() ? std::min(kRowsAhead, count) : 0;
    int64_t ahead = row;
    for (int64_t k = 0; k < rowsAhead; ++k) {
        painter.prefetchSpan(painter.line(ahead), span);
        if (++ahead == h) ahead = 0;
    }
    for (int64_t k = 0; k < count; ++k) {
        if (rowsAhead > 0 && k + rowsAhead < count) {
            painter.prefetchSpan(painter.line(ahead), span);
            if (++ahead == h) ahead = 0;
        }
        painter.fillSpan(painter.line(row), span);
        if (++row == h) row = 0;
    }
}

}  // namespace

void prefetchRect(Picture* picture, int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t rows) {
    if (x1 <= x0 || y1 <= y0) return;
    SpanPainter painter(picture, ShapeColor{});
    if (!painter.active() || !painter.fetches()) return;
    const int64_t lenX = int64_t(x1) - x0;
    if (painter.wraps() && lenX >= painter.width()) return;
    const ColumnSpan span = painter.columnsOf(x0, lenX);
    const int64_t last = std::min<int64_t>(int64_t(y1), int64_t(y0) + rows);
    for (int64_t y = y0; y < last; ++y) {
        const int64_t row = painter.rowOf(y);
        if (row >= 0) painter.prefetchSpan(painter.line(row), span);
    }
}

void fillRect(Picture* picture, int32_t x0, int32_t y0, int32_t x1, int32_t y1, ShapeColor color) {
    if (x1 <= x0 || y1 <= y0) return;
    SpanPainter painter(picture, color);
    if (!painter.active()) return;

    const int64_t lenX = int64_t(x1) - x0;
    const int64_t lenY = int64_t(y1) - y0;
    const int64_t h = painter.height();

    if (!painter.wraps()) {
        const int64_t a = std::max<int64_t>(y0, 0), b = std::min<int64_t>(y1, h);
        if (a < b) fillSpanRows(painter, a, b - a, painter.columnsOf(x0, lenX));
        return;
    }
    if (lenY <= h && lenX < painter.width()) {
        // Every row takes the same folded columns once.
        fillSpanRows(painter, painter.rowOf(y0), lenY, painter.columnsOf(x0, lenX));
        return;
    }
    if (lenY <= h) {
        fillRows(painter, y0, y1, x0, lenX);
        return;
    }
    // Taller than the picture: each row is covered `laps` or `laps + 1` times, and
    // every pixel's count is its row's count times its column's.
    const int64_t laps = lenY / h, rest = lenY % h;
    const int64_t start = wrapIndex(y0, h);
    for (int64_t row = 0; row < h; ++row) {
        const int64_t offset = row >= start ? row - start : row + h - start;
        painter.run(row, x0, lenX, laps + (offset < rest ? 1 : 0));
    }
}
