// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
//
// Rain of many drop sizes. The diameters are taken as normally distributed
// about the chosen one, with a standard deviation of `spread` times it (0 to
// 0.3), cut off at three standard deviations. A drop of diameter D catches
// light in proportion to its cross-section, so the rain's light per unit of
// cross-section is the mean of the single-size profiles weighted by
// n(D)·D².
//
// The inner bows are what a spread washes out, and what too few sizes would
// alias into false fringes. Beside the bow, at Airy's variable
// z = Δθ·x^{2/3}/h^{1/3}, an inner bow's phase is about (2/3)·z^{3/2}, and it
// moves by (2/3)·z^{3/2}·Δln D between neighbouring sizes; the step is chosen
// so that this stays below a quarter period for every inner bow that can be
// seen: those inside the window's 7° within the primary, and with the sun's
// disc only those wider than the disc (narrower ones it smears out anyway).
#pragma once

#include <vector>

namespace rb::tavrin {

constexpr double kLargestSpread = 0.3;

struct SizeSample {
    double diameterMicrons = 0;
    double weight = 0; // n(D)·D²·ΔD, the weights summing to 1
};

// One sample of weight 1 for no spread; otherwise an odd number of evenly
// spaced diameters, the chosen one in the middle.
std::vector<SizeSample> SpreadSizes(double diameterMicrons, double spread, bool sunDisc);

} // namespace rb::tavrin
