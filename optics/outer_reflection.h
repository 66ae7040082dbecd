// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors

// The light reflected off the drop's outside, as one phasor beside a fan
// of the bow's rays. Towards the scattering angle θ (from the antisolar
// point) it comes from the side of the drop facing the observer, from the
// one ray with α = θ/2 (u = sin(θ/2)), which never enters the drop.
//
// Its neighbours reflect towards θ too, with phases that stand still at
// that ray: summed by stationary phase, the reflected rays of a strip of
// the wavefront make one phasor, as long as the rays of √(2π/|φ″|) of it,
// φ the reflected rays' phase along the fan, and turned by ±π/4 with the
// sign of φ″.
//
// Its weight beside the bow's rays was measured against the sphere's own
// coefficients (optics/mie_debye.h): where a bow's ray carries the product
// t·r·t of its Fresnel amplitudes, the reflected ray carries −r, Fresnel's
// amplitude with Born & Wolf's sign (optics/fresnel.h); the ripple it lays
// over Alexander's band then falls where Mie's does. Phasors of equal
// length without polarisation keep the ratio of unpolarised light: the
// r.m.s. of r_s and r_p over that of the bow's t·r·t at the rainbow ray.
// Both also carry the ring's √(u/u_R) of the three-dimensional drop, as
// the bow's rays do.
#pragma once

#include "optics/drop_phasor.h"

namespace rb::optics {

// The reflected ray's weight, for a ray meeting the drop at α outside.
double ReflectedRayWeight(Component c, double n, double alpha);

// Beside the plain whole-drop fan (Component::Unit), whose rays lie `step`
// drop radii apart: its phase is k·a·(1 − 2·cos(θ/2)), the path from the
// plane x = −1 to the plane through the centre perpendicular to ŝ, and
// φ″ = 2k·a/cos α along u.
Phasor OuterReflectionPhasor(double n, double ka, double step, double theta);

// Beside the physical fan of partial waves (whole_drop.h), in the units of
// its sum: the same stationary point in the partial waves of the light
// reflected outside, −½·R²¹² of the sphere, whose phase towards θ stands
// still at π/2 − 2k·a·cos(θ/2) and whose φ″ = 2/(k·a·cos α) per wave.
Phasor PartialWaveReflection(double n, double ka, Component c, double uRainbow, double theta);

} // namespace rb::optics
