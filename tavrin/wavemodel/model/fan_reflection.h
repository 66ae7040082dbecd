// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The light reflected off the drop's outside towards an observation point
// B, as one more phasor after the fan of 321 rays.
//
// One ray of the incoming wave is reflected at the drop's near side
// straight towards B; its neighbours are too, with phases that stand still
// there. Summed as the fan sums its own rays, one phasor for every half
// unit of the wavefront, they make a single phasor: as long as the rays of
// √(2π/|φ″|) of the wavefront, turned by ±π/4 with the sign of φ″
// (stationary phase; φ the phase of the reflected rays along b, the same
// optical path from the plane x = −2000 as the fan's rays take). Its
// weight beside the fan's rays is the reflected ray's (optics/
// outer_reflection.h): −r for a component, and without polarisation the
// r.m.s. of r over that of the bow's t·r·t, so that the two keep the ratio
// of unpolarised light; and the ring's √(u/u_R) of the three-dimensional
// drop, as the whole drop's rays carry it.
//
// Towards the bow's angles the reflection comes from about a third of the
// radius below the centre; in Alexander's dark band it is all the light
// there is, and beside the bow it ripples the bars.
#pragma once

#include "optics/drop_phasor.h"
#include "tavrin/wavemodel/model/wave_model.h"

namespace rb::tavrin {

struct FanReflection {
    bool reaches = false; // false where no reflected light reaches B
    double b = 0;         // impact parameter of the reflected ray, drawing units
    double qx = 0, qy = 0; // where it is reflected
    double alpha = 0;      // its angle of incidence
    Phasor strip;          // the sum of its strip of rays, each of weight 1

    // The phasor beside the fan for a component: the strip weighted.
    Phasor For(Component c, double n, double radius) const;
};

// Towards B = (bx, by), with the model's drop, refractive index and
// waveUnits as they stand; draws nothing.
FanReflection ReflectionTowards(const WaveModel &m, double bx, double by);

} // namespace rb::tavrin
