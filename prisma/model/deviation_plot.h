// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The deviation of a ray by a prism against its angle of incidence.
//
// A ray meets the first face at incidence α, is refracted to β1 with
// sin β1 = sin α / n, meets the second face at β2 = A − β1 and leaves at γ
// with sin γ = n·sin β2. It is turned aside by δ = α + γ − A. The curve's
// lowest point is the minimum deviation.
//
// Plot coordinates: x = 10·θ for the incidence θ in degrees (−900 … 900),
// y = 1000 − 10·δ (δ = 0° at y = 1000, 90° at y = 100), on a surface
// 2000 × 1100 units with its top-left corner at (−1000, 0).
#pragma once

#include "common/canvas/canvas.h"

#include <functional>

namespace rb::prisma {

constexpr double kPlotScaleLeft = -1000;
constexpr double kPlotScaleTop = 0;
constexpr double kPlotScaleWidth = 2000;
constexpr double kPlotScaleHeight = 1100;

// Draws the grid and both branches of the curve over what the surface shows
// (it does not clear). apexAngle in radians, refrIndex as the window holds
// it in single precision. Leaves the pen width at 1.
void DrawDeviationPlot(Canvas &picture, double apexAngle, float refrIndex, double piValue);

// The points of the plot, positive branch first, each for α = 0°, 0.1°, …
// up to 90° where the ray passes: the positive branch gets δ, plotted at
// (10·α, 1000 − 10·δ); the negative branch gets d, plotted at
// (−10·α, 1000 + 10·d), so its deviation as the axis reads it is −d.
enum class DeviationBranch { Positive, Negative };
void ForEachDeviationPoint(double apexAngle, float refrIndex, double piValue,
                           const std::function<void(DeviationBranch, double alpha, float value)> &point);

} // namespace rb::prisma
