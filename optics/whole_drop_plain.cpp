// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The plain fan of the whole drop: phasors along the emerging wavefront,
// weighted by the strip of it each ray stands for (whole_drop.h).
#include "optics/whole_drop.h"

#include "optics/smooth_step.h"

#include <algorithm>
#include <cmath>

namespace rb::optics {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kTurn = 2.0 * kPi;

// The fan and its faded ends, in drop radii.
constexpr double kFanFrom = 0.50, kFullFrom = 0.68, kFullTo = 0.90, kFanTo = 0.97;
// Points at which the phase slope is sampled to choose the step, and the
// margin laid on the largest slope found between them.
constexpr int kSlopeSamples = 2000;
constexpr double kSlopeMargin = 1.1;
// A direction far from the bow needs a finer fan; this keeps a by-hand run
// towards any point of Bild II within a few milliseconds of maths.
constexpr int kMostRays = 400000;

double Fade(double u)
{
    return SmoothStep((u - kFanFrom) / (kFullFrom - kFanFrom)) * SmoothStep((kFanTo - u) / (kFanTo - kFullTo));
}

struct RayGeometry {
    double alpha, beta;
    double px, py;     // exit point P on the unit circle
    double path;       // 1 − cos α + 4n·cos β
    double exitAngle;  // the outgoing direction as a scattering angle, 4β − 2α
    double stripWidth; // dp/du = |1 − 4·cos α / (n·cos β)|
    double pSpeed;     // |dP/du| = dp/du / cos α
};

RayGeometry Geometry(double u, double n)
{
    RayGeometry g;
    g.alpha = std::asin(u);
    g.beta = std::asin(u / n);
    const double exitPosition = 4.0 * g.beta - g.alpha - kPi;
    g.px = std::cos(exitPosition);
    g.py = std::sin(exitPosition);
    g.path = 1.0 - std::cos(g.alpha) + 4.0 * n * std::cos(g.beta);
    g.exitAngle = 4.0 * g.beta - 2.0 * g.alpha;
    g.stripWidth = std::fabs(1.0 - 4.0 * std::cos(g.alpha) / (n * std::cos(g.beta)));
    g.pSpeed = g.stripWidth / std::cos(g.alpha);
    return g;
}

// The largest |dφ/du| / (k·a) over the fan for θ in [from, to]:
// dφ/du = k·a·(t̂ − ŝ)·dP/du, bounded by |t̂ − ŝ|·|dP/du|, and |t̂ − ŝ| =
// 2·|sin((θ_ray − θ)/2)| is largest at one end of the range.
double LargestSlope(double n, double from, double to)
{
    double most = 0.0;
    for (int i = 0; i <= kSlopeSamples; ++i) {
        const double u = kFanFrom + (kFanTo - kFanFrom) * i / kSlopeSamples;
        const RayGeometry g = Geometry(u, n);
        const double apart = std::max(std::fabs(std::sin((g.exitAngle - from) / 2.0)),
                                      std::fabs(std::sin((g.exitAngle - to) / 2.0)));
        most = std::max(most, 2.0 * apart * g.pSpeed);
    }
    return most;
}

} // namespace

void WholeDropFan::LayOutPlain(double thetaFrom, double thetaTo, double maxStepTurns)
{
    const double maxPhaseStep = kTurn * maxStepTurns;
    const double slope = kSlopeMargin * LargestSlope(n_, thetaFrom, thetaTo);
    const int rays =
        std::clamp(int(std::ceil((kFanTo - kFanFrom) * ka_ * slope / maxPhaseStep)) + 1, 2, kMostRays);
    step_ = (kFanTo - kFanFrom) / (rays - 1);
    u_.reserve(rays);
    weight_.reserve(rays);
    phase0_.reserve(rays);
    kpx_.reserve(rays);
    kpy_.reserve(rays);
    for (int j = 0; j < rays; ++j) {
        const double u = kFanFrom + j * step_;
        const RayGeometry g = Geometry(u, n_);
        u_.push_back(u);
        weight_.push_back(g.stripWidth * Fade(u));
        // The constant part of the phase is large (up to 10⁵ radians);
        // reduced to one turn it leaves the sine and cosine their digits.
        phase0_.push_back(std::fmod(ka_ * g.path, kTurn));
        kpx_.push_back(ka_ * g.px);
        kpy_.push_back(ka_ * g.py);
    }
}

} // namespace rb::optics
