// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The direction of the light that leaves a drop after k internal
// reflections, plotted against the impact parameter.
//
// A ray at impact parameter b (in drop radii) meets the surface at the angle
// of incidence α = arcsin b and is refracted to β = arcsin(b/n). It turns by
// α − β at each of the two refractions and by π − 2β at each of the k
// reflections, so it leaves in the direction D = k·π + 2·(α − (k + 1)·β).
// Where D(b) turns, neighbouring rays leave together: the rainbow angles.
//
// Plot coordinates: x = 1000·b (0 … 1000), y = 3700 − 10·D (D in degrees,
// 0° at y = 3700, 360° at y = 100), on a surface 1200 × 4000 units with its
// top-left corner at (−100, 0).
#pragma once

#include "common/canvas/canvas.h"

#include <cstdint>
#include <functional>

namespace rb::streu {

constexpr double kPlotScaleLeft = -100;
constexpr double kPlotScaleTop = 0;
constexpr double kPlotScaleWidth = 1200;
constexpr double kPlotScaleHeight = 4000;

// Grid: a line every 10° of direction (thick at 0°, 90°, 180°, 270°, 360°)
// and every 0.1 of impact parameter. Leaves the pen width at 1.
void DrawScatterGrid(Canvas &picture);

// The curve, one dot per impact parameter 0, 0.001, … 0.999. π is passed in
// single precision, as the plot has always used it, for the k·π term and the
// conversion to degrees. Leaves the pen width at 1.
void DrawScatterCurve(Canvas &picture, std::int16_t reflCount, double refrIndex, float piValue);

// The direction in degrees, 0 < D ≤ 360, for one impact parameter.
double ScatterDirection(double b, std::int16_t reflCount, double refrIndex, float piValue);

// The curve's points as (b, D in degrees), for b = 0, 0.001, … 0.999.
void ForEachScatterPoint(std::int16_t reflCount, double refrIndex, float piValue,
                         const std::function<void(double b, double direction)> &point);

} // namespace rb::streu
