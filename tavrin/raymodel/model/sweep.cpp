// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The continuous sweep of the impact parameter: one ray per step of the
// range for the current k, each scattering angle dotted on the strip at a
// random x, so the dots crowd where W is stationary: the bow.
#include "tavrin/raymodel/model/ray_model.h"

#include <cmath>

namespace rb::tavrin {

namespace {

// Sine evaluations per ray that pace the slow sweep.
constexpr int kDelayIterations = 20000;

} // namespace

void RayModel::BusyDelay()
{
    for (int i = 1; i <= kDelayIterations; ++i) delayDummy = static_cast<float>(std::sin(i));
}

// The fast sweep jitters each b within its step, towards the drop's edge,
// so that its rays do not repeat the same impact parameters. The offset is
// the first random number of the step.
double RayModel::SweepImpact(float counter, SweepMode mode, const std::function<double()> &rnd) const
{
    if (mode == SweepMode::Slow) return counter;
    switch (reflCount) {
    case 1:
        return counter - 0.95 * rnd();
    case 2:
        return counter + 1.8 * rnd();
    case 3:
        return counter + static_cast<float>(rnd()); // a single-precision sum
    default:
        return counter - 0.9 * rnd();
    }
}

// k = 1, 2, 3 dot at y = 1850 − 30·W; k = 5 spreads its dots by ±2 units,
// the x drawn before the vertical offset.
void RayModel::DotOnStrip(Canvas &strip, const std::function<double()> &rnd)
{
    const double x = kStripMarkLength * rnd();
    const double y = reflCount == 5 ? (kStripZeroY - 2) - kStripScale * scatterAngle + 4 * rnd()
                                    : kStripZeroY - kStripScale * scatterAngle;
    strip.PSet(x, y, RayColor());
    RememberMark();
}

void RayModel::SweepImpactParameter(Canvas &scene, Canvas &strip, SweepMode mode,
                                    const std::function<double()> &rnd,
                                    const std::function<void()> &afterRay,
                                    const std::function<bool()> &ending)
{
    if (mode == SweepMode::Fast) scene.Cls();
    DrawDropOutline(scene);
    SetRefractiveIndex();
    if (const auto row = SweepRowFor(reflCount, mode)) {
        for (const float counter : SweepCounters(*row)) {
            if (ending && ending()) return;
            if (mode == SweepMode::Slow) BusyDelay();
            curY = SweepImpact(counter, mode, rnd);
            TraceRay(scene);
            DotOnStrip(strip, rnd);
            if (afterRay) afterRay();
        }
    }
    DrawDropOutline(scene); // on top of the rays
}

} // namespace rb::tavrin
