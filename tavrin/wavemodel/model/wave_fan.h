// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The fan of rays whose phasors are added, and the line along which the
// automatic sweep moves the observation point.
#pragma once

#include <vector>

namespace rb::tavrin {

class WaveModel;

// Impact parameters 1800, 1799.5, … 1640: 0.90 to 0.82 of the drop radius,
// around the ray of minimum deviation (b ≈ 1725 for n = 1.33). Half a unit
// is exact in binary, so the running value hits 1640 exactly.
constexpr double kFanFirst = 1800.0;
constexpr double kFanLast = 1640.0;
constexpr double kFanStep = 0.5;
constexpr int kFanRays = 321;

// All elementary waves start in phase on this plane, left of the drop; the
// rays are drawn in from far off the left edge of Bild II.
constexpr double kStartPlaneX = -2000.0;
constexpr double kIncomingFromX = -14000.0;

// The sweep's observer sits at (kObserverX, obsCoord), a hundred drop radii
// to the left of the drop and below it, far enough to stand for the far
// field; obsCoord runs over 191 positions.
constexpr double kObserverX = -200000.0;
constexpr double kObsFirst = -198000.0;
constexpr double kObsLast = -160000.0;
constexpr double kObsStep = 200.0;
constexpr int kSweepPositions = 191;

// The observation angle shown for obsCoord, in degrees rounded to two
// decimals: the direction of B seen from the drop's centre.
double ReadoutAngle(double obsCoord, double piValue);

// The amplitude |Σ phasors| of the whole fan at B = (bx, by), with the
// model's waveUnits as they stand; draws nothing.
double FanAmplitude(WaveModel &model, double bx, double by);

// The sweep's maths and nothing else: waveUnits from the parameters, then
// the fan's amplitude at each of the 191 observation positions (61 311
// rays), without drawing, yielding or looking at stopRequest. For
// benchmarks against the drawn sweep and for checking its bars.
std::vector<double> SweepAmplitudes(WaveModel &model);

} // namespace rb::tavrin
