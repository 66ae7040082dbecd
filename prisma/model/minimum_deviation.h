// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The lowest point of the deviation curve: the minimum deviation and the
// angle of incidence where the prism reaches it.
#pragma once

#include <optional>

namespace rb::prisma {

struct DeviationMinimum {
    double incidence; // degrees
    double deviation; // degrees
};

// Over the rays that pass the prism on the curve's positive branch (entry
// at 0° … 90°), found to a hundredth of a degree of incidence. Nothing when
// no ray passes. For n > 1 it is the symmetric passage: sin((A + δ)/2) =
// n·sin(A/2), 37.18° at 48.59° for A = 60°, n = 1.5.
std::optional<DeviationMinimum> MinimumDeviation(double apexAngle, float refrIndex, double piValue);

} // namespace rb::prisma
