// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The two small pictures of the start window: on the left the ray model
// (parallel rays refracted into a drop, reflected once at its back and
// refracted out again), on the right the wave model (the same rays with the
// wavelets of the incoming plane wave and those leaving the exit points).
//
// Both pictures share one coordinate system with y growing upwards, the
// drop of radius R = 1000 centred on the origin, angles counter-clockwise.
// The construction of the ray is that of the ray model: a ray at height h
// enters at (−√(R² − h²), h) with the angle of incidence α and is refracted
// to β = arcsin(sin α / n); the current point sits at the position angle U
// on the circle, starting at π − α; a chord runs in direction π + U + β and
// ends 2β − π further round; the ray leaving the drop runs in direction
// U − α. Here sin β is held in single precision, as are the loop variables,
// which fixes the points drawn in the last digit.
//
// Everything is drawn in each picture's foreground colour and nothing is
// erased, so drawing the illustrations again over themselves changes nothing.
#pragma once

#include "common/canvas/canvas.h"

#include <cmath>
#include <cstdint>
#include <functional>

namespace rb::tavrin {

// Runs pending window events after every ray; false means the program is
// ending and the drawing must stop at once.
using Yield = std::function<bool()>;

class StartIllustrations {
public:
    double piValue = 4 * std::atan(1.0); // π
    std::int16_t dropRadius = 1000;      // R
    double refrIndex = 1.33;             // n
    // Wavelets at an exit point have radii waveRadiusBase + arcOffset; the
    // base grows from ray to ray, so later rays show older wavelets.
    std::int16_t waveRadiusBase = 200;
    std::int16_t arcOffset = 200;
    float rayHeight = 0; // h of the ray drawn last

    double curX = 0, curY = 0; // the ray's current point on the circle
    double incAngle = 0;       // α
    float sinRefr = 0;         // sin β
    double refrAngle = 0;      // β
    double posAngle = 0;       // U
    double dirSin = 0, dirCos = 0, nextX = 0, nextY = 0;

    // What a paint of the window draws: the drop in both pictures, then five
    // rays (h = 475 … 815) with wavelets on the right picture (picture1),
    // then the same rays leaving the drop on the left one (picture2).
    // Loop state is local, so a paint or click run from inside yield cannot
    // cut this one short. Returns false when yield asked to stop.
    bool DrawIllustrations(Canvas &picture1, Canvas &picture2, const Yield &yield);

    // What a click on the window adds: five more rays (h = 475 … 675) on
    // the right picture, without wavelets or dots.
    bool DrawClickRays(Canvas &picture1, const Yield &yield);

    // The chord from the current point to the next point of the circle;
    // that point becomes current.
    void DrawChord(Canvas &picture);
    // The ray of length 4000 leaving the drop at the current point, which
    // stays current.
    void DrawOutgoingRay(Canvas &picture);

private:
    void StartTrace(Canvas &picture, float h, double fromX);
    void AdvancePosition();
    void DrawWaveRay(Canvas &picture1, float h, std::int16_t radiusBase);
    void DrawRayOut(Canvas &picture2, float h);
    static bool Continue(const Yield &yield) { return !yield || yield(); }
};

} // namespace rb::tavrin
