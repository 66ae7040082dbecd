// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "streu/model/scatter_plot.h"

#include "optics/arcsine.h"

#include <functional>

namespace rb::streu {

namespace {
constexpr double kBaseY = 3700;   // y of 0°
constexpr double kUnitsPerDegree = 10;
constexpr double kGridRight = 1000;
constexpr double kTopY = 100;     // y of 360°
} // namespace

void DrawScatterGrid(Canvas &picture)
{
    for (int i = 0; i <= 36; ++i) picture.Line(0, kBaseY - 100 * i, kGridRight, kBaseY - 100 * i);
    picture.SetDrawWidth(3);
    for (int i = 0; i <= 36; i += 9) picture.Line(0, kBaseY - 100 * i, kGridRight, kBaseY - 100 * i);
    picture.SetDrawWidth(1);
    for (int j = 0; j <= 10; ++j) picture.Line(100 * j, kBaseY, 100 * j, kTopY);
}

double ScatterDirection(double b, std::int16_t reflCount, double refrIndex, float piValue)
{
    const double alpha = optics::Arcsin(b);
    const double beta = optics::Arcsin(b / refrIndex);
    const float kPi = static_cast<float>(reflCount) * piValue; // held in single precision
    double d = kPi + 2.0 * (alpha - (reflCount + 1) * beta);
    d = 180.0 * d / piValue;
    // D is positive for every b < 1, so this leaves 0 < D ≤ 360.
    while (d > 360.0) d -= 360.0;
    return d;
}

void ForEachScatterPoint(std::int16_t reflCount, double refrIndex, float piValue,
                         const std::function<void(double, double)> &point)
{
    // The running value gathers rounding; after 1000 steps it lies just
    // above 1, so the grazing ray b = 1 (where β's arcsine would be at its
    // edge for n = 1) is never reached.
    for (double b = 0.0; b <= 1.0; b += 0.001) point(b, ScatterDirection(b, reflCount, refrIndex, piValue));
}

void DrawScatterCurve(Canvas &picture, std::int16_t reflCount, double refrIndex, float piValue)
{
    ForEachScatterPoint(reflCount, refrIndex, piValue, [&picture](double b, double d) {
        picture.SetDrawWidth(2);
        picture.PSet(1000.0 * b, kBaseY - kUnitsPerDegree * d);
        picture.SetDrawWidth(1);
    });
}

} // namespace rb::streu
