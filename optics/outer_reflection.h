// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors

// The light reflected off the drop's outside, as one phasor beside the
// whole drop's fan. Towards the scattering angle θ (from the antisolar
// point) it comes from the side of the drop facing the observer, from the
// one ray with α = θ/2 (u = sin(θ/2)), which never enters the drop.
//
//   - Path: from the plane x = −1 to the reflection point Q and on to the
//     plane through the centre perpendicular to ŝ: 1 − 2·cos(θ/2) radii.
//   - Length: worked by stationary phase in the same units as the fan's
//     sum, (1/step)·∫ w·e^{iφ} du: the phase φ = k·a·(1 − cos α − cos(α−θ))
//     has φ'' = 2k·a/cos α along u, so the ray stands for
//     √(2π/φ'')/step = √(π·cos α/(k·a))/step, times the same geometric
//     weight as the fan's rays, √(u/u_R), and its Fresnel amplitude r.
//     (The azimuthal √(sin θ_R/sin θ) is common to fan and reflection and
//     is taken by the bar scale.)
//   - Phase: φ'' > 0 adds π/4; the bow's light crosses the axis behind the
//     drop, a focal line that costs it π/2 against the reflection, so the
//     reflection stands π/4 + π/2 ahead of its path.
// Without polarisation the fan's phasors are unit ones, not the bow's true
// amplitudes; the reflection is then scaled to them with the root mean
// square of the s and p amplitudes, reflection over bow at the rainbow ray,
// so the two keep the ratio of unpolarised light.
#pragma once

#include "optics/drop_phasor.h"

namespace rb::optics {

Phasor OuterReflectionPhasor(double n, double ka, double step, Component component, double theta);

} // namespace rb::optics
