// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The ray model: geometrical optics of one light ray in a circular drop,
// drawn piece by piece on the scene, with its scattering angle marked on the
// angle strip.
//
// Geometry (scene units, y grows downwards, so a direction θ is the vector
// (cos θ, sin θ) and angles grow clockwise on the screen). The drop of radius
// R is centred on the origin; the light comes from the left in direction 0.
// A ray at impact parameter b (|b| < R) enters at (−√(R² − b²), b), where the
// angle of incidence is α = arcsin(b/R) and Snell's law gives the angle of
// refraction β = arcsin(sin α / n); both carry the sign of b.
//
// A point of the circle is (R·cos U, R·sin U). The entry point has U = π − α.
// Inside the drop every chord makes the angle β with the radius at both ends,
// so it runs in direction π + U + β, and the point it reaches lies at
// U + 2β − π. At each point the light that leaves the drop runs in direction
// U − α: at the entry point that is the mirror image of the incident ray
// (π − 2α), at every other point the ray refracted out.
//
// After k internal reflections the ray has turned by 2(α − β) at the two
// refractions and by π − 2β at each reflection; folded onto the angle
// between the incident light and the ray coming back, the scattering angle W
// in degrees is
//     k = 1:  (2α − 4β)·180/π             primary bow, about 42° for water
//     k = 2:  (π + 2α − 6β)·180/π         secondary bow, about 51°
//     k = 3:  (π + 2α − 8β)·180/π
//     k = 5:  |360 − |2α − 12β|·180/π|
//
// The angle strip maps W to y = 1850 − 30·W on a picture 200 × 1000 units
// wide and high, so 30° lies at y = 950 and 60° at y = 50.
//
// Arcsines are computed as atan(x / √(1 − x²)) and π as 4·atan(1), and the
// few single-precision values (chord length, ray length, the pointer's
// height) are kept single: the points drawn depend on them in the last digit.
#pragma once

#include "common/canvas/canvas.h"
#include "common/canvas/color.h"
#include "tavrin/raymodel/model/sweep_table.h"

#include <cmath>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace rb::tavrin {

// Refractive indices of the three colours (656, 527 and 430 nm).
constexpr double kWaterIndex[3] = {1.3312, 1.3352, 1.3406};
constexpr double kGlassBk7Index[3] = {1.5076, 1.513, 1.5205};

// Scattering angles are marked on the strip at y = kStripZeroY − kStripScale·W.
constexpr double kStripZeroY = 1850;
constexpr double kStripScale = 30;
// A mouse-placed ray's mark runs from x 0 to 150, clear of the ticks.
constexpr double kStripMarkLength = 150;

constexpr Color kTickColor = RGB(255, 255, 255);

// A mark on the angle strip: the scattering angle it shows and the settings
// of the ray that made it.
struct StripMark {
    double scatterAngle;      // W in degrees
    std::int16_t colourIndex; // 1 red, 2 green, 3 blue
    std::int16_t reflCount;
    std::int16_t material;    // 0 water, 1 glass BK7
};
// Marks kept per strip: some 16 MB, a thousand fast sweeps.
constexpr std::size_t kMaxStripMarks = 1000000;

class RayModel {
public:
    // --- window-level state set by the options ------------------------------
    std::int16_t dropRadius = 800;       // drop radius R in scene units
    double refrIndex = 1.33;             // refractive index n
    double piValue = 4 * std::atan(1.0); // π
    float rayLength = 2000;              // incoming stretch and each outgoing ray
    std::int16_t reflCount = 1;          // internal reflections k: 1, 2, 3 or 5
    std::int16_t showReflected = 1;      // 1: reflected and partial rays drawn, 2: not
    std::int16_t rayRed = 255, rayGreen = 0, rayBlue = 0;
    std::int16_t colourIndex = 1;        // 1 red, 2 green, 3 blue
    std::int16_t material = 0;           // 0 water, 1 glass BK7

    // --- working variables of a trace; they keep the last ray's values ------
    double curX = 0, curY = 0; // current point; before a trace curY holds b
    double incAngle = 0;       // α, radians, sign of b
    double sinRefr = 0;        // sin β
    double refrAngle = 0;      // β, radians, sign of b
    double posAngle = 0;       // U of the current point
    double nextX = 0, nextY = 0;
    double dirSin = 0, dirCos = 0;
    double scatterAngle = 0;   // W in degrees

