// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "tavrin/wavemodel/model/whole_drop.h"

#include "tavrin/wavemodel/model/wave_fan.h"

#include <algorithm>
#include <cmath>

namespace rb::tavrin {

namespace {
constexpr double kPi = 3.14159265358979323846;
} // namespace

void DrawWholeDropRay(Canvas &picture4, const WholeDropFan &fan, int j, double theta, double radius,
                      double outLength, Color c)
{
    // The rays that tunnel in from beyond the edge are drawn as the one
    // that grazes it.
    const double u = std::min(fan.ImpactParameter(j), 1.0);
    const double alpha = std::asin(u), beta = std::asin(u / fan.RefrIndex());
    // Position angles of the entry point, the point of reflection at the
    // back and the exit point: each chord turns it by 2β − π.
    const double entry = kPi - alpha, back = entry + 2.0 * beta - kPi, exit = back + 2.0 * beta - kPi;
    const double ex = radius * std::cos(entry), ey = radius * std::sin(entry);
    const double bx = radius * std::cos(back), by = radius * std::sin(back);
    const double xx = radius * std::cos(exit), xy = radius * std::sin(exit);
    picture4.Line(kIncomingFromX, ey, ex, ey, c);
    picture4.Line(ex, ey, bx, by, c);
    picture4.Line(bx, by, xx, xy, c);
    picture4.Line(xx, xy, xx - outLength * std::cos(theta), xy - outLength * std::sin(theta), c);
}

void DrawWholeDropReflection(Canvas &picture4, double theta, double radius, double outLength, Color c)
{
    if (!(theta > 0.0 && theta < kPi)) return;
    // Reflected towards ŝ, the surface's normal there halves the turn from
    // +x to ŝ: the point lies at the position angle π + θ/2.
    const double qx = -radius * std::cos(theta / 2.0), qy = -radius * std::sin(theta / 2.0);
    picture4.Line(kIncomingFromX, qy, qx, qy, c);
    picture4.Line(qx, qy, qx - outLength * std::cos(theta), qy - outLength * std::sin(theta), c);
}

} // namespace rb::tavrin
