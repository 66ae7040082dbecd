// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "common/widgets/raster.h"

#include <algorithm>
#include <cmath>

namespace rb {

namespace {
// Fills `thickness` pixels across the line at one step along it.
inline void Span(QRgb *bits, qsizetype stride, int w, int h, int major, double minorCentre, int thickness,
                 bool xMajor, QRgb c)
{
    const int first = int(std::floor(minorCentre - thickness / 2.0 + 0.5));
    const int lo = std::max(first, 0);
    const int hi = std::min(first + thickness, xMajor ? h : w);
    if (xMajor) {
        if (major < 0 || major >= w) return;
        for (int j = lo; j < hi; ++j) bits[j * stride + major] = c;
    } else {
        if (major < 0 || major >= h) return;
        QRgb *row = bits + major * stride;
        for (int i = lo; i < hi; ++i) row[i] = c;
    }
}
// The same spans as Span() at every step from..to, for a line whose minor
// coordinate stays at minorCentre.
void FillAlong(QRgb *bits, qsizetype stride, int w, int h, int from, int to, double minorCentre, int thickness,
               bool xMajor, QRgb c)
{
    const int first = int(std::floor(minorCentre - thickness / 2.0 + 0.5));
    const int lo = std::max(first, 0);
    const int hi = std::min(first + thickness, xMajor ? h : w);
    if (lo >= hi) return;
    if (xMajor) {
        from = std::max(from, 0);
        to = std::min(to, w - 1);
        if (from > to) return;
        for (int j = lo; j < hi; ++j) std::fill(bits + j * stride + from, bits + j * stride + to + 1, c);
    } else {
        from = std::max(from, 0);
        to = std::min(to, h - 1);
        for (int m = from; m <= to; ++m) std::fill(bits + m * stride + lo, bits + m * stride + hi, c);
    }
}
} // namespace

void RasterLine(QImage &image, double x1, double y1, double x2, double y2, QRgb color, int thickness)
{
    const int w = image.width(), h = image.height();
    auto *bits = reinterpret_cast<QRgb *>(image.bits());
    const qsizetype stride = image.bytesPerLine() / qsizetype(sizeof(QRgb));
    thickness = std::max(1, thickness);
    const double dx = x2 - x1, dy = y2 - y1;
    const bool xMajor = std::fabs(dx) >= std::fabs(dy);
    // Walk the pixel centres along the major axis from one end to the other.
    double a0 = xMajor ? x1 : y1, a1 = xMajor ? x2 : y2;
    double b0 = xMajor ? y1 : x1;
    const double da = xMajor ? dx : dy, db = xMajor ? dy : dx;
    const double slope = da != 0.0 ? db / da : 0.0;
    if (a0 > a1) std::swap(a0, a1);
    const double base = xMajor ? x1 : y1;
    const int first = int(std::floor(a0)), last = int(std::floor(a1));
    const int limit = xMajor ? w : h;
    const int from = std::max(first, 0), to = std::min(last, limit - 1);
    if (slope == 0.0 && std::isfinite(b0)) {
        // A line along an axis (grids, bars): every step has the same span
        // across it, found once.
        FillAlong(bits, stride, w, h, from, to, b0, thickness, xMajor, color);
        return;
    }
    for (int m = from; m <= to; ++m) {
        // The minor coordinate at this pixel's centre, kept within the
        // segment so its ends do not overshoot.
        const double t = std::clamp(m + 0.5, a0, a1);
        Span(bits, stride, w, h, m, b0 + (t - base) * slope, thickness, xMajor, color);
    }
}

} // namespace rb