    // The marks on the strip since it was last cleared, oldest first; the
    // window empties the list when it clears the strip. Beyond
    // kMaxStripMarks further marks are drawn but not listed.
    std::vector<StripMark> stripMarks;

    // Receives the slow sweep's busy work; read by nothing. Volatile so the
    // sine evaluations that pace the sweep are not optimised away.
    volatile float delayDummy = 0;

    Color RayColor() const { return RGB(rayRed, rayGreen, rayBlue); }

    // n from the material and colour; any other material or colour index
    // leaves refrIndex as it is.
    void SetRefractiveIndex();

    // Traces the ray at b = curY (|b| < R) with k = reflCount: the incoming
    // stretch, the ray reflected at the entry point and the partial rays at
    // each internal reflection (when showReflected is 1), the k + 1 chords and
    // the exit ray, all in the ray colour; sets scatterAngle. Leaves curX,
    // curY at the exit point. For any k other than 1, 2, 3, 5 it draws
    // nothing and returns false.
    bool TraceRay(Canvas &scene);

    // The chord from the current point to the next point of the circle;
    // that point becomes current.
    void DrawChord(Canvas &scene);
    // A ray of length rayLength leaving the drop at the current point, in
    // direction posAngle − incAngle; the current point stays.
    void DrawOutgoingRay(Canvas &scene);

    // W in degrees for the current α and β and k = reflCount.
    double ScatterAngle() const;
    // W of the Descartes ray for the chosen k, colour and material, as the
    // sweep's rays give it; nothing for a k the window does not offer.
    // With it, whether that W is the largest of the range (k = 1) or the
    // smallest (k = 2): the side of it where no ray's mark lies.
    struct DescartesMark {
        double angle;
        bool highest;
    };
    std::optional<DescartesMark> DescartesOnStrip() const;

    // The drop's outline: 629 dots at t = 0, 0.01, … 6.28 in the scene's
    // foreground colour, so redrawing it only restores dots rays painted over.
    void DrawDropOutline(Canvas &scene) const;
    // White ticks at the strip's right edge for every degree from 30° to 60°,
    // long ones at 30°, 40°, 50° and 60°.
    void DrawAngleTicks(Canvas &strip) const;

    // A ray placed by the mouse at the pointer's height y, whatever its x:
    // traced and marked on the strip with a line in the ray colour. A pointer
    // level with the drop's top or bottom or beyond draws nothing and returns
    // false. A press first looks up n, so a drag keeps the n of its press;
    // both compute W the same way.
    bool PlaceRayByPress(Canvas &scene, Canvas &strip, float y);
    bool PlaceRay(Canvas &scene, Canvas &strip, float y);

    // The continuous sweep of b over the range of the current k (see
    // sweep_table.h): one ray per step, its W dotted at a random x on the
    // strip. The fast mode clears the scene first; the caller hides its help
    // text before. The slow mode paces itself with 20000 sine evaluations per
    // ray. rnd returns uniform numbers in [0, 1); afterRay, if set, runs after
    // every ray (a window repaints there, and must leave the processor's
    // vector state clean for the maths of the next ray). The sweep has no
    // way to be stopped by the user; it only gives up, before its next ray,
    // once ending, if set, says that the program is ending.
    void SweepImpactParameter(Canvas &scene, Canvas &strip, SweepMode mode,
                              const std::function<double()> &rnd,
                              const std::function<void()> &afterRay = {},
                              const std::function<bool()> &ending = {});

private:
    bool Traceable() const; // k is one of the numbers the window offers
    void TraceFromEntryPoint(Canvas &scene);
    void AdvancePosition();
    void MarkOnStrip(Canvas &strip);
    void RememberMark();
    void BusyDelay();
    double SweepImpact(float counter, SweepMode mode, const std::function<double()> &rnd) const;
    void DotOnStrip(Canvas &strip, const std::function<double()> &rnd);
};

} // namespace rb::tavrin
