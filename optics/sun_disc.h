// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
//
// The sun is not a point but a disc 0.53° across. Every direction of the
// scattered light is lit from all of it, so a drop's angular profile I(θ)
// reaches the eye smeared over the disc: for a bow far larger than the disc
// the profile is convolved with the disc seen edge on, a chord of length
// 2·√(ρ² − u²) at the offset u from its centre, ρ the disc's radius.
//
// The profile must be sampled finer than its finest ripple before that, or
// the ripple folds into a false slow pattern: the outer reflection beats with
// the bow's light at a period of about 0.06° for a 1 mm drop, 0.03° for 2 mm.
#pragma once

#include <span>
#include <vector>

namespace rb::optics {

// The sun's angular radius, degrees (the mean disc, 0.533° across).
constexpr double kSunRadiusDegrees = 0.2665;

// The profile f, sampled at a fixed step (any angle unit), convolved with a
// disc of the given radius in the same unit. Beyond the ends the profile is
// taken to stay at its end values.
std::vector<double> ConvolveWithDisc(std::span<const double> f, double step, double radius);

} // namespace rb::optics
